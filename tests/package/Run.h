#pragma once
// Runs a command of the package's world (cpack, dpkg, the installed programs) and keeps what it
// said, so a failing assertion shows it; and reads the files they leave.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct Ran {
  int code = -1;
  QString out;
  QString err;
  bool ok() const { return code == 0; }
  std::string said() const { return (out + err).toStdString(); }
};

inline Ran Exec(const QString& program, const QStringList& args, const QString& workDir = QString(),
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
               const QByteArray& input = QByteArray(), int msecs = 600000) {
  QProcess p;
  if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
  p.setProcessEnvironment(env);
  p.start(program, args);
  Ran r;
  if (!p.waitForStarted(30000)) {
    r.err = program + QStringLiteral(": no arranca");
    return r;
  }
  p.write(input);
  p.closeWriteChannel();
  const bool finished = p.waitForFinished(msecs);
  r.out = QString::fromUtf8(p.readAllStandardOutput());
  r.err = QString::fromUtf8(p.readAllStandardError());
  if (finished && p.exitStatus() == QProcess::NormalExit) r.code = p.exitCode();
  return r;
}

// A text file's contents, empty when it cannot be read.
inline QString ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
