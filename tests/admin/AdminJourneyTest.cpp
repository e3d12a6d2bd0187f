// The administrator on the demo database, end to end: mail account, terminal switches, a
// policy an employee then sees, and a new approval flow that a filed request follows.
#include <gtest/gtest.h>

#include "data/Scramble.h"
#include "screens/admin/TAgregaPersonasAsignadas.h"
#include "screens/admin/TEmpleadosDisponibles.h"
#include "screens/admin/TNuevoFlujo.h"
#include "screens/menu/TPrincipal.h"
#include "screens/receipts/TRecibos.h"
#include "admin/AdminSession.h"
#include "toolkit/TIni.h"

class AdminJourney : public OnBothDbPaths {};

TEST_P(AdminJourney, MailAccountSavedForEveryCompanyScrambledAndShownPlain) {
  AdminSession s;
  ASSERT_NE(s.admin, nullptr);
  TAdministrador* a = s.admin;
  EXPECT_EQ(a->cmbEmpresas->Len(), 3);
  EXPECT_EQ(a->empresa, QStringLiteral("1"));
  Render::ToPng(a, AdminSession::ScreensDir() + "/admin-vacaciones.png");
  a->chkTodasLasEmpresas->lChecked = true;  // checked on page 1, shown and governing on page 2
  a->Otros->nOption = 2;
  EXPECT_TRUE(a->chkTodasLasEmpresas->lVisible());
  EXPECT_EQ(a->txtServidor->Value(), QStringLiteral("127.0.0.1"));
  EXPECT_EQ(a->txtDireccion1->Value(), QStringLiteral("portal@norte.demo.local"));
  EXPECT_EQ(a->txtRHMail->Value(), QStringLiteral("rh@norte.demo.local"));

  const QString password = QStringLiteral("O'Brien “ñ€Ü”");
  a->txtServidor->Value = QStringLiteral("smtp.o'demo.local");
  a->txtPuerto->Value = QStringLiteral("587");
  a->chkAutenticacion->lChecked = true;
  a->cmbTipoAut->nIndex = 2;
  a->txtauser->Value = QStringLiteral("portal");
  a->txtPassword->Value = password;
  a->optSSLNo->lChecked = true;
  a->btnGuardarMail->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList(3, QStringLiteral("Datos guardados")));

  const QString scrambled = EncriptaPWD(password);
  EXPECT_NE(scrambled, password);
  const QStringList sent = sentStarting(QStringLiteral(" exec PortalEmpleadoConfiguraMail "));
  ASSERT_EQ(sent.size(), 3);
  EXPECT_EQ(sent[1], QStringLiteral(" exec PortalEmpleadoConfiguraMail 2,'smtp.o''demo.local','portal@norte.demo.local','587',"
                                    "'No','portal','***','Si','AUTH LOGIN','','','No','Si','rh@norte.demo.local'"));  // the journal hides the password
  for (const QString& company : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}) {
    const Rows stored = rowsOf(QStringLiteral("exec getConfiguraMailPortalEmpleado ") + company);
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.row(1).col(6).toString(), scrambled) << company.toStdString();
    EXPECT_EQ(stored.row(1).col(1).toString(), QStringLiteral("smtp.o'demo.local"));
  }
  // Another company shows the same account, the password unscrambled.
  a->txtPassword->Value = QString();
  a->cmbEmpresas->UserSelect(2);
  EXPECT_EQ(a->empresa, QStringLiteral("2"));
  EXPECT_EQ(a->txtPassword->Value(), password);
  EXPECT_EQ(a->cmbTipoAut->cText(), QStringLiteral("AUTH LOGIN"));
  EXPECT_TRUE(a->optSSLNo->lChecked());
  EXPECT_FALSE(a->optSSLSi->lChecked());
  Render::ToPng(a, AdminSession::ScreensDir() + "/admin-correo.png");
}

TEST_P(AdminJourney, TerminalSwitchesReachConfigIniAndTheReceiptsScreen) {
  AdminSession s;
  TAdministrador* a = s.admin;
  a->Otros->nOption = 3;
  EXPECT_TRUE(a->chkXMLPDF->lChecked());
  EXPECT_TRUE(a->chkFondo->lChecked());
  EXPECT_TRUE(a->chkSalirActivado->lChecked());
  a->chkXMLPDF->lChecked = false;
  a->chkFondo->lChecked = false;
  a->chkUltimosRecibos->lChecked = true;
  a->btnGuardarOtros->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("Proceso Terminado")});
  const TIni ini;
  EXPECT_EQ(ini.GetEntry("VARIABLES", "PDF"), QStringLiteral("No"));
  EXPECT_EQ(ini.GetEntry("VARIABLES", "FDA"), QStringLiteral("No"));
  EXPECT_EQ(ini.GetEntry("VARIABLES", "UltimosRecibos"), QStringLiteral("Si"));
  EXPECT_EQ(ini.GetEntry("VARIABLES", "SalirActivado"), QStringLiteral("Si"));
  EXPECT_EQ(ini.GetEntry("VARIABLES", "SolicitudConFirmas"), QStringLiteral("No"));
  EXPECT_EQ(sentStarting(" exec PortalEmpleadoGuardaLogo "),
            QStringList{" exec PortalEmpleadoGuardaLogo 1,'demo/logo_norte.jpg','demo/firma_rh.jpg'"});
  Render::ToPng(a, AdminSession::ScreensDir() + "/admin-otros.png");

  // Out to the login, in as an employee: the receipts screen follows the new switches.
  a->btnSalir->Press();
  DemoTerminal::Settle();
  auto* login = DemoTerminal::Visible<TRegistro>();
  ASSERT_NE(login, nullptr);
  EXPECT_EQ(DemoTerminal::Visible<TAdministrador>(), nullptr);
  login->txtEmpleado->Value = QStringLiteral("1");
  login->txtPassword->Value = QStringLiteral("Clave2024");
  login->btnAceptar->Press();
  DemoTerminal::Settle();
  auto* menu = DemoTerminal::Visible<TPrincipal>();
  ASSERT_NE(menu, nullptr);
  auto* r = TForm::New<TRecibos>(menu, [&](TRecibos& f) {
    f.CNX = menu->CNX;
    f.empresa = menu->empresa;
    f.codigo = AppData.Codigo;
  });
  EXPECT_FALSE(r->btnGenraCFDI->lVisible());
  EXPECT_FALSE(r->btnEnviaMail->lVisible());
  EXPECT_FALSE(r->oAhorro->lVisible());
  delete r;
}

TEST_P(AdminJourney, PolicyAddedIsListedForTheEmployees) {
  AdminSession s;
  TAdministrador* a = s.admin;
  a->Otros->nOption = 4;
  const int before = a->arregloPoliticas->Len();
  a->btnNuevo->Press();
  a->txtNombrePolitica->Value = QStringLiteral("Código de Ética O'Higgins");
  FilePicker::Seam::Answer(s.terminal.file("demo/reglamento_interior.pdf"));
  a->btnBuscaPoliticas->Press();
  EXPECT_EQ(a->txtRutaPolitica->Value(), s.terminal.file("demo/reglamento_interior.pdf"));
  a->btnGuardarPolitcas->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("Proceso terminado")});
  EXPECT_EQ(sentStarting(" exec PortalEmpleadoGuardaPoliticas "),
            QStringList{QStringLiteral(" exec PortalEmpleadoGuardaPoliticas 1,'0','Código de Ética O''Higgins','") +
                        s.terminal.file("demo/reglamento_interior.pdf") + u'\''});
  EXPECT_EQ(a->arregloPoliticas->Len(), before + 1);
  EXPECT_EQ(a->txtIdPolitica->Value(), QStringLiteral("0"));
  // What the employees' policies screen lists for company 1.
  const Rows listed = rowsOf(QStringLiteral(" exec PortalEmpleadoListadoPoliticas        1"));
  EXPECT_TRUE(column(listed, 3).contains(QStringLiteral("Código de Ética O'Higgins")));
  EXPECT_TRUE(column(listed, 4).contains(s.terminal.file("demo/reglamento_interior.pdf")));
  Render::ToPng(a, AdminSession::ScreensDir() + "/admin-politicas.png");
}

TEST_P(AdminJourney, NewFlowWithTwoApproversReorderedAndAnEmployeeWhoseRequestFollowsIt) {
  AdminSession s;
  TAdministrador* a = s.admin;
  a->Otros->nOption = 5;
  ASSERT_EQ(a->cmbTipoSolicitud->cText(), QStringLiteral("VACACIONES"));

  AdminSession::WithModal([&] { a->btnAgregarFlujoNuevo->Press(); }, [](TForm& f) {
    auto* d = qobject_cast<TNuevoFlujo*>(&f);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->txtNombreSolicitud->Value(), QStringLiteral("VACACIONES"));
    d->txtNombreFlujo->Value = QStringLiteral("VACACIONES VENTAS");
    Render::ToPng(d, AdminSession::ScreensDir() + "/admin-nuevo-flujo.png");
    d->btnGuardar->Press();
  });
  EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("Flujo guardado")});
  EXPECT_EQ(a->cmbFlujo->cText(), QStringLiteral("VACACIONES VENTAS"));
  const QString flujo = a->IdFlujo();
  ASSERT_NE(flujo, QStringLiteral("0"));

  const QStringList activos =
      column(rowsOf("select codigo from empleados where empresa=1 and fch_baja is null order by codigo"), 1);
  ASSERT_GE(activos.size(), 12);
  const QString primero = activos[6], segundo = activos[7], empleado = activos[10];
  for (const QString& codigo : {primero, segundo}) {
    AdminSession::WithModal([&] { a->btnMasAutorizan->Press(); }, [&](TForm& f) {
      auto* d = qobject_cast<TEmpleadosDisponibles*>(&f);
      ASSERT_NE(d, nullptr);
      const int at = rowWith(d->arrayEmpleados, 2, codigo);
      ASSERT_GT(at, 0);
      d->arrayEmpleados->nArrayAt = at;
      if (codigo == segundo) Render::ToPng(d, AdminSession::ScreensDir() + "/admin-aprobadores-disponibles.png");
      d->btnGuardar->Press();
    });
  }
  EXPECT_EQ(MsgSeam::Texts(), (QStringList{"Flujo guardado", "Empleado Guardado", "Empleado Guardado"}));
  EXPECT_EQ(column(a->arregloAutorizan->aArrayData(), 3), (QStringList{primero, segundo}));
  EXPECT_EQ(column(a->arregloAutorizan->aArrayData(), 5), (QStringList{"1", "2"}));

  // The second approver goes up: two order changes, and the grid follows.
  StatementJournal::Clear();
  a->arregloAutorizan->nArrayAt = 2;
  a->btnFlujoSubir->Press();
  const QString head = QStringLiteral("exec dbo.PortaEmpleado_SolicitudNuevoOrdenPorRegistro 1,1,");
  EXPECT_EQ(sentStarting(head), (QStringList{head + segundo + ",1," + flujo, head + primero + ",2," + flujo}));
  EXPECT_EQ(column(a->arregloAutorizan->aArrayData(), 3), (QStringList{segundo, primero}));
  EXPECT_EQ(a->arregloAutorizan->nArrayAt(), 1);

  // One employee assigned through the dialog.
  AdminSession::WithModal([&] { a->btnAgregarAsignadas->Press(); }, [&](TForm& f) {
    auto* d = qobject_cast<TAgregaPersonasAsignadas*>(&f);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->lblNombreTabla->cText(), QStringLiteral("Empleados disponibles"));
    d->btnCargar->Press();
    const int at = rowWith(d->arreglo, 2, empleado);
    ASSERT_GT(at, 0);
    d->arreglo->nArrayAt = at;
    d->arregloColumn6DataDblClick();
    Render::ToPng(d, AdminSession::ScreensDir() + "/admin-asignar.png");
    d->btnGuardar->Press();
  });
  EXPECT_EQ(column(a->arregloAsignado->aArrayData(), 2), QStringList{empleado});
  Render::ToPng(a, AdminSession::ScreensDir() + "/admin-flujos.png");

  // The employee files a vacation request: its first step waits for the new first approver.
  const Rows filed = rowsOf(" exec dbo.PortalEmpleado_AgregaSolicitudVPA 1," + empleado + ",'20270301',3");
  ASSERT_EQ(filed.size(), 1);
  ASSERT_EQ(filed.row(1).col(3).toString(), QStringLiteral("S")) << filed.row(1).col(4).toString().toStdString();
  const QString id = Text::AllTrim(Text::ToText(filed.row(1).col(6)));
  EXPECT_TRUE(column(rowsOf(" EXEC dbo.PortaEmpleado_PendientesAutorizar        1," + segundo + ",       1"), 1).contains(id));
  EXPECT_FALSE(column(rowsOf(" EXEC dbo.PortaEmpleado_PendientesAutorizar        1," + primero + ",       1"), 1).contains(id));
}

INSTANTIATE_TEST_SUITE_P(Paths, AdminJourney, BothDbPaths(), DbPathName);
