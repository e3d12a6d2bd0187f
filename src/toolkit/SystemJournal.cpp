#include "toolkit/SystemJournal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QRegularExpression>
#include <QWidget>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace SystemJournal {

namespace {

constexpr int kErrorPriority = 3;

// One field; a value holding a line break goes in the protocol's length-prefixed form.
void appendField(QByteArray& out, const QByteArray& name, const QByteArray& value) {
  out += name;
  if (!value.contains('\n')) {
    out += '=' + value + '\n';
    return;
  }
  out += '\n';
  quint64 size = static_cast<quint64>(value.size());
  for (int i = 0; i < 8; ++i) out += static_cast<char>((size >> (8 * i)) & 0xFF);
  out += value + '\n';
}

void sendDatagram(const QByteArray& path, const QByteArray& datagram) {
  if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof(sockaddr_un::sun_path)) return;
  const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
  // An entry is small; a journal that is gone or full loses it, the portal goes on.
  ::sendto(fd, datagram.constData(), static_cast<size_t>(datagram.size()), MSG_NOSIGNAL | MSG_DONTWAIT,
           reinterpret_cast<const sockaddr*>(&address), sizeof address);
  ::close(fd);
}

QString terminalName() {
  return QSysInfo::machineHostName() + u':' + QDir::currentPath();
}

}  // namespace

QString SocketPath() {
  const QString custom = qEnvironmentVariable(SocketVariable);
  return custom.isEmpty() ? QStringLiteral("/run/systemd/journal/socket") : custom;
}

QString CurrentScreen() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return QString();
  QWidget* w = QApplication::activeModalWidget();
  if (!w) w = QApplication::activeWindow();
  if (!w) {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->isVisible()) w = top;
  }
  if (!w) return QString();
  return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

QString Scrub(const QString& text) {
  static const QRegularExpression personal(QStringLiteral(
      R"('[^']*'|"[^"]*"|[\w.+-]+@[\w-]+(\.[\w-]+)+|\b[A-ZÑ&]{3,4}\d{6}[A-Z0-9]{3,8}\b|\d[\d,]*\.\d{2}\b|\d{4,})"));
  QString out = text;
  out.replace(personal, QStringLiteral("…"));
  return out.simplified();
}

QByteArray Encode(const QMap<QByteArray, QByteArray>& fields) {
  QByteArray out;
  for (auto it = fields.begin(); it != fields.end(); ++it) appendField(out, it.key(), it.value());
  return out;
}

void Report(const QString& subsystem, const QString& code, const QString& screen, const QString& text) {
  const QString where = screen.isEmpty() ? CurrentScreen() : screen;
  const QString message = Scrub(text);
  QMap<QByteArray, QByteArray> fields;
  fields["MESSAGE"] = QStringLiteral("%1 %2: %3").arg(subsystem, code, message).toUtf8();
  fields["PRIORITY"] = QByteArray::number(kErrorPriority);
  fields["SYSLOG_IDENTIFIER"] = "portal-empleado";
  fields["PORTAL_TERMINAL"] = terminalName().toUtf8();
  fields["PORTAL_SUBSYSTEM"] = subsystem.toUtf8();
  fields["PORTAL_ERROR_CODE"] = code.toUtf8();
  if (!where.isEmpty()) fields["PORTAL_SCREEN"] = where.toUtf8();
  sendDatagram(QFile::encodeName(SocketPath()), Encode(fields));
}

}  // namespace SystemJournal
