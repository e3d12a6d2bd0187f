// The vacation menu and the vacation request on the demo database: permissions, the keypad,
// the balance limit of each layout, the date checks, the printed form and the mail.
#include <gtest/gtest.h>

#include "data/StatementJournal.h"
#include "data/mdlOperacion.h"
#include "screens/shared/BalancePanels.h"
#include "screens/shared/NumericKeypad.h"
#include "screens/time/TFiltroVacaciones.h"
#include "screens/time/TSolicitarVacaciones.h"
#include "screens/time/TVacaciones.h"
#include "support/QtPrinters.h"
#include "support/SmtpServer.h"
#include "time/TimeSession.h"
#include "toolkit/Controls.h"

using namespace TimeTests;

namespace {

const QString kExcede = QStringLiteral("No puede solicitar mas dias de los que tiene derecho.");

// What is left in the terminal folder besides the mail log.
QStringList folderOf(const Session& s) {
  QStringList names = QDir(s.terminal.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  names.removeAll(QStringLiteral("EnvioMail.log"));
  return names;
}

void type(TSolicitarVacaciones& r, void (TSolicitarVacaciones::*touch)(), const QString& digits) {
  (r.*touch)();
  while (!r.teclado->texto.isEmpty()) r.teclado->Press(QStringLiteral("btnBorrar"));
  static const char* const keys[] = {"btnCero", "btnUno",  "btnDos",  "btnTres", "btnCuatro",
                                     "btnCinco", "btnSeis", "btnSiete", "btnOcho", "btnNueve"};
  for (QChar d : digits) r.teclado->Press(QString::fromLatin1(keys[d.digitValue()]));
}

}  // namespace

class VacationMenu : public OnBothDbPaths {};

TEST_P(VacationMenu, OpenedFromTheMenuOffersWhatTheProfileAllows) {
  struct Case {
    QStringList denied;
    bool consultar, solicitar;
  };
  const Case cases[] = {{{}, true, true}, {{"A1"}, false, true}, {{"A2"}, true, false}, {{"A1", "A2"}, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.denied.join(",").toStdString());
    Session s;
    for (const QString& opcion : c.denied)
      AppData.oAdo->Execute("DELETE FROM PortalPerfilPermisos WHERE perfil = 1 AND opcion = '" + opcion + "'");
    QStringList opened;
    TForm::SetModalHook([&](TForm& form) {
      opened << form.metaObject()->className();
      if (auto* f = qobject_cast<TFiltroVacaciones*>(&form)) {
        EXPECT_EQ(f->empresa, AppData.Empresa);
        EXPECT_EQ(f->codigo, AppData.Codigo);
        EXPECT_EQ(f->NombreEmpleado, s.menu->lblNombre->cText());
        EXPECT_EQ(f->bnConsultar->lEnabled(), c.consultar);
        EXPECT_EQ(f->btnSolicitar->lEnabled(), c.solicitar);
        EXPECT_TRUE(f->btnSalir->lEnabled());
        if (c.denied.isEmpty()) Render::ToPng(f, OutDir() + "/filtro-vacaciones.png");
        if (f->bnConsultar->lEnabled()) f->bnConsultar->Press();
        if (f->btnSolicitar->lEnabled()) f->btnSolicitar->Press();
        f->btnSalir->Press();
      } else if (auto* v = qobject_cast<TVacaciones*>(&form)) {
        EXPECT_EQ(v->empresa, AppData.Empresa);
        EXPECT_GT(v->arrayVacaciones->Len(), 0);
        v->btnSalir->Press();
      } else if (auto* r = qobject_cast<TSolicitarVacaciones*>(&form)) {
        EXPECT_EQ(r->NombreEmpleado, s.menu->lblNombre->cText());
        EXPECT_EQ(r->empresa, AppData.Empresa);
        r->btnSalir->Press();
      }
    });
    s.menu->btnVacaciones->Press();
    TForm::SetModalHook(nullptr);
    QStringList want{"TFiltroVacaciones"};
    if (c.consultar) want << "TVacaciones";
    if (c.solicitar) want << "TSolicitarVacaciones";
    EXPECT_EQ(opened, want);
  }
}

class VacationRequest : public OnBothDbPaths {};

TEST_P(VacationRequest, OpensWithTheBalanceTodayAndTheMailSettings) {
  Session s;
  StatementJournal::Clear();
  auto* r = s.open<TSolicitarVacaciones>(true);
  const QString saldo = "exec dbo.Fun_P_Catalogos  @nEmpresa=" + AppData.Empresa +
                        ", @cCatalogo= '[Catalogo GENERAL DE VACACIONES]' , @nCodigo=" + AppData.Codigo +
                        ", @nOrden=0, @nSerial=0, @cusuario='1'";
  EXPECT_EQ(StatementJournal::Statements(),
            QStringList({"exec peCargaOpcionVacaciones " + AppData.Empresa, saldo,
                         "exec getConfiguraMailPortalEmpleado " + AppData.Empresa}));
  const QDate today = QDate::currentDate();
  EXPECT_EQ(r->txtdia->Value(), QStringLiteral("%1").arg(today.day(), 2, 10, QChar(u'0')));
  EXPECT_EQ(r->txtmes->Value(), QStringLiteral("%1").arg(today.month(), 2, 10, QChar(u'0')));
  EXPECT_EQ(r->txtyear->Value(), QString::number(today.year()));
  EXPECT_EQ(r->txtNumero->Value(), QString());
  EXPECT_FALSE(r->chkSupervisor->lChecked());
  EXPECT_EQ(r->saldos->opcion, 2);
  EXPECT_TRUE(r->saldos->Opcion2->lVisible());
  const Row mail = RowsOf("exec getConfiguraMailPortalEmpleado " + AppData.Empresa).row(1);
  EXPECT_EQ(r->correo.MailRH, Text::ToText(mail.col(13)));
  EXPECT_EQ(r->correo.mail_pwd, Text::ToText(mail.col(6)));  // as stored
  EXPECT_EQ(r->teclado->Key("btnUno")->cToolTip(), QStringLiteral("Presione el botpon Aceptar para cargar la información."));
  Render::ToPng(r, OutDir() + "/solicitar-vacaciones.png");
  EXPECT_TRUE(MsgSeam::Texts().isEmpty());
  delete r;
}

TEST_P(VacationRequest, KeypadWritesIntoTheFieldTouchedLast) {
  Session s;
  auto* r = s.open<TSolicitarVacaciones>(true);
  const QString dia = r->txtdia->Value();
  r->teclado->Press("btnUno");  // nothing touched yet: nothing written
  EXPECT_EQ(r->txtNumero->Value(), QString());
  r->txtNumeroClick();
  r->teclado->Press("btnUno");
  r->teclado->Press("btnDos");
  EXPECT_EQ(r->txtNumero->Value(), QStringLiteral("12"));
  EXPECT_EQ(r->txtdia->Value(), dia);
  r->txtmesClick();  // the buffer starts from the field's text
  r->teclado->Press("btnBorrar");
  r->teclado->Press("btnSiete");
  EXPECT_EQ(r->txtmes->Value(), r->txtmes->Value().left(1) + "7");
  EXPECT_EQ(r->txtNumero->Value(), QStringLiteral("12"));
  r->txtNumeroClick();
  r->teclado->Press("btnBorrar");
  r->teclado->Press("btnBorrar");
  r->teclado->Press("btnBorrar");  // on an empty buffer
  EXPECT_EQ(r->txtNumero->Value(), QString());
  r->txtyearClick();
  EXPECT_EQ(r->teclado->UltimoControl, QStringLiteral("Año"));
  delete r;
}

TEST_P(VacationRequest, ExactlyTheAvailableDaysPassOneMoreIsRefused) {
  struct Case {
    const char* employee;
    const char* password;
    int layout;
  };
  const Case cases[] = {{"200001", "1234", 1}, {"1", "Clave2024", 2}, {"100001", "1234", 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.employee);
    Session s(c.employee, c.password);
    ASSERT_NE(s.menu, nullptr);
    auto* r = s.open<TSolicitarVacaciones>(true);
    ASSERT_EQ(r->saldos->opcion, c.layout);
    const QString available = r->saldos->Disponibles();
    ASSERT_GT(Text::Val(available), 0) << available.toStdString();
    Render::ToPng(r, OutDir() + QStringLiteral("/solicitar-vacaciones-opcion%1.png").arg(c.layout));

    r->txtNumero->Value = available;
    r->txtNumeroExit();
    EXPECT_TRUE(MsgSeam::Texts().isEmpty());
    EXPECT_EQ(Previews(OutDir() + "/solicitud-exacta.pdf", [r] { r->btnImprimir->Press(); }).size(), 1);
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join("|").toStdString();

    r->txtNumero->Value = Text::ToText(Text::Val(available) + 1);
    r->txtNumeroExit();
    EXPECT_EQ(MsgSeam::Texts(), QStringList{kExcede});
    MsgSeam::Clear();
    EXPECT_TRUE(Previews(OutDir() + "/solicitud-excede.pdf", [r] { r->btnImprimir->Press(); }).isEmpty());
    EXPECT_EQ(MsgSeam::Texts(), QStringList{kExcede});
    MsgSeam::Clear();
    r->btnEnviar->Press();
    EXPECT_EQ(MsgSeam::Texts(), QStringList{kExcede});
    delete r;
  }
}

TEST_P(VacationRequest, WithoutLayoutOrBalanceRow) {
  // No layout: no panel and no limit; the form prints a balance of 0.
  {
    Session s;
    AppData.oAdo->Execute(QStringLiteral("DELETE FROM PortalEmpleadoConfigVacaciones"));
    auto* r = s.open<TSolicitarVacaciones>(true);
    EXPECT_FALSE(r->saldos->Activa());
    type(*r, &TSolicitarVacaciones::txtNumeroClick, "900");
    const QString pdf = OutDir() + "/solicitud-sin-opcion.pdf";
    EXPECT_EQ(Previews(pdf, [r] { r->btnImprimir->Press(); }).size(), 1);
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join("|").toStdString();
    const QString text = PdfTools::Text(pdf);
    EXPECT_TRUE(text.contains(QRegularExpression("900"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("-900"))) << text.toStdString();
    delete r;
  }
  // No balance row: empty fields, and any positive request exceeds the limit.
  {
    Session s;
    AppData.oAdo->Execute(QStringLiteral("CREATE OR ALTER PROCEDURE dbo.Fun_P_Catalogos @nEmpresa varchar(20), "
                                         "@cCatalogo varchar(100), @nCodigo varchar(20), @nOrden int = 0, @nSerial int = 0, "
                                         "@cusuario varchar(20) = '' AS SELECT 1 WHERE 0"));
    auto* r = s.open<TSolicitarVacaciones>(true);
    EXPECT_EQ(r->saldos->txtTotal2->Value(), QString());
    type(*r, &TSolicitarVacaciones::txtNumeroClick, "1");
    r->btnImprimir->Press();
    EXPECT_EQ(MsgSeam::Texts(), QStringList{kExcede});
    delete r;
  }
  // A balance row whose columns are all NULL: zero balances, and zero days still print.
  {
    Session s;
    QStringList nulls;
    for (int n = 1; n <= 60; ++n) nulls << QStringLiteral("NULL AS c%1").arg(n);
    AppData.oAdo->Execute(QStringLiteral("CREATE OR ALTER PROCEDURE dbo.Fun_P_Catalogos @nEmpresa varchar(20), "
                                         "@cCatalogo varchar(100), @nCodigo varchar(20), @nOrden int = 0, @nSerial int = 0, "
                                         "@cusuario varchar(20) = '' AS SELECT ") +
                          nulls.join(QStringLiteral(", ")));
    auto* r = s.open<TSolicitarVacaciones>(true);
    ASSERT_TRUE(r->saldos->Activa());
    for (TEdit* e : {r->saldos->txtSaldos2, r->saldos->txtDias2, r->saldos->txtVacaciones2, r->saldos->txtTotal2})
      EXPECT_EQ(e->Value(), QStringLiteral("0.00")) << e->objectName().toStdString();
    type(*r, &TSolicitarVacaciones::txtNumeroClick, "1");
    EXPECT_TRUE(Previews(OutDir() + "/solicitud-nulos.pdf", [r] { r->btnImprimir->Press(); }).isEmpty());
    EXPECT_EQ(MsgSeam::Texts(), QStringList{kExcede});
    MsgSeam::Clear();
    type(*r, &TSolicitarVacaciones::txtNumeroClick, "0");
    EXPECT_EQ(Previews(OutDir() + "/solicitud-nulos.pdf", [r] { r->btnImprimir->Press(); }).size(), 1);
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join("|").toStdString();
    delete r;
  }
}

TEST_P(VacationRequest, RequestChecks) {
  struct Case {
    const char* name;
    const char* days;
    const char* day;
    const char* month;
    const char* year;
    QStringList messages;  // empty: the form is printed
    const char* dayAfter = nullptr;
  };
  const QString today = QString::number(QDate::currentDate().day());
  const QString month = QString::number(QDate::currentDate().month());
  const Case cases[] = {
      {"day 32", "2", "32", "05", "2027", {"El día no es válido"}, "today"},
      {"month 13", "2", "05", "13", "2027", {"El mes no es válido"}},
      {"day and month 00", "2", "00", "00", "2027", {}},
      {"day 31 month 12", "2", "31", "12", "2027", {}},
      {"year 2009", "2", "10", "10", "2009", {"Año no valido"}},
      {"no days", "", "10", "10", "2027", {"Debe indicar el número de días a solicitar"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool mail : {false, true}) {
      Session s;
      auto* r = s.open<TSolicitarVacaciones>(true);
      type(*r, &TSolicitarVacaciones::txtNumeroClick, c.days);
      type(*r, &TSolicitarVacaciones::txtdiaClick, c.day);
      type(*r, &TSolicitarVacaciones::txtmesClick, c.month);
      type(*r, &TSolicitarVacaciones::txtyearClick, c.year);
      if (mail) {
        AppData.oAdo->Execute(QStringLiteral("DELETE FROM PortalEmpleadoConfigMail"));
        r->btnEnviar->Press();
        QStringList want = c.messages;
        if (want.isEmpty()) want << "Faltan datos de configuración del mail de envío";
        EXPECT_EQ(MsgSeam::Texts(), want) << "mail";
      } else {
        const QStringList titles = Previews(OutDir() + "/solicitud-fecha.pdf", [r] { r->btnImprimir->Press(); });
        EXPECT_EQ(titles.size(), c.messages.isEmpty() ? 1 : 0);
        EXPECT_EQ(MsgSeam::Texts(), c.messages);
      }
      if (c.dayAfter) {
        EXPECT_EQ(r->txtdia->Value(), today);
      }
      if (QString::fromLatin1(c.month) == u"13") {
        EXPECT_EQ(r->txtmes->Value(), month);
      }
      delete r;
    }
  }
  // Leaving a field checks it as well.
  Session s;
  auto* r = s.open<TSolicitarVacaciones>(true);
  r->txtdia->Value = "45";
  r->txtdiaExit();
  r->txtmes->Value = "00";
  r->txtmesExit();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{"El día no es válido"});
  EXPECT_EQ(r->txtdia->Value(), today);
  delete r;
}

TEST_P(VacationRequest, PrintedFormWithOrWithoutSignatures) {
  struct Case {
    const char* variables;
    const char* plantilla;
  };
  const Case cases[] = {{"SolicitudConFirmas=Si\n", "peSolicitudVacaciones.fr3"},
                        {"SolicitudConFirmas=No\n", "peSolicitudVacacionesSF.fr3"},
                        {"SolicitudConFirmas=si\n", "peSolicitudVacacionesSF.fr3"},
                        {"", "peSolicitudVacacionesSF.fr3"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variables);
    Session s(QStringLiteral("10"), QStringLiteral("1234"), QString::fromLatin1(c.variables));
    auto* r = s.open<TSolicitarVacaciones>(true);
    type(*r, &TSolicitarVacaciones::txtNumeroClick, "3");
    type(*r, &TSolicitarVacaciones::txtdiaClick, "15");
    type(*r, &TSolicitarVacaciones::txtmesClick, "01");
    type(*r, &TSolicitarVacaciones::txtyearClick, "2027");
    const QString pdf = OutDir() + "/solicitud-" + QString::fromLatin1(c.plantilla) + ".pdf";
    StatementJournal::Clear();
    const QStringList titles = Previews(pdf, [r] { r->btnImprimir->Press(); });
    ASSERT_EQ(titles.size(), 1);
    EXPECT_EQ(titles.first(), "Vista previa - " + QString::fromLatin1(c.plantilla).chopped(4));
    EXPECT_EQ(StatementJournal::Statements(), QStringList{" exec peSolicitudVacaciones " + AppData.Empresa + "," + AppData.Codigo});
    const QString text = PdfTools::Text(pdf);
    const double balance = Text::Val(r->saldos->Disponibles());
    EXPECT_TRUE(text.contains(AppData.NombreTrabajador)) << text.toStdString();
    EXPECT_TRUE(text.contains("15/01/2027") || text.contains("15 de enero de 2027")) << text.toStdString();
    EXPECT_TRUE(text.contains(Text::AllTrim(Text::Transform(balance, "999999.9")))) << text.toStdString();
    EXPECT_TRUE(text.contains(Text::AllTrim(Text::Transform(balance - 3, "999999.9")))) << text.toStdString();
    EXPECT_EQ(text.contains("Autoriza jefe inmediato"), QString::fromLatin1(c.plantilla) == u"peSolicitudVacaciones.fr3");
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join("|").toStdString();
    delete r;
  }
}

TEST_P(VacationRequest, MailArrivesWithoutAttachmentsAndLeavesNothingBehind) {
  TestSmtp::SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  for (bool supervisor : {false, true}) {
    SCOPED_TRACE(supervisor);
    Session s(QStringLiteral("10"), QStringLiteral("1234"));
    AppData.oAdo->Execute("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '" + server.portText() + "'");
    const QStringList before = folderOf(s);
    auto* r = s.open<TSolicitarVacaciones>(true);
    type(*r, &TSolicitarVacaciones::txtNumeroClick, "3");
    type(*r, &TSolicitarVacaciones::txtdiaClick, "15");
    type(*r, &TSolicitarVacaciones::txtmesClick, "01");
    type(*r, &TSolicitarVacaciones::txtyearClick, "2027");
    r->chkSupervisor->lChecked = supervisor;
    const int sent = server.messages().size();
    r->btnEnviar->Press();
    EXPECT_EQ(MsgSeam::Texts(), QStringList{"Proceso terminado"});
    const auto messages = server.messages();
    ASSERT_EQ(messages.size(), sent + 1);
    const auto& m = messages.last();
    QStringList to{AppData.email, r->correo.MailRH};
    const QString boss = Text::ToText(AppData.oOperacion->ObtenMaildeSupervisor(AppData.Codigo));
    ASSERT_FALSE(boss.isEmpty());
    ASSERT_FALSE(r->correo.MailRH.isEmpty());
    if (supervisor) to << boss;
    EXPECT_EQ(m.rcptTos, to);
    EXPECT_EQ(m.subject, QStringLiteral("Solicitud de Vacaciones - Portal del Empleado"));
    // The employee number as the session holds it, right-aligned in ten places.
    EXPECT_EQ(m.body.trimmed(), "El trabajador " + AppData.Codigo + " - " + s.menu->lblNombre->cText() +
                                    "\nSolicita 3 día(s) de vacaciones\na partir de la la fecha (dia/mes/año) 15/01/2027\n\n"
                                    "Portal Empleado ZELK");
    EXPECT_TRUE(m.attachments.isEmpty());
    EXPECT_EQ(folderOf(s), before);
    delete r;
  }
}

TEST_P(VacationRequest, MailThatCannotGoLeavesNothingBehind) {
  struct Case {
    const char* name;
    std::function<void()> before;
    QStringList messages;  // "*" first: the mail component's own text
  };
  const Case cases[] = {
      {"no configuration", [] { AppData.oAdo->Execute("DELETE FROM PortalEmpleadoConfigMail"); },
       {"Faltan datos de configuración del mail de envío"}},
      {"no address", [] { AppData.email.clear(); },
       {"Usted no tiene un correo electrónico registrado para el envío. \r Revisar con el departamento de Recursos Humanos."}},
      {"server down",
       [] {
         AppData.oAdo->Execute("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '" +
                               QString::number(TestSmtp::SmtpServer::FreePort()) + "'");
       },
       {"*", "El correo no puede ser enviado por el momento."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Session s(QStringLiteral("10"), QStringLiteral("1234"));
    const QStringList before = folderOf(s);
    auto* r = s.open<TSolicitarVacaciones>(true);
    type(*r, &TSolicitarVacaciones::txtNumeroClick, "2");
    c.before();
    r->btnEnviar->Press();
    QStringList got = MsgSeam::Texts();
    QStringList want = c.messages;
    if (!want.isEmpty() && want.first() == u"*" && !got.isEmpty()) {
      want.removeFirst();
      got.removeFirst();
    }
    EXPECT_EQ(got, want);
    EXPECT_EQ(folderOf(s), before);
    delete r;
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, VacationMenu, BothDbPaths(), DbPathName);

INSTANTIATE_TEST_SUITE_P(Paths, VacationRequest, BothDbPaths(), DbPathName);
