// The packaged kiosk's command line, started for real: cage -d -s -- portal-empleado as a user
// who is not root, in a terminal folder, on cage's headless backend. grim pictures the screen:
// the login window shows, scaled to the output, with no window decorations around it. Then the
// portal is ended, cage ends with it and nothing of the session is left running.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QThread>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/ScreenScale.h"
#include "session/ScreenPicture.h"
#include "support/BuildPaths.h"
#include "support/DemoTerminal.h"

namespace {

constexpr uid_t kNobody = 65534;
const QSize kHeadlessOutput{1280, 720};  // wlroots' headless output

// Pids whose parent is `pid`, and theirs.
QList<int> descendants(int pid) {
  QList<int> out;
  QList<int> parents{pid};
  bool grew = true;
  while (grew) {
    grew = false;
    for (const QString& entry : QDir(u"/proc"_qs).entryList(QDir::Dirs)) {
      bool isPid = false;
      const int p = entry.toInt(&isPid);
      if (!isPid || out.contains(p)) continue;
      QFile stat(u"/proc/%1/stat"_qs.arg(p));
      if (!stat.open(QIODevice::ReadOnly)) continue;
      const QByteArray text = stat.readAll();
      const int parent = text.mid(text.lastIndexOf(')') + 2).split(' ').value(1).toInt();
      if (parents.contains(parent)) {
        out << p;
        parents << p;
        grew = true;
      }
    }
  }
  return out;
}

bool alive(int pid) {
  QFile stat(u"/proc/%1/stat"_qs.arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return false;
  const QByteArray text = stat.readAll();
  return text.mid(text.lastIndexOf(')') + 2, 1) != "Z";
}

QString commandOf(int pid) {
  QFile f(u"/proc/%1/comm"_qs.arg(pid));
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
}

void giveTo(const QString& path, uid_t uid) {
  QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) EXPECT_EQ(::chown(QFile::encodeName(it.next()).constData(), uid, uid), 0);
  EXPECT_EQ(::chown(QFile::encodeName(path).constData(), uid, uid), 0);
}

}  // namespace

TEST(KioskSession, CageShowsTheLoginUndecoratedAndLeavesNothingRunning) {
  for (const char* tool : {"/usr/bin/cage", "/usr/bin/grim", "/usr/bin/setpriv"})
    if (!QFile::exists(QString::fromLatin1(tool))) GTEST_SKIP() << tool << " is not installed";
  if (::geteuid() != 0) GTEST_SKIP() << "starting the session as another user needs root";

  DemoTerminal terminal;
  QTemporaryDir runtime;
  ::chmod(QFile::encodeName(terminal.path()).constData(), 0755);
  giveTo(terminal.path(), kNobody);
  ::chmod(QFile::encodeName(runtime.path()).constData(), 0700);
  giveTo(runtime.path(), kNobody);

  QProcessEnvironment env;
  env.insert(u"PATH"_qs, u"/usr/bin:/bin"_qs);
  env.insert(u"HOME"_qs, terminal.path());
  env.insert(u"XDG_RUNTIME_DIR"_qs, runtime.path());
  env.insert(u"XDG_SESSION_TYPE"_qs, u"wayland"_qs);
  env.insert(u"QT_QPA_PLATFORM"_qs, u"wayland"_qs);
  env.insert(u"WLR_BACKENDS"_qs, u"headless"_qs);
  env.insert(u"WLR_RENDERER"_qs, u"pixman"_qs);
  env.insert(u"WLR_LIBINPUT_NO_DEVICES"_qs, u"1"_qs);
  const QStringList asNobody{u"--reuid=65534"_qs, u"--regid=65534"_qs, u"--clear-groups"_qs, u"--"_qs};

  QProcess cage;
  cage.setWorkingDirectory(terminal.path());
  cage.setProcessEnvironment(env);
  cage.setProcessChannelMode(QProcess::MergedChannels);
  // As the kiosk service runs it (ExecStart of portal-empleado-kiosk.service), as a plain user.
  cage.start(u"/usr/bin/setpriv"_qs, asNobody + QStringList{u"/usr/bin/cage"_qs, u"-d"_qs, u"-s"_qs, u"--"_qs, BuildPaths::Binary(u"/portal-empleado"_qs)});
  ASSERT_TRUE(cage.waitForStarted(10000));
  const QString socket = runtime.path() + u"/wayland-0"_qs;
  for (int i = 0; i < 200 && !QFile::exists(socket) && cage.state() == QProcess::Running; ++i) QThread::msleep(50);
  if (!QFile::exists(socket)) {
    cage.waitForFinished(5000);
    GTEST_SKIP() << "cage could not start in this container: " << cage.readAll().toStdString();
  }

  // The login is on screen once the picture holds a window the size the login is scaled to.
  // The headless output is lower than 768 pixels: the portal keeps its own size there.
  const double chosen = ScreenScale::Choose(QString(), kHeadlessOutput);
  const double factor = chosen > 0 ? chosen : 1.0;
  const QSize expected = (QSizeF(ScreenPicture::kLogin) * factor).toSize();
  const QString shot = runtime.path() + u"/kiosco.png"_qs;
  QImage picture;
  QRect drawn;
  QProcessEnvironment grimEnv = env;
  grimEnv.insert(u"WAYLAND_DISPLAY"_qs, u"wayland-0"_qs);
  for (int attempt = 0; attempt < 120; ++attempt) {
    QProcess grim;
    grim.setProcessEnvironment(grimEnv);
    grim.start(u"/usr/bin/setpriv"_qs, asNobody + QStringList{u"/usr/bin/grim"_qs, shot});
    grim.waitForFinished(10000);
    picture = QImage(shot).convertToFormat(QImage::Format_RGB32);
    drawn = picture.isNull() ? QRect() : ScreenPicture::Drawn(picture);
    if (std::abs(drawn.width() - expected.width()) <= 3 && std::abs(drawn.height() - expected.height()) <= 3) break;
    QThread::msleep(250);
  }
  const QString kept = BuildPaths::Binary(u"/tests/shots"_qs);
  QDir().mkpath(kept);
  QFile::remove(kept + u"/kiosco-cage.png"_qs);
  QFile::copy(shot, kept + u"/kiosco-cage.png"_qs);
  ASSERT_FALSE(picture.isNull()) << "grim took no picture: " << cage.readAll().toStdString();
  EXPECT_EQ(picture.size(), kHeadlessOutput);
  // Exactly the scaled login, where cage puts it (the output's top left corner): a title bar or a
  // frame drawn around it would make the picture taller or wider, or move the login down.
  EXPECT_NEAR(drawn.width(), expected.width(), 3) << cage.readAll().toStdString();
  EXPECT_NEAR(drawn.height(), expected.height(), 3);
  EXPECT_EQ(drawn.topLeft(), QPoint(0, 0));

  // End the portal: cage ends with it, and nothing it started is left.
  const QList<int> session = descendants(static_cast<int>(cage.processId()));
  int portal = 0;
  for (int pid : session)
    if (commandOf(pid).startsWith(u"portal-emplead"_qs)) portal = pid;
  ASSERT_NE(portal, 0) << "the portal is not running under cage";
  ::kill(portal, SIGTERM);
  EXPECT_TRUE(cage.waitForFinished(20000)) << "cage did not end with the portal";
  if (cage.state() != QProcess::NotRunning) {
    cage.kill();
    cage.waitForFinished(5000);
  }
  for (int i = 0; i < 100; ++i) {
    bool any = false;
    for (int pid : session) any = any || alive(pid);
    if (!any) break;
    QThread::msleep(50);
  }
  for (int pid : session) EXPECT_FALSE(alive(pid)) << commandOf(pid).toStdString() << " (" << pid << ") is still running";
}
