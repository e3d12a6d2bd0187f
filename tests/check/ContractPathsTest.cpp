// The database part of the terminal check on both ways a terminal reaches its database: the
// embedded demo database and SQL Server through FreeTDS (the SQL Server stand-in serving the
// terminal's copy of the demo database). A database that lacks a procedure and has one taking
// fewer arguments fails the contract line naming both; a database that answers too slowly (the
// scripted tests/odbc/fake_sql_server.py, which can be told to wait) fails in bounded time.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>

#include "check/Bounded.h"
#include "check/TerminalCheck.h"
#include "data/ProcedureText.h"
#include "odbc/OdbcDrivers.h"
#include "support/BuildPaths.h"
#include "support/DemoTerminal.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

namespace {

enum class Path { Embedded, SqlServerStandIn };

const CheckLine* line(const CheckLines& lines, const QString& id) {
  for (const CheckLine& l : lines)
    if (l.id == id) return &l;
  return nullptr;
}

// The demo database's catalogue as the scripted stand-in serves it.
QByteArray catalogue(const QString& file) {
  auto ds = DemoDatabase::Open(file);
  QJsonArray objects, parameters;
  for (const Row& r : ds->Query(u"select name, xtype from dbo.sysobjects"_qs).rows)
    objects.append(QJsonArray{Text::ToText(r.col(1)), Text::ToText(r.col(2))});
  for (const Row& r : ds->Query(u"select name, definition from portal_procedures"_qs).rows) {
    QString error;
    if (const auto def = ProcedureText::ParseCreate(Text::ToText(r.col(2)), &error))
      for (const auto& p : def->parameters) parameters.append(QJsonArray{Text::ToText(r.col(1)), p.name});
  }
  return QJsonDocument(QJsonObject{{u"objects"_qs, objects}, {u"parameters"_qs, parameters}}).toJson();
}

class ContractPaths : public ::testing::TestWithParam<Path> {
 protected:
  void TearDown() override {
    if (m_server) {
      m_server->kill();
      m_server->waitForFinished();
    }
  }
  // Aims the terminal at its database on this test's path; false when the path cannot run here.
  // The terminal on this test's path, its database lacking `dropped` and with `shortened` taking
  // one parameter; null when the path cannot run here.
  std::unique_ptr<DemoTerminal> Open(const QString& dropped, const QString& shortened) {
    QString why;
    if (GetParam() == Path::SqlServerStandIn && !SqlServerStandIn::Available(&why)) return nullptr;
    auto t = std::make_unique<DemoTerminal>(QStringLiteral("SalirActivado=Si\n"),
                                            GetParam() == Path::Embedded ? DbPath::Embedded : DbPath::FreeTds);
    auto ds = DemoDatabase::Open(t->file(QString::fromLatin1(DemoDatabase::kFile)));
    if (!dropped.isEmpty()) {
      EXPECT_TRUE(ds->Execute(u"DROP PROCEDURE "_qs + dropped));
    }
    if (!shortened.isEmpty()) {
      EXPECT_TRUE(ds->Execute(u"CREATE OR ALTER PROCEDURE dbo."_qs + shortened + u" @empresa varchar(20) AS SELECT 1"_qs));
    }
    return t;
  }
  // The scripted stand-in answering every statement after `slowSeconds`.
  bool AimAtSlowServer(DemoTerminal& t, double slowSeconds) {
    if (OdbcDrivers::Find("libtdsodbc.so").isEmpty() || !QFile::exists(u"/usr/bin/python3"_qs)) return false;
    QFile json(t.file(u"catalogo.json"_qs));
    if (!json.open(QIODevice::WriteOnly)) return false;
    json.write(catalogue(t.file(QString::fromLatin1(DemoDatabase::kFile))));
    json.close();
    m_server = std::make_unique<QProcess>();
    m_server->start(u"/usr/bin/python3"_qs, {BuildPaths::Source(u"/tests/odbc/fake_sql_server.py"_qs), u"--catalogo"_qs,
                                             json.fileName(), u"--lento"_qs, QString::number(slowSeconds)});
    if (!m_server->waitForReadyRead(10000)) return false;
    const int port = m_server->readLine().trimmed().toInt();
    const TIni ini(t.file(u"config.ini"_qs));
    ini.SetEntry(u"CONFIG"_qs, u"SERVER"_qs, u"127.0.0.1,%1"_qs.arg(port));
    ini.SetEntry(u"CONFIG"_qs, u"BD"_qs, u"Nomina"_qs);
    ini.SetEntry(u"CONFIG"_qs, u"ID"_qs, u"sa"_qs);
    ini.SetEntry(u"CONFIG"_qs, u"PWD"_qs, u"x"_qs);
    return true;
  }
  std::unique_ptr<QProcess> m_server;
};

}  // namespace

TEST_P(ContractPaths, ASoundDatabasePassesEveryDatabaseLine) {
  const auto t = Open(QString(), QString());
  if (!t) GTEST_SKIP() << "FreeTDS or the SQL Server stand-in missing";
  const CheckLines lines = TerminalCheck::Run({10});
  for (const char* id : {"bd.conexion", "bd.version", "bd.cp1252", "bd.contrato", "bd.reloj"}) {
    const CheckLine* l = line(lines, QString::fromLatin1(id));
    ASSERT_NE(l, nullptr) << id << "\n" << TerminalCheck::Text(lines).toStdString();
    EXPECT_TRUE(l->ok) << TerminalCheck::Text(lines).toStdString();
  }
  EXPECT_TRUE(line(lines, u"bd.version"_qs)->found.contains(GetParam() == Path::Embedded ? u"SQLite"_qs : u"stand-in"_qs));
}

TEST_P(ContractPaths, AMissingProcedureAndAShorterOneAreBothNamed) {
  const auto t = Open(u"peCargaOpcionVacaciones"_qs, u"permisoEmpleadoVerSueldo"_qs);
  if (!t) GTEST_SKIP() << "FreeTDS or the SQL Server stand-in missing";
  const CheckLines lines = TerminalCheck::Run({10});
  const CheckLine* contract = line(lines, u"bd.contrato"_qs);
  ASSERT_NE(contract, nullptr) << TerminalCheck::Text(lines).toStdString();
  EXPECT_FALSE(contract->ok);
  EXPECT_EQ(contract->found, u"falta el procedimiento peCargaOpcionVacaciones; permisoEmpleadoVerSueldo recibe 1 parámetros y el portal le pasa 2"_qs);
  EXPECT_TRUE(line(lines, u"bd.conexion"_qs)->ok);
}

INSTANTIATE_TEST_SUITE_P(BothPaths, ContractPaths, ::testing::Values(Path::Embedded, Path::SqlServerStandIn),
                         [](const auto& info) { return info.param == Path::Embedded ? "Embedded" : "SqlServerStandIn"; });

// A server that takes longer than the check allows: a bounded failure, the other lines still come.
class SlowDatabase : public ContractPaths {};

TEST_P(SlowDatabase, IsAFailureAfterTheLimitNotAHang) {
  DemoTerminal t;
  if (!AimAtSlowServer(t, 6)) GTEST_SKIP() << "FreeTDS or /usr/bin/python3 missing";
  const CheckLines lines = TerminalCheck::Run({2});
  const CheckLine* db = line(lines, u"bd.conexion"_qs);
  ASSERT_NE(db, nullptr) << TerminalCheck::Text(lines).toStdString();
  EXPECT_FALSE(db->ok);
  EXPECT_EQ(db->found, u"sin respuesta en 2 segundos"_qs);
  EXPECT_NE(line(lines, u"plantillas"_qs), nullptr);
  // The abandoned piece ends once the server is gone.
  m_server->kill();
  m_server->waitForFinished();
  for (int i = 0; i < 400 && Bounded::Running() > 0; ++i) QThread::msleep(50);
  EXPECT_EQ(Bounded::Running(), 0);
}

INSTANTIATE_TEST_SUITE_P(StandIn, SlowDatabase, ::testing::Values(Path::SqlServerStandIn));
