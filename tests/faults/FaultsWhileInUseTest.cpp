// Faults that strike while an employee uses the terminal: each is reported where it happens,
// nothing is left half-done, and the terminal works again once the fault is gone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <functional>
#include <memory>

#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/receipts/TRecibos.h"
#include "support/DemoTerminal.h"
#include "support/SmtpServer.h"
#include "toolkit/Controls.h"

namespace {

// A terminal with employee 1 logged in and the receipts screen open on a mail server.
struct Session {
  std::unique_ptr<TestSmtp::SmtpServer> smtp = std::make_unique<TestSmtp::SmtpServer>();
  DemoTerminal terminal;
  TPrincipal* menu = nullptr;
  TRecibos* receipts = nullptr;
  Session() {
    EXPECT_TRUE(smtp->start()) << smtp->errorString().toStdString();
    menu = DemoTerminal::LogIn<TRegistro, TPrincipal>(QStringLiteral("1"), QStringLiteral("Clave2024"));
    EXPECT_NE(menu, nullptr);
    AppData.oAdo->Execute("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '" + smtp->portText() + "'");
    receipts = TForm::New<TRecibos>(menu, [this](TRecibos& r) {
      r.CNX = menu->CNX;
      r.empresa = menu->empresa;
      r.codigo = AppData.Codigo;
    });
    MsgSeam::Clear();
  }
  ~Session() { delete receipts; }
  QString database() const { return terminal.file(QString::fromLatin1(DemoDatabase::kFile)); }
  // The mail server replaced, on the same port, by one started with `options`.
  bool restartMail(TestSmtp::Options options) {
    options.port = smtp->port();
    smtp->stop();
    smtp = std::make_unique<TestSmtp::SmtpServer>(options);
    return smtp->start();
  }
  QStringList leftovers() const {
    return QDir(terminal.path()).entryList({"*.xml", "*.pdf", "TEMP*"}, QDir::AllEntries);
  }
};

// The program folder made unwritable even for root (the tests may run as root).
bool setImmutable(const QString& path, bool on) {
  return QProcess::execute(QStringLiteral("chattr"), {on ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
}

struct Fault {
  const char* name;
  std::function<bool(Session&)> strike;  // false: the fault cannot be made here
  std::function<void(Session&)> heal;
};

struct Use {
  const char* name;
  std::function<void(TRecibos&)> act;
  std::function<bool(Session&)> worked;  // the use's visible result
};

}  // namespace

TEST(FaultsWhileInUse, ReportedThenTheTerminalWorksAgain) {
  QByteArray saved;
  const QList<Fault> faults = {
      {"database file overwritten",
       [&](Session& s) {
         QFile f(s.database());
         if (!f.open(QIODevice::ReadWrite)) return false;
         saved = f.readAll();
         f.seek(0);
         f.write(QByteArray(saved.size(), 'x'));
         return true;
       },
       [&](Session& s) {
         QFile f(s.database());
         if (f.open(QIODevice::WriteOnly)) f.write(saved);
       }},
      {"mail server cuts the message",
       [](Session& s) {
         TestSmtp::Options cutting;
         cutting.closeAfter = 4000;  // past the commands, inside the attachments
         return s.restartMail(cutting);
       },
       [](Session& s) { s.restartMail({}); }},
      {"program folder read-only", [](Session& s) { return setImmutable(s.terminal.path(), true); },
       [](Session& s) { setImmutable(s.terminal.path(), false); }},
  };
  const QList<Use> uses = {
      {"load receipts", [](TRecibos& r) { r.btnCargaRecibosClick(); },
       [](Session& s) { return s.receipts->arregloRecibos->Len() > 0; }},
      {"mail a receipt", [](TRecibos& r) { r.btnEnviaMailClick(); },
       [](Session& s) { return MsgSeam::Texts() == QStringList{"Correo Enviado"}; }},
  };
  for (const Fault& fault : faults)
    for (const Use& use : uses) {
      SCOPED_TRACE(std::string(fault.name) + " / " + use.name);
      Session s;
      ASSERT_NE(s.receipts, nullptr);
      if (!fault.strike(s)) GTEST_SKIP() << fault.name << " cannot be made on this machine";
      MsgSeam::Clear();
      use.act(*s.receipts);
      const QStringList during = MsgSeam::Texts();
      const bool workedDuring = use.worked(s);
      std::printf("%-28s %-16s -> %s\n", fault.name, use.name,
                  workedDuring ? "unaffected" : qPrintable(during.join(QStringLiteral(" | "))));
      // Either the use did not need what failed, or the failure was told; never a silent loss.
      EXPECT_TRUE(workedDuring || !during.isEmpty()) << "the fault went unreported";
      // What is told is the failure itself, not a consequence of it (such as an empty file name).
      for (const QString& m : during) EXPECT_FALSE(m.contains(QStringLiteral("\"\""))) << m.toStdString();
      fault.heal(s);
      EXPECT_TRUE(s.leftovers().isEmpty()) << s.leftovers().join(',').toStdString();
      MsgSeam::Clear();
      use.act(*s.receipts);
      EXPECT_TRUE(use.worked(s)) << MsgSeam::Texts().join(" | ").toStdString();
    }
}
