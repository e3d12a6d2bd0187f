// Login, password change, menu and logout on the demo database, driven through the
// on-screen keys as an employee would.
#include <gtest/gtest.h>

#include "support/BuildPaths.h"
#include "data/Scramble.h"
#include "data/StatementJournal.h"
#include "screens/login/TPassword.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/shared/KeyTable.h"
#include "screens/shared/OnScreenKeyboard.h"
#include "support/DemoTerminal.h"
#include "support/QtPrinters.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"
#include "update/clsActualizaBD.h"
#include "toolkit/TIni.h"

namespace {

// Presses the keys that type `text` (letters by the current lock, digits, Ñ).
void typeOn(OnScreenKeyboard* keys, const QString& screen, const QString& text) {
  const QList<KeyDef> table = KeyTable(screen);
  for (QChar c : text) {
    const bool upper = c.isUpper();
    if (c.isLetter() && upper != keys->Locked()) keys->Press(upper ? "btnMayusculas" : "btnMinusculas");
    bool pressed = false;
    for (const KeyDef& k : table)
      if ((k.kind == u"letter" || k.kind == u"digit") && k.face.compare(QString(c), Qt::CaseInsensitive) == 0) {
        keys->Press(k.name);
        pressed = true;
        break;
      }
    ASSERT_TRUE(pressed) << "no key for " << QString(c).toStdString();
  }
}

TRegistro* startLogin() {
  auto* login = TForm::New<TRegistro>();
  login->Show();
  return login;
}

// Types employee and password on the login keys and presses accept.
void logIn(TRegistro* login, const QString& employee, const QString& password) {
  login->txtEmpleadoClick();
  typeOn(login->Teclado(), "TRegistro", employee);
  login->txtPasswordClick();
  typeOn(login->Teclado(), "TRegistro", password);
  login->btnAceptar->Press();
  DemoTerminal::Settle();
}

}  // namespace

class LoginJourney : public OnBothDbPaths {};

TEST_P(LoginJourney, FirstTimeEmployeeChangesPasswordLogsOutAndBackIn) {
  DemoTerminal terminal;
  TRegistro* login = startLogin();
  logIn(login, "4", "MOTL900512HJ3");
  auto* menu = DemoTerminal::Visible<TPrincipal>();
  ASSERT_NE(menu, nullptr) << MsgSeam::Texts().join(" | ").toStdString();
  EXPECT_EQ(AppData.Codigo, QStringLiteral("         4"));
  EXPECT_EQ(AppData.Empresa, QStringLiteral("       1"));
  EXPECT_EQ(menu->lblCodigo->cText(), AppData.Codigo);

  // Change the password on the password screen's own keys.
  bool opened = false;
  TForm::SetModalHook([&](TForm& form) {
    auto* pwd = qobject_cast<TPassword*>(&form);
    ASSERT_NE(pwd, nullptr);
    opened = true;
    EXPECT_EQ(pwd->lblCodigo->cText(), AppData.Codigo);
    typeOn(pwd->Teclado(), "TPassword", "Ñu3VA");
    pwd->txtConfirmarClick();
    typeOn(pwd->Teclado(), "TPassword", "Ñu3VA");
    pwd->btnGuardar->Press();
  });
  MsgSeam::QueueAnswer(true);
  menu->btnCambiaPassword->Press();
  ASSERT_TRUE(opened);
  TForm::SetModalHook(nullptr);
  EXPECT_EQ(MsgSeam::Texts().mid(0, 2),
            (QStringList{"¿Desea cambiar su password ahora?", "Password guardado correctamente"}));
  // The journal keeps the new password masked; the login below proves what was stored.
  EXPECT_EQ(StatementJournal::Last(), QStringLiteral(" exec portalEmpleadoActualizaPassword '***',         4,       1"));

  // Logout: a fresh login window, where the RFC no longer opens the portal.
  menu->btnSalir->Press();
  DemoTerminal::Settle();
  TRegistro* again = DemoTerminal::Visible<TRegistro>();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(DemoTerminal::Visible<TPrincipal>(), nullptr);
  MsgSeam::Clear();
  logIn(again, "4", "MOTL900512HJ3");
  EXPECT_EQ(MsgSeam::Texts(), QStringList{"Usuario o contraseña Invalida."});
  again->txtEmpleado->Value = "";
  again->txtPassword->Value = "";
  logIn(again, "4", "Ñu3VA");
  EXPECT_NE(DemoTerminal::Visible<TPrincipal>(), nullptr);
}

TEST_P(LoginJourney, StatementsFromStartUpToTheMenuInOrder) {
  DemoTerminal terminal;
  StatementJournal::Clear();
  TRegistro* login = startLogin();
  const QString key = AppData.oLlaveTemporal;
  ASSERT_EQ(key.size(), 6);
  logIn(login, "1", "Clave2024");
  ASSERT_NE(DemoTerminal::Visible<TPrincipal>(), nullptr);
  const QStringList expected = {
      // The update window: this terminal has no update scripts, so only the register check.
      clsActualizaBD::RegisterCreation(),
      QStringLiteral("exec peValidaEntrada 1,'***',0,0"),  // the scrambled password masked
      QStringLiteral("exec peValidaPasswordNulo @codigo=         1, @empresa=       1"),
      QStringLiteral(" exec PortalPatronInsertaEmpresasSeleccionadas ") + key + QStringLiteral(",       1"),
      QStringLiteral("exec peGetCompanyInformation        1"),
      QStringLiteral(" exec permisoEmpleadoPerfil        1,         1,'A','A1'"),
      QStringLiteral(" exec permisoEmpleadoPerfil        1,         1,'B','B1'"),
      QStringLiteral(" exec permisoEmpleadoVerSueldo        1,         1"),
      QStringLiteral(" exec permisoEmpleadoPerfil        1,         1,'C','C1'"),
      QStringLiteral(" exec permisoEmpleadoPerfil        1,         1,'R','R1'"),
      QStringLiteral(" exec permisoEmpleadoPerfil        1,         1,'E','E1'"),
      QStringLiteral(" exec permisoEmpleadoPerfil        1,         1,'F','F1'"),
      QStringLiteral(" exec permisoEmpleadoPerfil        1,         1,'G','G1'"),
      QStringLiteral(" exec permisoEmpleadoPerfil        1,         1,'H','H1'"),
      QStringLiteral(" SELECT isnull(rutaImagen,''), isnull(rutaFirma,'') FROM PORTALEMPLEADOLOGO  where idempresa=        1"),
      QStringLiteral("PortalEmpleadoInicializaConfiguracionVacaciones        1"),
      QStringLiteral("exec dbo.PortaEmpleado_MarcasAutorizaSup        1,         1"),
  };
  EXPECT_EQ(StatementJournal::Statements(), expected);
  for (const JournalEntry& e : StatementJournal::Entries()) EXPECT_TRUE(e.ok) << e.statement.toStdString();
  EXPECT_FALSE(AppData.imagenLogo.isEmpty());
}

struct AcceptCase {
  const char* name;
  const char* employee;
  const char* password;
  const char* message;  // nullptr: the menu opens
};

TEST_P(LoginJourney, AcceptButtonAnswers) {
  const AcceptCase cases[] = {
      {"empty employee", "", "x", "Debe indicar código del empleado"},
      {"empty password", "1", "",
       " Debe indicar el password del empleado, \r si es la primera vez que entra al sistema digite su RFC."},
      {"upper-case administrator is a number", "ADMINISTRADOR", "x", "El codigo de empleado debe ser numerico"},
      {"letters", "ABC", "x", "El codigo de empleado debe ser numerico"},
      {"zero", "0", "x", "El codigo de empleado debe ser numerico"},
      {"wrong password", "1", "CLAVE2024", "Usuario o contraseña Invalida."},
      {"unknown employee", "999999", "1234", "Usuario o contraseña Invalida."},
      {"former employee", "7", "1234", "Usuario o contraseña Invalida."},
      {"quote in the password", "1", "a'b", "Usuario o contraseña Invalida."},
      {"percent sign in the employee", "1%", "Clave2024", "Usuario o contraseña Invalida."},
      {"quote in the employee", "1'--", "Clave2024", "Usuario o contraseña Invalida."},
      {"leading zeros reach the server as typed", "0012", "1234", nullptr},
      {"RFC with Ñ as the password", "5", "OIÑA900215AB3", nullptr},
  };
  for (const auto& c : cases) {
    DemoTerminal terminal;
    TRegistro* login = startLogin();
    const QString key = AppData.oLlaveTemporal;
    login->txtEmpleado->Value = QString::fromUtf8(c.employee);
    login->txtPassword->Value = QString::fromUtf8(c.password);
    MsgSeam::Clear();
    login->btnAceptar->Press();
    DemoTerminal::Settle();
    if (c.message) {
      EXPECT_EQ(MsgSeam::Texts(), QStringList{QString::fromUtf8(c.message)}) << c.name;
      EXPECT_EQ(DemoTerminal::Visible<TPrincipal>(), nullptr) << c.name;
      EXPECT_TRUE(login->isVisible()) << c.name;
    } else {
      EXPECT_NE(DemoTerminal::Visible<TPrincipal>(), nullptr) << c.name << " " << MsgSeam::Texts().join("|").toStdString();
    }
    // A failed validation draws a new session key (a draw repeats once in 100,000).
    if (QString::fromUtf8(c.message ? c.message : "") == u"Usuario o contraseña Invalida.") {
      EXPECT_EQ(AppData.oLlaveTemporal.size(), 6) << c.name;
      EXPECT_NE(AppData.oLlaveTemporal, key) << c.name;
    }
  }
}

TEST_P(LoginJourney, KeyboardOnTheLoginWindow) {
  DemoTerminal terminal;
  TRegistro* login = startLogin();
  EXPECT_EQ(login->lblEtiquetaMayusculas->cText(), QStringLiteral("Mayúsculas Activadas"));
  for (int i = 0; i < 14; ++i) login->Teclado()->Press("btn1");
  EXPECT_EQ(login->txtEmpleado->Value().size(), 14);
  login->Teclado()->Press("btnMinusculas");
  EXPECT_EQ(login->lblEtiquetaMayusculas->cText(), QString());
  login->txtPasswordClick();
  login->Teclado()->Press("btnQ");
  EXPECT_EQ(login->txtPassword->Value(), QStringLiteral("q"));
  EXPECT_EQ(login->txtEmpleado->Value().size(), 14);
}

struct SalirCase {
  const char* variables;
  bool enabled;
  const char* stored;
};

TEST_P(LoginJourney, ExitButtonFollowsSalirActivado) {
  const SalirCase cases[] = {
      {"", true, "Si"}, {"SalirActivado=Si\n", true, "Si"}, {"SalirActivado=si\n", false, "si"},
      {"SalirActivado=No\n", false, "No"},
  };
  for (const auto& c : cases) {
    DemoTerminal terminal{QString::fromUtf8(c.variables)};
    TRegistro* login = startLogin();
    EXPECT_EQ(login->btnSalir->lEnabled(), c.enabled) << c.variables;
    EXPECT_EQ(TIni().GetEntry("VARIABLES", "SalirActivado"), QString::fromUtf8(c.stored)) << c.variables;
  }
}

TEST_P(LoginJourney, ScreensRenderedForPeople) {
  DemoTerminal terminal;
  TFont::InstallSubstitutes();
  const QString out = BuildPaths::Binary(QStringLiteral("/screens"));
  QDir().mkpath(out);
  TRegistro* login = startLogin();
  login->txtEmpleado->Value = "1";
  login->txtPassword->Value = "Clave2024";
  ASSERT_TRUE(Render::ToPng(login, out + "/login.png"));
  login->btnAceptar->Press();
  DemoTerminal::Settle();
  auto* menu = DemoTerminal::Visible<TPrincipal>();
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(Render::ToPng(menu, out + "/menu.png"));
  auto* pwd = TForm::New<TPassword>(menu, [](TPassword& p) { p.empresa = AppData.Empresa; });
  pwd->txtPassword->Value = "abc";
  ASSERT_TRUE(Render::ToPng(pwd, out + "/password.png"));
  delete pwd;
}

INSTANTIATE_TEST_SUITE_P(Paths, LoginJourney, BothDbPaths(), DbPathName);
