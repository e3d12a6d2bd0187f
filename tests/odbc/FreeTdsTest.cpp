// The SQL Server path up to the network: the real FreeTDS driver, our settings file, and how a
// server that cannot be reached is reported. What needs a real SQL Server is in the README.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>

#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include "data/ConnectionDialog.h"
#include "data/ConnectionTexts.h"
#include "data/FreeTdsConfig.h"
#include "data/OdbcEngine.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "data/mdlConexion.h"
#include "odbc/OdbcDrivers.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TIni.h"

namespace {

class FreeTds : public ::testing::Test {
 protected:
  void SetUp() override {
    if (OdbcDrivers::Find("libtdsodbc.so").isEmpty()) GTEST_SKIP() << "FreeTDS (tdsodbc) is not installed";
    MsgSeam::Clear();
    StatementJournal::Clear();
  }
  void TearDown() override { ConnectionDialog::SetHookForTests(nullptr); }
  ScopedWorkDir dir;
};

TEST_F(FreeTds, SettingsFileIsOursAndHasNoTimeouts) {
  const QString path = FreeTdsConfig::Ensure();
  ASSERT_FALSE(path.isEmpty());
  EXPECT_EQ(qEnvironmentVariable("FREETDSCONF"), path);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(f.readAll());
  EXPECT_EQ(text, FreeTdsConfig::Contents());
  EXPECT_TRUE(text.contains(QStringLiteral("\ttimeout = 0\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("\tconnect timeout = 0\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("\ttds version = 7.4\n")));
}

TEST_F(FreeTds, ServerThatRefusesIsReportedAtOnce) {
  // Port 1 on this machine refuses: the driver answers without waiting.
  OdbcEngine engine(ConnectionTexts::FreeTds(QStringLiteral("127.0.0.1,1"), QStringLiteral("Nomina"), QStringLiteral("sa"),
                                             QStringLiteral("x"), false),
                    OdbcEngine::CharColumns::Cp1252Bytes);
  QList<DbError> errors;
  EXPECT_FALSE(engine.Open(&errors));
  ASSERT_FALSE(errors.isEmpty());
  EXPECT_FALSE(DescribeErrors(errors).isEmpty());
  EXPECT_FALSE(engine.IsOpen());
  EXPECT_EQ(qEnvironmentVariable("FREETDSCONF"), FreeTdsConfig::Ensure());
}

TEST_F(FreeTds, SessionDataSourceAlertsAndQueriesTryAgain) {
  const TIni ini(QStringLiteral("config.ini"));
  ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("SERVER"), QStringLiteral("127.0.0.1,1"));
  ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("BD"), QStringLiteral("Nomina"));
  ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("ID"), QStringLiteral("sa"));
  ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("PWD"), QStringLiteral("mala"));
  ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("AUTOWIN"), QStringLiteral(".F."));
  QList<ConnectionChoice> offered;
  ConnectionDialog::SetHookForTests([&](const ConnectionChoice& c) -> std::optional<ConnectionChoice> {
    offered << c;
    return std::nullopt;
  });
  mdlConexion settings;
  settings.LeeConfiguracion(ini);
  const auto ds = settings.Conecta();
  EXPECT_FALSE(ds->lConnected());
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken().first().kind, MsgKind::Alert);
  ASSERT_EQ(offered.size(), 1);
  EXPECT_EQ(offered.first().server, QStringLiteral("127.0.0.1,1"));
  EXPECT_EQ(offered.first().password, QStringLiteral("mala"));
  ASSERT_FALSE(StatementJournal::Entries().isEmpty());
  EXPECT_EQ(StatementJournal::Entries().first().statement,
            QStringLiteral("provider=SQLOLEDB;OLE DB Services= -2;server=127.0.0.1,1;database=Nomina;uid=sa;pwd=***;"));

  TQuery q(ds, QStringLiteral("GENERAL"), QStringLiteral("exec peValidaEntrada 1,'x',0,0"));
  EXPECT_EQ(q.RecCount(), 0);
  EXPECT_EQ(MsgSeam::Taken().size(), 2);
  EXPECT_EQ(offered.size(), 2);
}

}  // namespace
