// Loading a company's mail configuration from the embedded database, and sending with it.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "support/SmtpServer.h"
#include "support/TempDir.h"

#include "app/AppData.h"
#include "data/Scramble.h"
#include "data/SqliteEngine.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "mail/TEnviaMail.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TextUtil.h"

using TestSmtp::Security;
using TestSmtp::SmtpServer;

namespace {

// The mail password as typed in the administrator screen: quotes and a Ñ.
const QString kPassword = QStringLiteral("Contra'seña \"Ñ\" 9");

// A payroll database with the mail configuration table and its procedure, in the order of
// the columns the portal reads.
class ConfiguracionMail : public ::testing::Test {
 protected:
  void SetUp() override {
    MsgSeam::Clear();
    dataSource = std::make_shared<TDataSource>();
    dataSource->UseEngine(std::make_unique<SqliteEngine>(QStringLiteral("nomina.db")));
    dataSource->SetConnected(true);
    ASSERT_TRUE(dataSource->lConnected());
    ASSERT_TRUE(dataSource->Execute(QStringLiteral(
        "create table ConfiguraMail (empresa int, servidor varchar(100), cuenta varchar(100), puerto int, "
        "concopia varchar(2), usuario varchar(100), pwd varchar(100), autentica varchar(2), tipo varchar(60), "
        "nombre varchar(60), puesto varchar(60), usassl varchar(2), usatls varchar(2), mailrh varchar(100), "
        "firma varchar(10), id int)")));
    ASSERT_TRUE(dataSource->Execute(QStringLiteral(
        "CREATE PROCEDURE getConfiguraMailPortalEmpleado @empresa int AS "
        "select servidor, cuenta, puerto, concopia, usuario, pwd, autentica, tipo, nombre, puesto, usassl, usatls, "
        "mailrh, firma, id from ConfiguraMail where empresa = @empresa;")));
    AppData.oAdo = dataSource;
    StatementJournal::Clear();
  }
  void TearDown() override { AppData.oAdo.reset(); }

  // One company's row, the password scrambled as the administrator screen stores it.
  void addCompany(int empresa, const QString& server, int port, const QString& rh, const QString& user = u"portal"_qs,
                  const QString& method = u"AUTH LOGIN"_qs, const QString& ssl = u"No"_qs, const QString& tls = u"Si"_qs) {
    ASSERT_TRUE(dataSource->Execute(
        QStringLiteral("insert into ConfiguraMail values (%1, %2, 'portal@empresa.mx', %3, 'No', %4, %5, 'Si', %6, "
                       "'', '', %7, %8, %9, '', %10)")
            .arg(empresa)
            .arg(Text::Quoted(server))
            .arg(port)
            .arg(Text::Quoted(user), Text::Quoted(EncriptaPWD(kPassword)), Text::Quoted(method), Text::Quoted(ssl),
                 Text::Quoted(tls), rh.isNull() ? u"NULL"_qs : Text::Quoted(rh))
            .arg(empresa * 10)));
    StatementJournal::Clear();
  }

  ScopedWorkDir dir;
  std::shared_ptr<TDataSource> dataSource;
};

}  // namespace

TEST_F(ConfiguracionMail, FillsTheThirteenColumnsWithThePasswordInClear) {
  addCompany(1, u"smtp.empresa.mx"_qs, 587, u"rh@empresa.mx"_qs);
  TEnviaMail mail;
  ASSERT_TRUE(mail.CargaConfiguracionMail(1));
  EXPECT_EQ(StatementJournal::Statements(), QStringList{u"exec getConfiguraMailPortalEmpleado 1"_qs});
  EXPECT_EQ(mail.ServidorMail, QStringLiteral("smtp.empresa.mx"));
  EXPECT_EQ(mail.Mail, QStringLiteral("portal@empresa.mx"));
  EXPECT_EQ(mail.Puerto, QStringLiteral("587"));  // a number column becomes text
  EXPECT_EQ(mail.ConCopiaPara, QStringLiteral("No"));
  EXPECT_EQ(mail.mail_user, QStringLiteral("portal"));
  EXPECT_EQ(mail.mail_pwd, kPassword);
  EXPECT_EQ(mail.autenticacion, QStringLiteral("Si"));
  EXPECT_EQ(mail.tipoAutenticacion, QStringLiteral("AUTH LOGIN"));
  EXPECT_EQ(mail.NombreMail, QString());
  EXPECT_EQ(mail.PuestoMail, QString());
  EXPECT_EQ(mail.SSL, QStringLiteral("No"));
  EXPECT_EQ(mail.TSL, QStringLiteral("Si"));
  EXPECT_EQ(mail.MailRecepcionRH, QStringLiteral("rh@empresa.mx"));
  EXPECT_TRUE(mail.ValidaDatosServidor());
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());
}

TEST_F(ConfiguracionMail, TheCompanyReachesTheStatementAsTheScreenHoldsIt) {
  addCompany(7, u"smtp.empresa.mx"_qs, 25, QString());
  const struct {
    QVariant empresa;
    QString statement;
  } cases[] = {
      {7, u"exec getConfiguraMailPortalEmpleado 7"_qs},
      {u"       7"_qs, u"exec getConfiguraMailPortalEmpleado        7"_qs},                  // AppData.Empresa
      {Text::Transform(7, u"9999999999"_qs), u"exec getConfiguraMailPortalEmpleado          7"_qs},
      {7.0, u"exec getConfiguraMailPortalEmpleado 7"_qs},
  };
  for (const auto& c : cases) {
    StatementJournal::Clear();
    TEnviaMail mail;
    ASSERT_TRUE(mail.CargaConfiguracionMail(c.empresa));
    EXPECT_EQ(StatementJournal::Last(), c.statement);
    EXPECT_EQ(mail.Puerto, QStringLiteral("25")) << c.statement.toStdString();
    EXPECT_EQ(mail.MailRecepcionRH, QString());  // NULL column: empty text
  }
}

TEST_F(ConfiguracionMail, CompanyWithoutConfigurationNeverConnects) {
  SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  addCompany(1, u"127.0.0.1"_qs, server.port(), QString());
  TEnviaMail mail;
  ASSERT_TRUE(mail.CargaConfiguracionMail(1));
  ASSERT_TRUE(mail.CargaConfiguracionMail(2));  // the first company's values do not linger
  for (const QString* field : {&mail.ServidorMail, &mail.Mail, &mail.ConCopiaPara, &mail.mail_user, &mail.mail_pwd,
                               &mail.autenticacion, &mail.tipoAutenticacion, &mail.SSL, &mail.TSL, &mail.MailRecepcionRH})
    EXPECT_TRUE(field->isEmpty());
  EXPECT_EQ(mail.Puerto, QStringLiteral("0"));
  EXPECT_FALSE(mail.ValidaDatosServidor());

  // Even a caller that sends anyway reaches no server with port "0".
  mail.correoDeEmpleado = QStringLiteral("ana@empresa.mx");
  EXPECT_FALSE(mail.EnviaMail());
  EXPECT_EQ(server.connections(), 0);
}

TEST_F(ConfiguracionMail, ErrorsWhileLoading) {
  addCompany(1, u"smtp.empresa.mx"_qs, 587, QString());
  TEnviaMail mail;
  ASSERT_TRUE(mail.CargaConfiguracionMail(1));

  // Without a session data source nothing is loaded: false, values kept.
  AppData.oAdo.reset();
  EXPECT_FALSE(mail.CargaConfiguracionMail(2));
  EXPECT_EQ(mail.ServidorMail, QStringLiteral("smtp.empresa.mx"));
  EXPECT_EQ(mail.Puerto, QStringLiteral("587"));
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());

  // A failing procedure is the data source's alert and an empty result.
  AppData.oAdo = dataSource;
  ASSERT_TRUE(dataSource->Execute(QStringLiteral("drop table ConfiguraMail")));
  MsgSeam::Clear();
  EXPECT_TRUE(mail.CargaConfiguracionMail(1));
  EXPECT_EQ(mail.Puerto, QStringLiteral("0"));
  const auto shown = MsgSeam::Taken();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(shown[0].kind, MsgKind::Alert);
}

TEST_F(ConfiguracionMail, StoredPasswordWithQuotesAndEnyeLogsIn) {
  SmtpServer server({Security::StartTls, u"portal"_qs, kPassword, true, {}});
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  addCompany(3, u"127.0.0.1"_qs, server.port(), u"rh@empresa.mx"_qs);

  TEnviaMail mail;
  ASSERT_TRUE(mail.CargaConfiguracionMail(3));
  ASSERT_TRUE(mail.ValidaDatosServidor());
  mail.titulo = QStringLiteral("Políticas de la empresa");
  mail.correoDeEmpleado = QStringLiteral("ana.pena@empresa.mx");
  mail.correoDeSupervisor = QStringLiteral("jefe@empresa.mx");
  mail.TextoMail = QStringLiteral("Se envían las políticas vigentes.");
  ASSERT_TRUE(mail.EnviaMail()) << MsgSeam::Taken().value(0).text.toStdString();

  const auto got = server.messages();
  ASSERT_EQ(got.size(), 1);
  EXPECT_TRUE(got[0].tls);
  EXPECT_EQ(got[0].authMechanism, QStringLiteral("LOGIN"));
  EXPECT_EQ(got[0].authLogin, QStringLiteral("portal"));
  EXPECT_EQ(got[0].mailFrom, QStringLiteral("portal@empresa.mx"));
  EXPECT_EQ(got[0].rcptTos, (QStringList{u"ana.pena@empresa.mx"_qs, u"rh@empresa.mx"_qs, u"jefe@empresa.mx"_qs}));
  EXPECT_EQ(got[0].subject, QStringLiteral("Políticas de la empresa"));
}
