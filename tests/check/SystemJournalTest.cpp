// Errors the portal shows also reach the system journal with their fields and without personal
// data. The test owns the journal's socket (PORTAL_JOURNAL_SOCKET) and reads each entry back.
#include <gtest/gtest.h>

#include <QMap>
#include <QTemporaryDir>
#include <functional>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "app/AppData.h"
#include "mail/TEnviaMail.h"
#include "printing/Cups.h"
#include "printing/KioskPrint.h"
#include "support/DemoTerminal.h"
#include "support/SmtpServer.h"
#include "toolkit/ErrorSys.h"
#include "toolkit/MsgBox.h"
#include "toolkit/SystemJournal.h"

namespace {

using Fields = QMap<QByteArray, QByteArray>;

// A datagram socket standing in for the journal's.
class JournalSocket {
 public:
  JournalSocket() {
    m_fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const QByteArray path = QFile::encodeName(m_dir.filePath(QStringLiteral("journal.socket")));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    ::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    m_before = qgetenv(SystemJournal::SocketVariable);
    qputenv(SystemJournal::SocketVariable, path);
  }
  ~JournalSocket() {
    qputenv(SystemJournal::SocketVariable, m_before);
    ::close(m_fd);
  }
  // Every entry waiting on the socket, each as its fields.
  QList<Fields> Take() {
    QList<Fields> entries;
    pollfd p{m_fd, POLLIN, 0};
    while (::poll(&p, 1, 0) > 0) {
      QByteArray buffer(256 * 1024, '\0');
      const ssize_t n = ::recv(m_fd, buffer.data(), static_cast<size_t>(buffer.size()), 0);
      if (n <= 0) break;
      entries << Parse(buffer.left(n));
    }
    return entries;
  }
  // The journal's native protocol: NAME=value lines, or NAME, a line break, a 64-bit
  // little-endian length and that many bytes.
  static Fields Parse(const QByteArray& d) {
    Fields f;
    qsizetype i = 0;
    while (i < d.size()) {
      const qsizetype nl = d.indexOf('\n', i);
      if (nl < 0) break;
      const QByteArray line = d.mid(i, nl - i);
      if (const qsizetype eq = line.indexOf('='); eq >= 0) {
        f.insert(line.left(eq), line.mid(eq + 1));
        i = nl + 1;
        continue;
      }
      quint64 size = 0;
      for (int b = 0; b < 8; ++b) size |= static_cast<quint64>(static_cast<unsigned char>(d[nl + 1 + b])) << (8 * b);
      f.insert(line, d.mid(nl + 9, static_cast<qsizetype>(size)));
      i = nl + 9 + static_cast<qsizetype>(size) + 1;
    }
    return f;
  }

 private:
  QTemporaryDir m_dir;
  int m_fd = -1;
  QByteArray m_before;
};

struct Reported {
  const char* name;
  std::function<void(DemoTerminal&)> cause;
  QByteArray subsystem;
  QByteArray code;      // empty: any
  QByteArray mentions;  // in MESSAGE
  QList<QByteArray> personal;  // never in any field
};

}  // namespace

TEST(SystemJournal, EveryErrorShownReachesTheJournalWithItsFieldsAndNoPersonalData) {
  const QList<Reported> cases = {
      {"general error window",
       [](DemoTerminal&) {
         ErrorSys::SetAnswerForTests([](const TError&) { return ErrorChoice::Default; });
         TError e;
         e.subSystem = u"BASE"_qs;
         e.genCode = 1003;
         e.subCode = 7;
         e.description = u"No se pudo abrir el recibo 'RECIBO_GARCIA_JUAN.pdf'"_qs;
         e.operation = u"Abrir"_qs;
         e.canDefault = true;
         ErrorSys::Handle(e);
         ErrorSys::SetAnswerForTests(nullptr);
       },
       "general", "BASE/1003.7", "No se pudo abrir el recibo", {"GARCIA", "JUAN"}},
      {"database alert",
       [](DemoTerminal& t) {
         auto ds = DemoDatabase::Open(t.file(u"portal-demo.db"_qs));
         ds->Execute(u"exec NoExisteEsteProcedimiento 'GARCÍA LÓPEZ JUAN', 'GALJ800101AB1', 15234.50"_qs);
       },
       "base de datos", "", "exec NoExisteEsteProcedimiento", {"GARC", "GALJ800101AB1", "15234"}},
      {"mail failure",
       [](DemoTerminal&) {
         TEnviaMail mail;
         mail.ServidorMail = u"127.0.0.1"_qs;
         mail.Puerto = QString::number(TestSmtp::SmtpServer::FreePort());
         mail.Mail = u"portal@norte.demo.local"_qs;
         mail.correoDeEmpleado = u"juan.garcia@norte.demo.local"_qs;
         mail.titulo = u"Recibo de JUAN GARCÍA"_qs;
         mail.EnviaMail();
       },
       "correo", "", "127.0.0.1", {"juan.garcia", "JUAN"}},
      {"print failure",
       [](DemoTerminal& t) {
         Cups::UseServer(t.file(u"no-hay-cups.sock"_qs));
         Printing::PrintPdf(nullptr, QByteArrayLiteral("%PDF-1.4"), u"ReciboPortalCarta"_qs, QSizeF(215.9, 279.4));
         Cups::UseServer(QString());
       },
       "impresion", "destino", "servicio de impresi", {}},
  };
  for (const Reported& c : cases) {
    SCOPED_TRACE(c.name);
    DemoTerminal terminal;
    JournalSocket journal;
    MsgSeam::Capture(true);
    c.cause(terminal);
    MsgSeam::Clear();
    const QList<Fields> entries = journal.Take();
    ASSERT_EQ(entries.size(), 1);
    const Fields& f = entries.first();
    EXPECT_EQ(f.value("SYSLOG_IDENTIFIER"), "portal-empleado");
    EXPECT_EQ(f.value("PRIORITY"), "3");
    EXPECT_EQ(f.value("PORTAL_SUBSYSTEM"), c.subsystem);
    if (!c.code.isEmpty()) {
      EXPECT_EQ(f.value("PORTAL_ERROR_CODE"), c.code);
    }
    EXPECT_FALSE(f.value("PORTAL_ERROR_CODE").isEmpty());
    EXPECT_TRUE(f.value("PORTAL_TERMINAL").endsWith(QFile::encodeName(terminal.path())));
    EXPECT_TRUE(f.value("MESSAGE").contains(c.mentions)) << f.value("MESSAGE").toStdString();
    for (auto it = f.begin(); it != f.end(); ++it)
      for (const QByteArray& p : c.personal) EXPECT_FALSE(it.value().contains(p)) << it.key().toStdString() << ": " << it.value().toStdString();
    // The logs the terminal always had are still written.
    if (c.subsystem == "general") {
      EXPECT_TRUE(QFile::exists(terminal.file(u"Error.log"_qs)));
    }
    if (c.subsystem == "correo") {
      EXPECT_GT(QFileInfo(terminal.file(u"EnvioMail.log"_qs)).size(), 0);
    }
  }
}

TEST(SystemJournal, ALineBreakInAValueTravelsInTheLengthForm) {
  const QByteArray d = SystemJournal::Encode({{"MESSAGE", "uno\ndos"}, {"PORTAL_SUBSYSTEM", "correo"}});
  const Fields f = JournalSocket::Parse(d);
  EXPECT_EQ(f.value("MESSAGE"), "uno\ndos");
  EXPECT_EQ(f.value("PORTAL_SUBSYSTEM"), "correo");
}

TEST(SystemJournal, TheScreenFieldNamesTheWindowInFront) {
  JournalSocket journal;
  QWidget screen;
  screen.setObjectName(u"TRecibos"_qs);
  screen.show();
  screen.activateWindow();
  QCoreApplication::processEvents();
  SystemJournal::Report(u"impresion"_qs, u"1"_qs, QString(), u"La impresora no aceptó el trabajo"_qs);
  SystemJournal::Report(u"impresion"_qs, u"1"_qs, u"TPrincipal"_qs, u"dado"_qs);
  const QList<Fields> entries = journal.Take();
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[0].value("PORTAL_SCREEN"), "TRecibos");
  EXPECT_EQ(entries[1].value("PORTAL_SCREEN"), "TPrincipal");
}
