// The request screens at their edges: entry checks, the database's refusal, quotes, a mail
// server that is down at each notice, decisions taken meanwhile on another terminal, empty
// lists, long ids, the last approver, the requesting employee's history and the printed form.
#include <QDate>
#include <QDialog>
#include <functional>

#include "support/BuildPaths.h"
#include "RequestsFixture.h"
#include "reports/ReportModal.h"
#include "reports/ReportPreview.h"
#include "screens/requests/TAutorizaciones.h"
#include "screens/requests/TInformacionEmpleado.h"
#include "screens/requests/TMotivoRechazo.h"
#include "screens/requests/TSolicitarDetalle.h"
#include "screens/requests/TSolicitudes.h"
#include "screens/shared/BalancePanels.h"
#include "screens/shared/TiposSolicitud.h"
#include "screens/time/TVacaciones.h"

using namespace Requests;
using Text::ToText;

namespace {

const QString kRefusal = QStringLiteral("La solicitud ya no está pendiente de esta decisión");

TSolicitarDetalle* entrada(Portal& p, int tipo, const QVariant& maximo) {
  auto* d = TForm::New<TSolicitarDetalle>(p.menu, [&](TSolicitarDetalle& s) {
    s.empresa = p.menu->empresa;
    s.tipoSolicitud = tipo;
    s.DiasMaximosASolicitar = maximo;
  });
  d->Show();
  return d;
}

qlonglong ultima(Portal& p) {
  return static_cast<qlonglong>(
      Text::Val(p.Filas("SELECT max(id) FROM PortalEmpleadoSolicitud WHERE empresa = 1 AND codigo = 5").value(0).col(1)));
}

// Files a vacation request of employee 5 on the other terminal; its id.
qlonglong presentada(Portal& p) {
  const Rows r = p.Filas(" exec dbo.PortalEmpleado_AgregaSolicitudVPA  @empresa=       1,  @codigo=         5, "
                         "@fecha='20300105', @dias=2, @fechaReal='20291201', @causa='PRUEBA', @importe=0, @tipoSol=1");
  return static_cast<qlonglong>(Text::Val(r.value(0).col(6)));
}

QStringList temporales(Portal& p) {
  return QDir(p.terminal.path()).entryList({QStringLiteral("TEMP*")}, QDir::AllEntries | QDir::NoDotAndDotDot);
}

struct EntryCase {
  const char* nombre;
  int tipo;
  QString dias, importe, motivo;
  QVariant maximo;
  QStringList mensajes;
  bool presentada;
};

}  // namespace

TEST(RequestEntry, ChecksComeBeforeFiling) {
  const QString importe = QStringLiteral("Por favor indica el importe");
  const QString dias = QStringLiteral("Por favor indica los días a solicitar");
  const QString motivo = QStringLiteral("Por favor indica el motivo de tu solicitud");
  const EntryCase casos[] = {
      {"loan of 0, before any other check", 3, "0", "0", "", 0, {importe}, false},
      {"loan with letters", 3, "0", "12abc", "x", 0, {importe}, false},
      {"negative loan", 3, "0", "-500", "x", 0, {importe}, false},
      {"loan ignores days and balance", 3, "0", "2,500", "Útiles", 0, {kGuardada}, true},
      {"no days", 1, "0", "0", "x", "10", {dias}, false},
      {"negative days", 1, "-3", "0", "x", "10", {dias}, false},
      {"days with letters", 1, "2d", "0", "x", "10", {dias}, false},
      {"exactly the balance", 1, "5", "0", "Descanso", "5", {kGuardada}, true},
      {"one day above the balance", 1, "6", "0", "x", "5", {"No se pueden solicitar mas días de los permitidos en tu saldo:5"}, false},
      {"balance given as the number 0", 1, "1", "0", "x", 0, {"No se pueden solicitar mas días de los permitidos en tu saldo:0"}, false},
      {"leave is not held to the balance", 2, "30", "0", "Incapacidad", 0, {kGuardada}, true},
      {"reason of blanks", 1, "1", "0", "    ", "10", {motivo}, false},
      {"reason of 2,000 characters", 2, "1", "0", QString(2000, u'x'), 0,
       {"El motivo de tu solicitud no puede pasar de 500 caracteres; tiene 2000."}, false},
  };
  Portal p;
  ASSERT_TRUE(p.started);
  p.Entra(kAna, kAnaClave);
  for (const EntryCase& c : casos) {
    SCOPED_TRACE(c.nombre);
    MsgSeam::Clear();
    StatementJournal::Clear();
    auto* d = entrada(p, c.tipo, c.maximo);
    d->txtDiasSolicitados->Value = c.dias;
    d->txtImporteSolicitado->Value = c.importe;
    d->txtMotivo->Value = c.motivo;
    d->btnGuardar->Press();
    EXPECT_EQ(MsgSeam::Texts(), c.mensajes);
    EXPECT_EQ(Portal::Enviadas("AgregaSolicitudVPA").size(), c.presentada ? 1 : 0);
    // A refused entry keeps the window and what was typed.
    EXPECT_EQ(d->isVisible(), !c.presentada);
    if (!c.presentada) {
      EXPECT_EQ(d->txtMotivo->Value(), Text::RTrim(c.motivo));
    }
    d->Close();
    DemoTerminal::Settle();
  }
  // The amount reached the statement as a plain number.
  const Rows prestamo = p.Filas("SELECT importe FROM PortalEmpleadoSolicitud WHERE codigo = 5 AND tiposol = 3 AND causa = 'Útiles'");
  ASSERT_EQ(prestamo.size(), 1);
  EXPECT_EQ(Text::Val(prestamo.row(1).col(1)), 2500);
}

TEST(RequestEntry, QuotesTheSwitchAndTheDatabasesRefusal) {
  Portal p;
  ASSERT_TRUE(p.started);
  p.Entra(kAna, kAnaClave);

  // A typed quote reaches the statement doubled and the database as typed.
  auto* d = entrada(p, 2, 0);
  d->txtDiasSolicitados->Value = "1";
  d->txtMotivo->Value = "Visita a 'La Paz'";
  d->btnGuardar->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{kGuardada});
  EXPECT_TRUE(Portal::Enviadas("AgregaSolicitudVPA").value(0).contains("@causa='Visita a ''La Paz''', @importe=0"));
  EXPECT_EQ(ToText(p.Filas("SELECT causa FROM PortalEmpleadoSolicitud WHERE id = " + QString::number(ultima(p))).value(0).col(1)),
            "Visita a 'La Paz'");

  // Notices switched off for the company: the database's own message, no mail and no file.
  const auto enviados = p.smtp.messages().size();
  AppData.gsEnviaSolicitudCorreo = QStringLiteral("0");
  MsgSeam::Clear();
  StatementJournal::Clear();
  d = entrada(p, 1, "10");
  d->txtDiasSolicitados->Value = "1";
  d->txtMotivo->Value = "Sin aviso";
  d->btnGuardar->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{"Solicitud guardada con el folio " + QString::number(ultima(p))});
  EXPECT_EQ(p.smtp.messages().size(), enviados);
  EXPECT_TRUE(Portal::Enviadas("SolicitudDatosEnviar").isEmpty());

  // No flow for the type: the database refuses, the window stays with the entries.
  p.otra->Execute("DELETE FROM PortalEmpleadoFlujoEmpleado WHERE empresa = 1 AND codigo = 5 AND TipoSol = 2");
  MsgSeam::Clear();
  d = entrada(p, 2, 0);
  d->txtDiasSolicitados->Value = "2";
  d->txtMotivo->Value = "Mudanza";
  d->btnGuardar->Press();
  EXPECT_EQ(MsgSeam::Texts(),
            QStringList{"No tiene un flujo de autorización asignado para este tipo de solicitud, consulte a Recursos Humanos"});
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->txtDiasSolicitados->Value(), "2");
  EXPECT_EQ(d->txtMotivo->Value(), "Mudanza");
  d->Close();
}

TEST(RequestNotices, MailServerDownAtEachNoticeKeepsTheDecision) {
  Portal p(false);
  p.Entra(kAna, kAnaClave);
  const qlonglong antes = ultima(p);
  auto* d = entrada(p, 1, "10");
  d->txtDiasSolicitados->Value = "1";
  d->txtMotivo->Value = "Sin correo";
  d->btnGuardar->Press();
  // The sender says why, then the screen says the request is saved but not mailed.
  QStringList textos = MsgSeam::Texts();
  ASSERT_EQ(textos.size(), 2) << textos.join('|').toStdString();
  EXPECT_FALSE(textos[0].isEmpty());
  EXPECT_EQ(textos[1], "Solicitud guardada, pero el correo electrónico no pudo ser enviado.");
  const qlonglong id = ultima(p);
  EXPECT_GT(id, antes);

  p.Entra(Aprobador(3));
  auto* a = p.Abre<TAutorizaciones>();
  a->btnBuscar->Press();
  ASSERT_GT(Selecciona(a->arregloDAtos, id), 0);
  a->btnAutorizar->Press();
  textos = MsgSeam::Texts();
  ASSERT_EQ(textos.size(), 2) << textos.join('|').toStdString();
  EXPECT_EQ(textos[1], "Solicitud actualizada, pero no pudo ser enviada por correo, por favor comuniquese con su "
                       "supervisor.\r\rSin enviar");
  EXPECT_EQ(ToText(p.Filas("SELECT estatus FROM PortalEmpleadoSolicitudPaso WHERE orden = 1 AND idsolicitud = " +
                           QString::number(id)).value(0).col(1)), "AUTORIZADA");
  a->Close();

  p.Entra(Aprobador(1));
  a = p.Abre<TAutorizaciones>();
  a->btnBuscar->Press();
  ASSERT_GT(Selecciona(a->arregloDAtos, id), 0);
  TForm::SetModalHook([](TForm& f) {
    auto* m = qobject_cast<TMotivoRechazo*>(&f);
    m->txtMotivoRechazo->Value = QString();  // an empty reason is a valid rejection
    m->btnGuardar->Press();
  });
  a->btnRechazar->Press();
  TForm::SetModalHook(nullptr);
  textos = MsgSeam::Texts();
  ASSERT_EQ(textos.size(), 2) << textos.join('|').toStdString();
  EXPECT_EQ(textos[1], "Rechazo guardado. No se ha podido enviar la notificacion al trabajador");
  EXPECT_EQ(ToText(p.Filas("SELECT estatus FROM PortalEmpleadoSolicitud WHERE id = " + QString::number(id)).value(0).col(1)), "R");
  EXPECT_TRUE(temporales(p).isEmpty()) << temporales(p).join(' ').toStdString();
  a->Close();
}

TEST(RequestDecisions, DecidedOnAnotherTerminalIsReportedNotDecidedTwice) {
  Portal p;
  ASSERT_TRUE(p.started);
  auto refused = [] {
    const auto taken = MsgSeam::Taken();
    return taken.size() == 1 && taken[0].kind == MsgKind::Alert && taken[0].text.contains(kRefusal);
  };

  // Two approvers' terminals: the other one authorized first.
  qlonglong id = presentada(p);
  p.Entra(Aprobador(3));
  auto* a = p.Abre<TAutorizaciones>();
  a->btnBuscar->Press();
  ASSERT_GT(Selecciona(a->arregloDAtos, id), 0);
  p.otra->Execute("EXEC dbo.PortalEmpleado_ModificaEstatus " + QString::number(id) + ",1,'S',''");
  auto enviados = p.smtp.messages().size();
  MsgSeam::Clear();
  a->btnAutorizar->Press();
  EXPECT_TRUE(refused()) << MsgSeam::Texts().join('|').toStdString();
  EXPECT_EQ(p.smtp.messages().size(), enviados);
  EXPECT_EQ(Selecciona(a->arregloDAtos, id), 0);

  // The employee cancelled while the approver typed the rejection: the window stays, the reason kept.
  id = presentada(p);
  a->btnBuscar->Press();
  ASSERT_GT(Selecciona(a->arregloDAtos, id), 0);
  p.otra->Execute("EXEC dbo.PortalEmpleado_ModificaEstatus " + QString::number(id) + " ,1,'N','CANCELADA POR EL USUARIO'");
  MsgSeam::Clear();
  bool abierta = false;
  QString motivo;
  TForm::SetModalHook([&](TForm& f) {
    auto* m = qobject_cast<TMotivoRechazo*>(&f);
    m->txtMotivoRechazo->Value = QStringLiteral("Demasiados días");
    m->btnGuardar->Press();
    abierta = m->isVisible();
    motivo = m->txtMotivoRechazo->Value();
    EXPECT_FALSE(m->guardado);
  });
  a->btnRechazar->Press();
  TForm::SetModalHook(nullptr);
  EXPECT_TRUE(refused()) << MsgSeam::Texts().join('|').toStdString();
  EXPECT_TRUE(abierta);
  EXPECT_EQ(motivo, "Demasiados días");
  EXPECT_EQ(p.smtp.messages().size(), enviados);
  a->Close();

  // The flow completed while the employee looked at it: no "Solicitud cancelada".
  id = presentada(p);
  p.Entra(kAna, kAnaClave);
  auto* s = p.Abre<TSolicitudes>();
  const qsizetype at = s->cmbSolicitudes->aItems().indexOf(QString::number(id) + " - 05/01/2030");
  ASSERT_GE(at, 0) << id << ": " << s->cmbSolicitudes->aItems().join('|').toStdString();
  s->cmbSolicitudes->UserSelect(static_cast<int>(at) + 1);
  p.otra->Execute("EXEC dbo.PortalEmpleado_ModificaEstatus " + QString::number(id) + ",1,'S',''");
  p.otra->Execute("EXEC dbo.PortalEmpleado_ModificaEstatus " + QString::number(id) + ",2,'S',''");
  MsgSeam::Clear();
  s->btnBorrar->Press();
  EXPECT_TRUE(refused()) << MsgSeam::Texts().join('|').toStdString();
  EXPECT_EQ(ToText(p.Filas("SELECT estatus FROM PortalEmpleadoSolicitud WHERE id = " + QString::number(id)).value(0).col(1)), "A");
  s->Close();
}

TEST(RequestDecisions, RejectionReasonsAndTheEmployeesAddress) {
  struct Caso {
    const char* nombre;
    QString motivo;
    bool conCorreo;   // the employee has an address in empleados
    QString mensaje;  // the screen's last message
    bool guardado;
    int mails;        // received by the SMTP server
  };
  const QString enviado = QStringLiteral("Rechazo guardado. Ya se ha enviado la notificacion al trabajador");
  const Caso casos[] = {
      {"500 characters", QString(499, u'x') + u'\'', true, enviado, true, 1},
      {"2,000 characters", QString(2000, u'x'), true, "El motivo de rechazo no puede pasar de 500 caracteres; tiene 2000.", false, 0},
      {"employee without an address", "Sin cobertura", false,
       "Rechazo guardado. No se ha podido enviar la notificacion al trabajador", true, 0},
  };
  Portal p;
  ASSERT_TRUE(p.started);
  p.Entra(Aprobador(3));
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    if (!c.conCorreo) {
      p.otra->Execute("UPDATE empleados SET mail = '' WHERE empresa = 1 AND codigo = 5");
      p.otra->Execute("UPDATE datosemps SET email = '' WHERE empresa = 1 AND codigo = 5");
    }
    const qlonglong id = presentada(p);
    auto* a = p.Abre<TAutorizaciones>();
    a->btnBuscar->Press();
    ASSERT_GT(Selecciona(a->arregloDAtos, id), 0);
    MsgSeam::Clear();
    StatementJournal::Clear();
    const auto enviados = p.smtp.messages().size();
    bool abierta = false;
    TForm::SetModalHook([&](TForm& f) {
      auto* m = qobject_cast<TMotivoRechazo*>(&f);
      m->txtMotivoRechazo->Value = c.motivo;
      m->btnGuardar->Press();
      abierta = m->isVisible();
      EXPECT_EQ(m->guardado, c.guardado);
      EXPECT_EQ(m->txtMotivoRechazo->Value(), c.motivo);
      if (abierta) m->Close();
    });
    a->btnRechazar->Press();
    TForm::SetModalHook(nullptr);
    ASSERT_FALSE(MsgSeam::Texts().isEmpty());
    EXPECT_EQ(MsgSeam::Texts().last(), c.mensaje) << MsgSeam::Texts().join('|').toStdString();
    EXPECT_EQ(abierta, !c.guardado);
    EXPECT_EQ(Portal::Enviadas("ModificaEstatus").size(), c.guardado ? 1 : 0);
    EXPECT_EQ(p.smtp.messages().size() - enviados, c.mails);
    const Rows paso = p.Filas("SELECT estatus, comentario FROM PortalEmpleadoSolicitudPaso WHERE orden = 1 AND idsolicitud = " +
                              QString::number(id));
    EXPECT_EQ(ToText(paso.value(0).col(1)), c.guardado ? "RECHAZADA" : "PENDIENTE");
    EXPECT_EQ(ToText(paso.value(0).col(2)), c.guardado ? c.motivo : QString());
    a->Close();
  }
}

// Approver and employee in different companies (demo flow 9: employee 200005 of company 3
// goes first to employee 2 of company 1): the notices go with the mail settings of the
// approver's company; the employee's own company only finds the employee's address.
TEST(RequestDecisions, AcrossCompaniesTheApproversMailSettingsAndTheEmployeesAddress) {
  struct Caso {
    const char* nombre;
    bool autoriza;
    QString mensaje;
  };
  const Caso casos[] = {
      {"authorized: the next approver is told", true, QStringLiteral("Solicitud actualizada correctamente")},
      {"rejected: the employee is told", false, QStringLiteral("Rechazo guardado. Ya se ha enviado la notificacion al trabajador")},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Portal p;
    ASSERT_TRUE(p.started);
    const qlonglong id = static_cast<qlonglong>(
        Text::Val(p.Filas("SELECT id FROM PortalEmpleadoSolicitud WHERE empresa = 3 AND codigo = 200005 AND estatus = 'P'").value(0).col(1)));
    ASSERT_GT(id, 0);
    const QString empleado = Text::AllTrim(ToText(p.Filas("EXEC dbo.PortalEmpleado_ServidorCorreo 3,200005").value(0).col(1)));
    const QString siguiente = Text::AllTrim(ToText(p.Filas("EXEC dbo.PortalEmpleado_ServidorCorreo 3,200001").value(0).col(1)));
    const QString mailEmpleado = Text::AllTrim(ToText(p.Filas("select mail from empleados where empresa= 3 and codigo=200005").value(0).col(1)));
    ASSERT_FALSE(empleado.isEmpty());
    ASSERT_FALSE(siguiente.isEmpty());
    ASSERT_FALSE(mailEmpleado.isEmpty());
    // Company 3's own settings would show in the sender and leave out the company-1 copy.
    p.otra->Execute("UPDATE PortalEmpleadoConfigMail SET cuenta = 'portal@consultores.demo.local', mail_rh = 'rh@consultores.demo.local' WHERE empresa = 3");

    p.Entra(Aprobador(2));
    ASSERT_EQ(AppData.Empresa.trimmed(), QStringLiteral("1"));
    auto* a = p.Abre<TAutorizaciones>();
    a->btnBuscar->Press();
    ASSERT_GT(Selecciona(a->arregloDAtos, id), 0);
    EXPECT_EQ(Text::AllTrim(ToText(a->arregloDAtos->CurrentRow().col(9))), QStringLiteral("3"));
    MsgSeam::Clear();
    const auto antes = p.smtp.messages().size();
    if (c.autoriza) {
      a->btnAutorizar->Press();
    } else {
      TForm::SetModalHook([](TForm& f) {
        auto* m = qobject_cast<TMotivoRechazo*>(&f);
        ASSERT_NE(m, nullptr);
        m->txtMotivoRechazo->Value = QStringLiteral("Cierre de trimestre");
        m->btnGuardar->Press();
      });
      a->btnRechazar->Press();
      TForm::SetModalHook(nullptr);
    }
    EXPECT_EQ(MsgSeam::Texts(), QStringList{c.mensaje});
    const auto mensajes = p.smtp.messages();
    ASSERT_EQ(mensajes.size(), antes + 1);
    const auto& m = mensajes.last();
    EXPECT_EQ(m.mailFrom, QStringLiteral("portal@norte.demo.local"));
    if (c.autoriza) {
      EXPECT_EQ(m.rcptTos, (QStringList{empleado, siguiente}));
      EXPECT_EQ(m.attachments.size(), 1);
    } else {
      EXPECT_EQ(m.rcptTos, (QStringList{mailEmpleado, kRh}));
      EXPECT_TRUE(m.attachments.isEmpty());
    }
    // The decision is on the step of the approver of the other company.
    const Rows paso = p.Filas("SELECT estatus FROM PortalEmpleadoSolicitudPaso WHERE orden = 1 AND idsolicitud = " + QString::number(id));
    EXPECT_EQ(ToText(paso.value(0).col(1)), c.autoriza ? "AUTORIZADA" : "RECHAZADA");
    a->Close();
  }
}

// The three grids an employee and an approver read, pinned to their layout: caption, and
// per column the header, the width and whether it is hidden.
TEST(RequestScreens, HistoryRequestAndAuthorizationGridsKeepTheirLayout) {
  struct Col {
    const char* header;
    int width;
    bool hidden;
  };
  struct Grid {
    const char* caption;
    std::function<TArrayBrowse*(Portal&)> open;
    QList<Col> columns;
  };
  const Grid grids[] = {
      {"Vacaciones",
       [](Portal& p) {
         auto* v = p.Abre<TVacaciones>();
         v->Show();
         return v->arrayVacaciones;
       },
       {{"Column10", 88, true}, {"Column11", 88, true}, {"Fecha Disfrute", 124, false}, {"Días a Tabulados", 141, false},
        {"Días Disfrutados", 134, false}, {"Dias Ant.", 88, false}, {"Prima Vac %", 106, false}, {"Prima Vac $", 114, false},
        {"Prima Vac Dias", 109, false}, {"Descansos", 105, false}, {"Festivos", 88, false}}},
      {"Solicitudes",
       [](Portal& p) {
         auto* s = p.Abre<TSolicitudes>();
         s->Show();
         return s->arregloProgreso;
       },
       {{"Estatus", 98, false}, {"Comentario", 453, false}, {"", 57, true}, {"", 57, true}}},
      {"Autorizaciones de Solicitudes",
       [](Portal& p) {
         auto* a = p.Abre<TAutorizaciones>();
         a->Show();
         a->btnBuscar->Press();  // vacations: days shown, amount hidden
         return a->arregloDAtos;
       },
       {{"idSolicitud", 57, false}, {"Empleado", 80, false}, {"Nombre", 150, false}, {"Fecha Solicitud", 90, false},
        {"Días", 60, false}, {"Importe", 63, true}, {"Motivo", 150, false}, {"Orden", 40, false}, {"Empresa", 57, true},
        {"saldo", 63, true}}},
  };
  Portal p(false);
  p.Entra(Aprobador(1));
  for (const Grid& g : grids) {
    SCOPED_TRACE(g.caption);
    TArrayBrowse* grid = g.open(p);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(static_cast<TForm*>(grid->window())->cText(), QString::fromUtf8(g.caption));
    ASSERT_EQ(grid->ColCount(), g.columns.size());
    for (int i = 0; i < g.columns.size(); ++i) {
      SCOPED_TRACE(i + 1);
      const Col& c = g.columns[i];
      if (*c.header) { EXPECT_EQ(grid->Column(i + 1)->cHeader(), QString::fromUtf8(c.header)); }
      EXPECT_EQ(grid->Column(i + 1)->nWidth(), c.width);
      EXPECT_EQ(grid->Column(i + 1)->lHide(), c.hidden);
    }
    grid->window()->close();
    DemoTerminal::Settle();
  }
}

TEST(RequestScreens, TypesByProfileAndTheBalanceLayout) {
  struct Caso {
    const char* nombre;
    QStringList opciones;  // the profile's H options
    int capa;              // the company's balance layout
    QStringList tipos;     // offered on the screen
    int tipoListado;       // the type the open list is asked with
    bool importe;          // the amount shows instead of the days
  };
  const Caso casos[] = {
      {"H1 and H2: only the first", {"H1", "H2"}, 2, {"VACACIONES"}, 1, false},
      {"H2 and H3", {"H2", "H3"}, 1, {"PERMISOS"}, 2, false},
      {"H3 only", {"H3"}, 3, {"PRESTAMOS"}, 3, true},
      {"none, opened anyway", {}, 0, {}, 0, true},
  };
  Portal p;
  p.otra->Execute("INSERT INTO PortalPerfiles (perfil, nombre, ver_sueldo) VALUES (90, 'PRUEBA', 'S')");
  p.otra->Execute("UPDATE empleados SET perfil = 90 WHERE empresa = 1 AND codigo = 5");
  p.Entra(kAna, kAnaClave);
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    p.otra->Execute("DELETE FROM PortalPerfilPermisos WHERE perfil = 90");
    for (const QString& o : c.opciones)
      p.otra->Execute("INSERT INTO PortalPerfilPermisos (perfil, funcion, opcion) VALUES (90, 'H', '" + o + "')");
    p.otra->Execute("exec dbo.PortalEmpleadoGuardaConfiguracionVacaciones 1," + QString::number(c.capa));
    StatementJournal::Clear();
    auto* s = p.Abre<TSolicitudes>();
    EXPECT_EQ(s->cmbTipoSolicitud->aItems(), c.tipos);
    EXPECT_EQ(Portal::Enviadas("ListadoSolicitudes"),
              QStringList{" EXEC dbo.PortaEmpleado_ListadoSolicitudes " + AppData.Empresa + "," + AppData.Codigo + "," +
                          QString::number(c.tipoListado)});
    EXPECT_EQ(s->txtImporte->lVisible(), c.importe);
    EXPECT_EQ(s->txtDiasSolicitados->lVisible(), !c.importe);
    EXPECT_EQ(s->saldos->Opcion1->lVisible(), c.capa == 1);
    EXPECT_EQ(s->saldos->Opcion2->lVisible(), c.capa == 2);
    EXPECT_EQ(s->saldos->Opcion3->lVisible(), c.capa == 3);
    // A new request opens with the type and the shown balance as its limit; none shown is 0.
    int tipo = -1;
    QString maximo;
    TForm::SetModalHook([&](TForm& f) {
      auto* d = qobject_cast<TSolicitarDetalle*>(&f);
      ASSERT_NE(d, nullptr);
      tipo = d->tipoSolicitud;
      maximo = ToText(d->DiasMaximosASolicitar);
      d->Close();
    });
    s->btnNueva->Press();
    TForm::SetModalHook(nullptr);
    EXPECT_EQ(tipo, c.tipoListado);
    if (c.capa == 0) EXPECT_EQ(maximo, "0");
    else EXPECT_GT(Text::Val(maximo), 0) << maximo.toStdString();
    s->Close();
  }
}

TEST(RequestScreens, NothingSelectedDoesNothing) {
  Portal p;
  p.Entra(Aprobador(3));
  auto* a = p.Abre<TAutorizaciones>();
  EXPECT_EQ(a->cmbTipoSolicitud->aItems(), (QStringList{"VACACIONES", "PERMISOS", "PRESTAMOS"}));
  EXPECT_EQ(a->cmbTipoSolicitud->cText(), "VACACIONES");
  EXPECT_EQ(a->arregloDAtos->Len(), 0);  // until "Buscar"
  bool abrio = false;
  TForm::SetModalHook([&](TForm&) { abrio = true; });
  a->btnAutorizar->Press();
  a->btnRechazar->Press();
  a->btnDatos->Press();
  TForm::SetModalHook(nullptr);
  EXPECT_FALSE(abrio);
  EXPECT_TRUE(StatementJournal::Statements().isEmpty());
  EXPECT_EQ(MsgSeam::Texts(), QStringList{"No existen registros para consultar"});
  a->Close();

  p.Entra(kAna, kAnaClave);
  auto* s = p.Abre<TSolicitudes>();
  ASSERT_GT(s->cmbSolicitudes->Len(), 0);
  EXPECT_EQ(s->cmbSolicitudes->nIndex(), 0);
  StatementJournal::Clear();
  MsgSeam::Clear();
  bool previsto = false;
  ReportModal::SetHookForTests([&](QDialog&) {
    previsto = true;
    return 0;
  });
  s->btnBorrar->Press();
  s->btnImprimir->Press();
  ReportModal::SetHookForTests({});
  EXPECT_FALSE(previsto);
  EXPECT_TRUE(StatementJournal::Statements().isEmpty());
  EXPECT_TRUE(MsgSeam::Texts().isEmpty());
  s->Close();
}

TEST(RequestScreens, LastApproverClosesTheFlowWithoutMail) {
  Portal p;
  ASSERT_TRUE(p.started);
  // Employee 11's vacation request waits for its second and last approver, employee 1.
  const Rows pendiente = p.Filas("SELECT s.id FROM PortalEmpleadoSolicitud s JOIN PortalEmpleadoSolicitudPaso x ON x.idsolicitud = s.id "
                                 "WHERE s.codigo = 11 AND s.estatus = 'P' AND x.orden = 2 AND x.estatus = 'PENDIENTE'");
  ASSERT_EQ(pendiente.size(), 1);
  const qlonglong id = static_cast<qlonglong>(Text::Val(pendiente.row(1).col(1)));
  p.Entra(Aprobador(1));
  auto* a = p.Abre<TAutorizaciones>();
  a->btnBuscar->Press();
  ASSERT_GT(Selecciona(a->arregloDAtos, id), 0);
  a->btnAutorizar->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{"Solicitud actualizada correctamente"});
  EXPECT_EQ(Portal::Enviadas("SolicitudDatosEnviar"), QStringList{"EXEC dbo.PortaEmpleado_SolicitudDatosEnviar " + QString::number(id) + ",2"});
  EXPECT_TRUE(Portal::Enviadas("peSolicitudVacaciones").isEmpty());
  EXPECT_TRUE(p.smtp.messages().isEmpty());
  EXPECT_EQ(ToText(p.Filas("SELECT estatus FROM PortalEmpleadoSolicitud WHERE id = " + QString::number(id)).value(0).col(1)), "A");
  a->Close();
}

TEST(RequestScreens, LongIdsAreShownWhole) {
  Portal p;
  ASSERT_TRUE(p.started);
  const qlonglong viejo = presentada(p);
  const qlonglong largo = 1234567890;
  p.otra->Execute(QStringLiteral("UPDATE PortalEmpleadoSolicitudPaso SET idsolicitud = %1 WHERE idsolicitud = %2").arg(largo).arg(viejo));
  p.otra->Execute(QStringLiteral("UPDATE PortalEmpleadoSolicitud SET id = %1 WHERE id = %2").arg(largo).arg(viejo));

  p.Entra(kAna, kAnaClave);
  auto* s = p.Abre<TSolicitudes>();
  EXPECT_TRUE(s->cmbSolicitudes->aItems().contains("1234567890 - 05/01/2030")) << s->cmbSolicitudes->aItems().join('|').toStdString();
  s->Close();

  p.Entra(Aprobador(3));
  auto* a = p.Abre<TAutorizaciones>();
  a->btnBuscar->Press();
  ASSERT_GT(Selecciona(a->arregloDAtos, largo), 0);
  EXPECT_EQ(ToText(a->arregloDAtos->CurrentRow().col(1)), "1234567890");
  a->btnAutorizar->Press();
  EXPECT_EQ(Portal::Enviadas("ModificaEstatus"), QStringList{"EXEC dbo.PortalEmpleado_ModificaEstatus 1234567890,1,'S',''"});
  EXPECT_EQ(MsgSeam::Texts(), QStringList{"Solicitud actualizada correctamente"});
  a->Close();
}

TEST(RequestScreens, RequestingEmployeesHistory) {
  Portal p;
  const qlonglong id = presentada(p);
  p.Entra(Aprobador(3));
  auto* a = p.Abre<TAutorizaciones>();
  a->btnBuscar->Press();
  ASSERT_GT(Selecciona(a->arregloDAtos, id), 0);
  bool visto = false;
  TForm::SetModalHook([&](TForm& f) {
    auto* i = qobject_cast<TInformacionEmpleado*>(&f);
    ASSERT_NE(i, nullptr);
    visto = true;
    EXPECT_EQ(i->EmpresaEmpleado, "1");
    QStringList years;
    for (const Row& r : p.Filas("EXEC dbo.PortalEmpleado_Ayos 1," + i->codigoEmpleado)) years << Text::AllTrim(ToText(r.col(1)));
    ASSERT_FALSE(years.isEmpty());
    EXPECT_EQ(i->cmbEjercicio->aItems(), years);
    auto listado = [&](int kind) {
      return p.Filas("EXEC dbo.PortalEmpleado_Listados  @empresa = 1 ,@codigo = " + i->codigoEmpleado +
                     " ,@afiliacion='' ,@fechaInicial=''  ,@fechaFinal=' ' ,@listado= " + QString::number(kind) +
                     " ,@todas='S' ,@Ayo=" + i->cmbEjercicio->cText() + " ,@nomina=''");
    };
    const Rows vacaciones = listado(1);
    ASSERT_EQ(i->arreglo->Len(), vacaciones.size());
    if (!vacaciones.isEmpty()) {
      const Row& v = vacaciones.row(1);
      EXPECT_EQ(i->arreglo->aAllData().row(1), Row(v.col(1), v.col(11), Text::Val(v.col(3)) + Text::Val(v.col(4)),
                                                     QStringLiteral("VACACIONES DISFRUTADAS")));
    }
    Portal::Mira(i, QStringLiteral("informacion-empleado"));
    i->cmbTipo->UserSelect(2);
    const Rows ausencias = listado(2);
    EXPECT_EQ(i->arreglo->Len(), ausencias.size());
    if (!ausencias.isEmpty()) {
      EXPECT_EQ(i->arreglo->aAllData().row(1), Row(ausencias.row(1).col(7), ausencias.row(1).col(8), ausencias.row(1).col(3),
                                                     ausencias.row(1).col(2)));
    }
    i->Close();
  });
  a->btnDatos->Press();
  TForm::SetModalHook(nullptr);
  EXPECT_TRUE(visto);
  a->Close();

  // An employee without years: empty year list and grid.
  auto* sinAnios = TForm::New<TInformacionEmpleado>(p.menu, [](TInformacionEmpleado& i) {
    i.EmpresaEmpleado = QStringLiteral("1");
    i.codigoEmpleado = QStringLiteral("99999");
  });
  EXPECT_EQ(sinAnios->cmbEjercicio->Len(), 0);
  EXPECT_EQ(sinAnios->arreglo->Len(), 0);
  delete sinAnios;
}

TEST(RequestScreens, PrintsTheSelectedRequestsForm) {
  Portal p;
  p.Entra(kAna, kAnaClave);
  auto* s = p.Abre<TSolicitudes>();
  ASSERT_GT(s->cmbSolicitudes->Len(), 0);
  s->cmbSolicitudes->UserSelect(1);
  StatementJournal::Clear();
  const QString pdf = BuildPaths::Binary(QStringLiteral("/screens/solicitud-forma.pdf"));
  QDir().mkpath(BuildPaths::Binary(QStringLiteral("/screens")));
  QFile::remove(pdf);
  int paginas = 0;
  ReportModal::SetHookForTests([&](QDialog& dialog) {
    if (auto* preview = dynamic_cast<ReportPreview*>(&dialog)) {
      paginas = preview->PageCount();
      preview->SaveAs(pdf);
    }
    return 0;
  });
  s->btnImprimir->Press();
  ReportModal::SetHookForTests({});
  EXPECT_EQ(paginas, 1);
  EXPECT_EQ(Portal::Enviadas("peSolicitudVacaciones"),
            QStringList{" exec peSolicitudVacaciones " + s->empresa + "," + AppData.Codigo});
  EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join('|').toStdString();
  // The form shows the selected request as the screen shows it.
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString forma = PdfText(f.readAll());
  const QString inicio = s->cmbSolicitudes->cText().section(u'-', 1).trimmed();
  for (const QString& parte : {QStringLiteral("Solicitud de Vacaciones"), kAnaNombre, inicio, s->txtMotivo->Value()})
    EXPECT_TRUE(forma.contains(parte)) << parte.toStdString() << "\n" << forma.toStdString();
  s->Close();
}
