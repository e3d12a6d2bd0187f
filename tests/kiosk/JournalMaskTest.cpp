// The statement journal (and its log file) never holds a scrambled password: the login, the
// administrator check, password changes, the reports screen's company list and the mail
// settings keep the value masked, as connection texts keep theirs.
#include <gtest/gtest.h>

#include <QFile>

#include "KioskSupport.h"
#include "data/Scramble.h"
#include "data/SecretMask.h"
#include "support/TempDir.h"

TEST(JournalMask, PasswordLiteralsAreMaskedAndNothingElse) {
  const std::pair<const char*, const char*> cases[] = {
      {"exec peValidaEntrada 1,'jjm',0,0", "exec peValidaEntrada 1,'***',0,0"},
      {"EXEC dbo.peValidaEntrada 0012,'a''b,c',0,0", "EXEC dbo.peValidaEntrada 0012,'***',0,0"},
      {" Select usuario from usuarios  where usuario='x'' and password=''y' and password='k''l'",
       " Select usuario from usuarios  where usuario='x'' and password=''y' and password='***'"},
      {" exec portalEmpleadoActualizaPassword 'S''3cr',         4,       1",
       " exec portalEmpleadoActualizaPassword '***',         4,       1"},
      {"exec dbo.PortalEmpleado_EmpresasEscritorio          1,'jjm'",
       "exec dbo.PortalEmpleado_EmpresasEscritorio          1,'***'"},
      {" exec PortalEmpleadoConfiguraMail 1,'smtp.x','a@x.mx','25','No','us''er','pw,d','Si','AUTH LOGIN','','','No','Si','rh@x.mx'",
       " exec PortalEmpleadoConfiguraMail 1,'smtp.x','a@x.mx','25','No','us''er','***','Si','AUTH LOGIN','','','No','Si','rh@x.mx'"},
      {"exec peValidaEntrada 1,N'jjm',0,0", "exec peValidaEntrada 1,N'***',0,0"},
      // Statements without a password stay as they were.
      {"exec peGetCompanyInformation        1", "exec peGetCompanyInformation        1"},
      {" exec permisoEmpleadoPerfil        5,        12,'password=''x''','A1'",
       " exec permisoEmpleadoPerfil        5,        12,'password=''x''','A1'"},
      {"exec getConfiguraMailPortalEmpleado 1", "exec getConfiguraMailPortalEmpleado 1"},
  };
  for (const auto& [sent, kept] : cases) EXPECT_EQ(SecretMask::Masked(QString::fromUtf8(sent)), QString::fromUtf8(kept)) << sent;
}

TEST(JournalMask, ALoginLeavesNoPasswordInTheLogFile) {
  ScopedWorkDir logDir;
  const QString log = logDir.file("sentencias.log");
  qputenv("PORTAL_STATEMENT_LOG", log.toUtf8());
  {
    DemoTerminal terminal;
    EXPECT_NE(Kiosk::LogIn(), nullptr);
  }
  qunsetenv("PORTAL_STATEMENT_LOG");
  QFile f(log);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(f.readAll());
  EXPECT_TRUE(text.contains(QStringLiteral("exec peValidaEntrada 1,'***',0,0")));
  EXPECT_FALSE(text.contains(EncriptaPWD(QStringLiteral("Clave2024"))));
}
