// The main menu on the demo database: permissions, company data, documents, password
// question, logout; the administrator entry and a database that is down at start.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstring>

#include "support/BuildPaths.h"
#include "data/Scramble.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "screens/admin/TAdministrador.h"
#include "screens/login/TPassword.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "support/DemoTerminal.h"
#include "support/QtPrinters.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"
#include "data/mdlOperacion.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

namespace {

TPrincipal* logIn(const QString& employee, const QString& password) {
  return DemoTerminal::LogIn<TRegistro, TPrincipal>(employee, password);
}

// Runs statements on the terminal's database before anyone logs in.
void prepare(const QString& terminal, const QStringList& statements) {
  auto ds = DemoDatabase::Open(QDir(terminal).filePath(QString::fromLatin1(DemoDatabase::kFile)));
  for (const QString& s : statements) ds->Execute(s);
}

QStringList disabledButtons(TPrincipal* m) {
  QStringList out;
  for (TBtnBmp* b : m->findChildren<TBtnBmp*>())
    if (!b->lEnabled()) out << b->objectName();
  out.sort();
  return out;
}

int queriesFor(const QString& piece) {
  int n = 0;
  for (const QString& s : StatementJournal::Statements()) n += s.contains(piece) ? 1 : 0;
  return n;
}

const QString kProfileOf1 = QStringLiteral("(SELECT perfil FROM empleados WHERE empresa = 1 AND codigo = 1)");

struct PermissionCase {
  const char* name;
  const char* employee;
  const char* password;
  QStringList setup;
  QStringList disabled;
  int hQueries;
};

}  // namespace

class Menu : public OnBothDbPaths {};

TEST_P(Menu, ButtonsFollowTheProfile) {
  const QStringList functions = {"btnAusentismo", "btnDatosNomina", "btnInformacionGeneral", "btnRecibos",
                                 "btnReportes", "btnTiempoExtra", "btnVacaciones"};
  const PermissionCase cases[] = {
      {"every permission", "1", "Clave2024", {}, {}, 1},
      {"no salary figures", "2", "1234", {}, {"btnRecibos"}, 1},
      {"only H2",
       "1",
       "Clave2024",
       {"DELETE FROM PortalPerfilPermisos WHERE perfil = " + kProfileOf1 + " AND NOT (funcion = 'H' AND opcion = 'H2')"},
       functions,
       2},
      {"nothing at all",
       "1",
       "Clave2024",
       {"DELETE FROM PortalPerfilPermisos WHERE perfil = " + kProfileOf1},
       functions + QStringList{"btnAutorizaciones", "btnSolicitudes"},
       3},
      {"salary permission query fails",
       "1",
       "Clave2024",
       {"DROP PROCEDURE dbo.permisoEmpleadoVerSueldo"},
       {"btnRecibos"},
       1},
  };
  for (const auto& c : cases) {
    DemoTerminal terminal;
    prepare(terminal.path(), c.setup);
    TPrincipal* menu = logIn(QString::fromLatin1(c.employee), QString::fromLatin1(c.password));
    ASSERT_NE(menu, nullptr) << c.name;
    QStringList want = c.disabled;
    want.sort();
    EXPECT_EQ(disabledButtons(menu), want) << c.name;
    EXPECT_EQ(queriesFor("'H','H"), c.hQueries) << c.name;
    EXPECT_EQ(queriesFor("'H','H3'") > 0, c.hQueries == 3) << c.name;
  }
}

TEST_P(Menu, CompanyDataLogoAndSupervisorFlags) {
  DemoTerminal terminal;
  TPrincipal* menu = logIn("1", "Clave2024");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->lblEmpresa->cText(), AppData.NombreEmpresa);
  EXPECT_EQ(menu->lblNombre->cText(), AppData.NombreTrabajador);
  EXPECT_FALSE(AppData.RFCEmpresa.isEmpty());
  EXPECT_FALSE(AppData.direccionEmpresa.isEmpty());
  EXPECT_FALSE(AppData.imagenLogo.isEmpty());
  EXPECT_FALSE(AppData.imagenFirma.isEmpty());
  EXPECT_TRUE(AppData.gsEnviaSolicitudCorreo.isValid());
}

struct LabelCase {
  const char* name;
  const char* company;   // nombre_empresa of company 1 (empty: the demo's own)
  const char* surname;   // ap_paterno of employee 1 (empty: the demo's own)
};

TEST_P(Menu, LabelsKeepTheirPlaceAndGrowToTheRightOnly) {
  const LabelCase cases[] = {
      {"the demo's names", "", ""},
      {"a short company name", "ACME", ""},
      {"a 60-character company name", "CORPORATIVO INDUSTRIAL Y COMERCIAL DEL NORTE DE MEXICO SA CV", ""},
      {"a long employee name", "", "DE LA SANTISIMA TRINIDAD Y MONTES DE OCA"},
  };
  struct Stated {
    const char* label;
    QRect bounds;
  };
  const Stated stated[] = {
      {"oLabel1", {752, 648, 159, 14}}, {"lblEmpresa", {424, 12, 140, 21}},
      {"lblCodigo", {120, 100, 62, 25}}, {"lblNombre", {152, 136, 70, 25}},
  };
  TFont::InstallSubstitutes();  // the faces the portal shows, as at start-up
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DemoTerminal terminal;
    QStringList setup;
    if (*c.company) setup << QStringLiteral("UPDATE empresas SET nombre_empresa = '%1' WHERE empresa = 1").arg(c.company);
    if (*c.surname) setup << QStringLiteral("UPDATE empleados SET ap_paterno = '%1' WHERE empresa = 1 AND codigo = 1").arg(c.surname);
    prepare(terminal.path(), setup);
    TPrincipal* menu = logIn("1", "Clave2024");
    ASSERT_NE(menu, nullptr);
    if (*c.company) { ASSERT_EQ(menu->lblEmpresa->cText(), QString::fromLatin1(c.company)); }
    if (*c.surname) { ASSERT_TRUE(menu->lblNombre->cText().contains(QString::fromLatin1(c.surname))); }
    for (const Stated& l : stated) {
      SCOPED_TRACE(l.label);
      auto* label = menu->findChild<TLabel*>(QString::fromLatin1(l.label));
      ASSERT_NE(label, nullptr);
      const QRect got = label->geometry();
      EXPECT_EQ(got.topLeft(), l.bounds.topLeft());
      EXPECT_EQ(got.height(), l.bounds.height());
      EXPECT_GE(got.width(), l.bounds.width());
      // Whole on one line and inside the window.
      if (!label->wordWrap()) { EXPECT_GE(got.width(), label->sizeHint().width()); }
      EXPECT_LE(got.right(), menu->oImage1->width());
    }
    EXPECT_TRUE(menu->oLabel1->lMultiline());
    EXPECT_EQ(menu->oLabel1->geometry(), stated[0].bounds);
    if (*c.company && std::strlen(c.company) == 60) {
      const QString out = BuildPaths::Binary(QStringLiteral("/screens"));
      QDir().mkpath(out);
      EXPECT_TRUE(Render::ToPng(menu, out + "/menu-empresa-60.png"));
    }
  }
}

TEST_P(Menu, MinimizeAndMaximizeBoxesFollowBotonesActivado) {
  const std::pair<const char*, bool> cases[] = {{"BotonesActivado= si \n", true}, {"BotonesActivado=SI\n", true},
                                                {"BotonesActivado=Sí\n", false}, {"", false},
                                                {"BotonesActivado=No\n", false}};
  for (const auto& [variables, on] : cases) {
    DemoTerminal terminal{QStringLiteral("SalirActivado=Si\n") + QString::fromUtf8(variables)};
    TPrincipal* menu = logIn("1", "Clave2024");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->lMinimizeBox(), on) << variables;
    EXPECT_EQ(menu->lMaximizeBox(), on) << variables;
  }
}

TEST_P(Menu, CodeOfConductAndPasswordQuestion) {
  DemoTerminal terminal;
  TPrincipal* menu = logIn("1", "Clave2024");
  ASSERT_NE(menu, nullptr);
  qputenv("PORTAL_DOCUMENT_VIEWER", "sleep 60");
  QFile::remove(terminal.file("Conducta.pdf"));
  menu->btnConducta->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{"No existe el archivo"});
  QFile f(terminal.file("Conducta.pdf"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("%PDF-1.4\n");
  f.close();
  MsgSeam::Clear();
  menu->btnConducta->Press();
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());
  EXPECT_EQ(DocumentOpener::RunningCount(), 1);
  qunsetenv("PORTAL_DOCUMENT_VIEWER");

  // No, the default answer, opens nothing.
  bool opened = false;
  TForm::SetModalHook([&](TForm& form) {
    opened = true;
    form.Close();
  });
  menu->btnCambiaPassword->Press();
  EXPECT_FALSE(opened);
  ASSERT_FALSE(MsgSeam::Taken().isEmpty());
  EXPECT_EQ(MsgSeam::Taken().last().kind, MsgKind::NoYes);
  EXPECT_EQ(MsgSeam::Taken().last().text, QStringLiteral("¿Desea cambiar su password ahora?"));
  TForm::SetModalHook(nullptr);

  // Logout closes the viewer, removes the temporary files and the session's company rows,
  // closes the data source and shows a fresh login window.
  QFile temp(terminal.file("TEMPlistado.pdf"));
  ASSERT_TRUE(temp.open(QIODevice::WriteOnly));
  temp.close();
  const auto source = AppData.oAdo;
  const QString key = AppData.oLlaveTemporal;
  StatementJournal::Clear();
  menu->btnSalir->Press();
  DemoTerminal::Settle();
  EXPECT_EQ(DocumentOpener::RunningCount(), 0);
  EXPECT_FALSE(QFile::exists(terminal.file("TEMPlistado.pdf")));
  ASSERT_FALSE(StatementJournal::Statements().isEmpty());
  EXPECT_EQ(StatementJournal::Statements().first(), " exec PortalPatronBorraEmpresasSeleccionadas " + key);
  EXPECT_FALSE(source->lConnected());
  EXPECT_NE(DemoTerminal::Visible<TRegistro>(), nullptr);
  EXPECT_EQ(DemoTerminal::Visible<TPrincipal>(), nullptr);
}

TEST_P(Menu, AdministratorEntry) {
  {
    DemoTerminal terminal;
    auto* admin = DemoTerminal::LogIn<TRegistro, TAdministrador>("Administrador", "Admin2024");
    EXPECT_NE(admin, nullptr);
    EXPECT_EQ(DemoTerminal::Visible<TRegistro>(), nullptr);
    EXPECT_TRUE(MsgSeam::Taken().isEmpty());
  }
  {
    DemoTerminal terminal;
    DemoTerminal::LogIn<TRegistro, TAdministrador>("administrador", "otra");
    EXPECT_EQ(MsgSeam::Texts(), QStringList{"El usuario o la contraseña del administrador no es correcto"});
    // With no window left the program ends.
    EXPECT_EQ(DemoTerminal::Visible<TRegistro>(), nullptr);
    EXPECT_EQ(DemoTerminal::Visible<TAdministrador>(), nullptr);
  }
}

TEST_P(Menu, DatabaseDownAtStartThenBackForTheNextLoginWindow) {
  DemoTerminal terminal;
  // The database file sits where it cannot be opened.
  TIni ini;
  ini.SetEntry("CONFIG", "BD", "no-existe/portal.db");
  auto* login = TForm::New<TRegistro>();
  login->Show();
  ASSERT_FALSE(MsgSeam::Taken().isEmpty());
  EXPECT_EQ(MsgSeam::Taken().first().kind, MsgKind::Alert);
  MsgSeam::Clear();
  login->txtEmpleado->Value = "1";
  login->txtPassword->Value = "Clave2024";
  login->btnAceptar->Press();
  const QStringList shown = MsgSeam::Texts();
  ASSERT_FALSE(shown.isEmpty());
  EXPECT_EQ(shown.last(), QStringLiteral("Usuario o contraseña Invalida."));
  EXPECT_TRUE(login->isVisible());
  login->Close();
  DemoTerminal::Settle();

  ini.SetEntry("CONFIG", "BD", "portal-demo.db");
  MsgSeam::Clear();
  EXPECT_NE(logIn("1", "Clave2024"), nullptr) << MsgSeam::Texts().join("|").toStdString();
}

struct PasswordCase {
  const char* name;
  const char* nueva;
  const char* confirma;
  const char* message;
  bool closes;
};

TEST_P(Menu, PasswordChangeScreen) {
  const PasswordCase cases[] = {
      {"shorter confirmation", "ABC1", "ABC", "Las contraseñas no coinciden.", false},
      {"empty confirmation", "ABC", "", "Las contraseñas no coinciden.", false},
      {"case counts", "abc", "ABC", "Las contraseñas no coinciden.", false},
      {"trailing blanks ignored", "Nueva1  ", "Nueva1", "Password guardado correctamente", true},
      {"quotes stay in the password", "a'b", "a'b", "Password guardado correctamente", true},
      {"both empty", "", "", "Password guardado correctamente", true},
  };
  for (const auto& c : cases) {
    DemoTerminal terminal;
    TPrincipal* menu = logIn("1", "Clave2024");
    ASSERT_NE(menu, nullptr);
    auto* pwd = TForm::New<TPassword>(menu, [&](TPassword& p) {
      p.CNX = menu->CNX;
      p.empresa = menu->empresa;
      p.codigo = AppData.Codigo;
    });
    pwd->Show();
    pwd->txtPassword->Value = QString::fromUtf8(c.nueva);
    pwd->txtConfirmar->Value = QString::fromUtf8(c.confirma);
    MsgSeam::Clear();
    StatementJournal::Clear();
    pwd->btnGuardar->Press();
    EXPECT_EQ(MsgSeam::Texts(), QStringList{QString::fromUtf8(c.message)}) << c.name;
    EXPECT_EQ(pwd->isVisible(), !c.closes) << c.name;
    if (c.closes) {
      // The stored value logs in afterwards (the empty one brings back the RFC).
      const Rows stored = AppData.oOperacion->peValidaPasswordNulo(AppData.Codigo, AppData.Empresa);
      ASSERT_FALSE(stored.isEmpty());
      EXPECT_EQ(Desencripta(Text::ToText(stored.row(1).col(1))), Text::AllTrim(QString::fromUtf8(c.nueva))) << c.name;
    } else {
      EXPECT_TRUE(StatementJournal::Statements().isEmpty()) << c.name;
      pwd->Close();
    }
  }
}

TEST_P(Menu, PasswordNotSavedIsNotReportedAsSaved) {
  DemoTerminal terminal;
  TPrincipal* menu = logIn("1", "Clave2024");
  ASSERT_NE(menu, nullptr);
  AppData.oAdo->Execute("DROP PROCEDURE dbo.portalEmpleadoActualizaPassword");
  auto* pwd = TForm::New<TPassword>(menu, [&](TPassword& p) { p.empresa = menu->empresa; });
  pwd->Show();
  pwd->txtPassword->Value = "Nueva1";
  pwd->txtConfirmar->Value = "Nueva1";
  MsgSeam::Clear();
  pwd->btnGuardar->Press();
  const auto boxes = MsgSeam::Taken();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_EQ(boxes.first().kind, MsgKind::Alert);  // the data source's own alert
  EXPECT_FALSE(MsgSeam::Texts().contains("Password guardado correctamente"));
  EXPECT_TRUE(pwd->isVisible());
  pwd->Close();
}

INSTANTIATE_TEST_SUITE_P(Paths, Menu, BothDbPaths(), DbPathName);
