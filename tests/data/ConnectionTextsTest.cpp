#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include "data/ConnectionTexts.h"
#include "data/OdbcEngine.h"
#include "data/SqliteEngine.h"
#include "data/clsConexion.h"
#include "data/mdlConexion.h"
#include "toolkit/TIni.h"

namespace {

const QString kSql = QStringLiteral(
    "provider=SQLOLEDB;OLE DB Services= -2;server=SRV\\NOMINAS;database=Nomina;uid=sa;pwd=p4ss;");
const QString kWindowsDataSource =
    QStringLiteral("Provider=SQLOLEDB;OLE DB Services=-2;Server=SRV\\NOMINAS;database=Nomina;Trusted_Connection=yes");
const QString kWindowsDirect =
    QStringLiteral("Provider=SQLOLEDB;OLE DB Services= -2;Server=SRV\\NOMINAS;database=Nomina;Trusted_Connection=yes");

struct AutowinCase {
  const char* autowin;
  QString dataSource;  // session data source
  QString direct;      // direct connection
};

TEST(ConnectionTexts, EveryAutowinValue) {
  const AutowinCase cases[] = {
      {".F.", kSql, kSql},
      {".T.", kWindowsDataSource, kWindowsDirect},
      {".f.", QString(), kSql},  // only the direct connection accepts the lower case
      {" .F. ", QString(), kSql},  // the direct connection trims
      {".t.", QString(), kWindowsDirect},
      {"", QString(), kWindowsDirect},
      {"SI", QString(), kWindowsDirect},
  };
  for (const AutowinCase& c : cases) {
    const QString autowin = QString::fromUtf8(c.autowin);
    EXPECT_EQ(ConnectionTexts::ForDataSource(QStringLiteral("SRV\\NOMINAS"), QStringLiteral("Nomina"), QStringLiteral("sa"),
                                             QStringLiteral("p4ss"), autowin),
              c.dataSource)
        << '"' << c.autowin << '"';
    EXPECT_EQ(ConnectionTexts::ForDirect(QStringLiteral("SRV\\NOMINAS"), QStringLiteral("Nomina"), QStringLiteral("sa"),
                                         QStringLiteral("p4ss"), autowin),
              c.direct)
        << '"' << c.autowin << '"';
  }
}

TEST(ConnectionTexts, SettingsComeFromConfigIni) {
  ScopedWorkDir dir;
  QFile f(dir.file(QStringLiteral("config.ini")));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[config]\r\nserver=SRV\\NOMINAS\r\nbd=Nomina\r\nid=sa\r\npwd=p4ss\r\nautowin=.f.\r\n");
  f.close();
  mdlConexion settings;
  settings.LeeConfiguracion(TIni(QStringLiteral("config.ini")));
  EXPECT_EQ(settings.cServidor, QStringLiteral("SRV\\NOMINAS"));
  EXPECT_EQ(settings.lAutowin, QStringLiteral(".f."));
  EXPECT_EQ(settings.TextoConexion(), QString());  // the data source builds nothing for .f.
  EXPECT_EQ(clsConexion::TextoConexion(), kSql);
  settings.lAutowin = QStringLiteral(".F.");
  EXPECT_EQ(settings.TextoConexion(), kSql);
}

TEST(ConnectionTexts, FreeTdsTranslation) {
  struct Case {
    const char* server;
    const char* user;
    bool windows;
    const char* expected;
  };
  const Case cases[] = {
      {"nominas", "sa", false,
       "Driver=FreeTDS;Server=nominas;Port=1433;Database={Nomina};UID={sa};PWD={p}}w;d};TDS_Version=7.4;"
       "ClientCharset=UTF-8;TextSize=2147483647"},
      {"10.0.0.5,1500", "sa", false,
       "Driver=FreeTDS;Server=10.0.0.5;Port=1500;Database={Nomina};UID={sa};PWD={p}}w;d};TDS_Version=7.4;"
       "ClientCharset=UTF-8;TextSize=2147483647"},
      {"SRV\\NOMINAS", "sa", false,
       "Driver=FreeTDS;Server=SRV\\NOMINAS;Database={Nomina};UID={sa};PWD={p}}w;d};TDS_Version=7.4;"
       "ClientCharset=UTF-8;TextSize=2147483647"},
      {"nominas", "", true,
       "Driver=FreeTDS;Server=nominas;Port=1433;Database={Nomina};Trusted_Connection=Yes;TDS_Version=7.4;"
       "ClientCharset=UTF-8;TextSize=2147483647"},
      {"nominas", "EMPRESA\\kiosco", true,
       "Driver=FreeTDS;Server=nominas;Port=1433;Database={Nomina};UID={EMPRESA\\kiosco};PWD={p}}w;d};TDS_Version=7.4;"
       "ClientCharset=UTF-8;TextSize=2147483647"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ConnectionTexts::FreeTds(QString::fromUtf8(c.server), QStringLiteral("Nomina"), QString::fromUtf8(c.user),
                                       QStringLiteral("p}w;d"), c.windows),
              QString::fromUtf8(c.expected))
        << c.server << ' ' << c.user;
}

TEST(ConnectionTexts, EngineChosenByTheText) {
  QString error;
  auto embedded = ConnectionTexts::MakeEngine(
      QStringLiteral("provider=SQLOLEDB;OLE DB Services= -2;server=x;database=datos/Portal.DB;uid=;pwd=;"), QString(),
      QString(), &error);
  auto* sqlite = dynamic_cast<SqliteEngine*>(embedded.get());
  ASSERT_NE(sqlite, nullptr);
  EXPECT_EQ(sqlite->FileName(), QStringLiteral("datos/Portal.DB"));

  auto server = ConnectionTexts::MakeEngine(kSql, QStringLiteral("sa"), QStringLiteral("p4ss"), &error);
  auto* odbc = dynamic_cast<OdbcEngine*>(server.get());
  ASSERT_NE(odbc, nullptr);
  EXPECT_EQ(odbc->ConnectionText(), ConnectionTexts::FreeTds(QStringLiteral("SRV\\NOMINAS"), QStringLiteral("Nomina"),
                                                             QStringLiteral("sa"), QStringLiteral("p4ss"), false));
  auto trusted = ConnectionTexts::MakeEngine(kWindowsDataSource, QStringLiteral("sa"), QStringLiteral("p4ss"), &error);
  EXPECT_TRUE(dynamic_cast<OdbcEngine*>(trusted.get())->ConnectionText().contains(QStringLiteral("Trusted_Connection=Yes")));

  const QString full = QStringLiteral("Driver=/usr/lib/odbc/x.so;Database=y;");
  auto direct = ConnectionTexts::MakeEngine(full, QString(), QString(), &error);
  EXPECT_EQ(dynamic_cast<OdbcEngine*>(direct.get())->ConnectionText(), full);

  // Missing [CONFIG]: no server and no database to go to.
  EXPECT_EQ(ConnectionTexts::MakeEngine(ConnectionTexts::ForDirect(QString(), QString(), QString(), QString(), QString()),
                                        QString(), QString(), &error),
            nullptr);
  EXPECT_FALSE(error.isEmpty());
}

TEST(ConnectionTexts, PasswordsAreMaskedForLogs) {
  EXPECT_EQ(ConnectionTexts::Masked(kSql),
            QStringLiteral("provider=SQLOLEDB;OLE DB Services= -2;server=SRV\\NOMINAS;database=Nomina;uid=sa;pwd=***;"));
  EXPECT_EQ(ConnectionTexts::Masked(QStringLiteral("UID={a};PWD={x;}}y};TDS_Version=7.4")),
            QStringLiteral("UID={a};PWD=***;TDS_Version=7.4"));
}

}  // namespace
