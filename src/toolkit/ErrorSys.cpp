#include "toolkit/ErrorSys.h"

#include <QApplication>
#include <QFile>
#include <cstdlib>

#include "toolkit/ErrorWindow.h"
#include "toolkit/SystemJournal.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {
bool g_network = false;
std::function<ErrorChoice(const TError&)> g_answer;
std::function<void()> g_quit;
int g_depth = 0;

void writeLog(const QString& text) {
  QFile f(QStringLiteral("Error.log"));
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(text.toUtf8());
  else qWarning("No se pudo escribir Error.log: %s", qPrintable(f.errorString()));
}

void quitProgram() {
  if (g_quit) g_quit();
  else std::exit(1);
}

}  // namespace

namespace ErrorSys {

ErrorChoice Handle(const TError& error, std::source_location where) {
  if (error.lockError && error.canDefault) {
    g_network = true;
    return ErrorChoice::Default;
  }
  const QStringList stack = error.callStack.isEmpty() ? CallStack(where) : error.callStack;
  writeLog(LogText(error, stack));
  SystemJournal::Report(u"general"_qs, QStringLiteral("%1/%2.%3").arg(error.subSystem).arg(error.genCode).arg(error.subCode),
                        QString(), error.description + u" ("_qs + error.operation + u")"_qs);
  qCritical("%s", qPrintable(Message(error, stack)));

  // An error raised while the handler itself runs cannot be asked about again.
  if (g_depth > 0) {
    quitProgram();
    return ErrorChoice::Quit;
  }
  ++g_depth;
  ErrorChoice c = ErrorChoice::Quit;
  if (g_answer) c = g_answer(error);
  else if (qobject_cast<QApplication*>(QCoreApplication::instance()))
    c = ErrorWindow::Ask(error, Message(error, stack), Application::MainWindow());
  --g_depth;
  // Only the choices the error allows.
  if ((c == ErrorChoice::Retry && !error.canRetry) || (c == ErrorChoice::Default && !error.canDefault)) c = ErrorChoice::Quit;
  if (c == ErrorChoice::Quit) quitProgram();
  return c;
}

bool Guard(const std::function<bool(TError&)>& operation, std::source_location where) {
  for (;;) {
    TError e;
    if (operation(e)) return true;
    const ErrorChoice c = Handle(e, where);
    if (c != ErrorChoice::Retry) return false;
  }
}

void Raise(TError error, std::source_location where) {
  if (error.callStack.isEmpty()) error.callStack = CallStack(where);
  throw ErrorException(std::move(error));
}

TError FromException(const std::exception& ex) {
  if (const auto* own = dynamic_cast<const ErrorException*>(&ex)) return own->error();
  TError e;
  e.subSystem = QStringLiteral("C++");
  e.description = QString::fromLocal8Bit(ex.what());
  e.operation = QString::fromLatin1(typeid(ex).name());
  e.canDefault = true;
  return e;
}

TError FromUnknownException() {
  TError e;
  e.subSystem = QStringLiteral("C++");
  e.description = QStringLiteral("Excepción desconocida");
  e.canDefault = true;
  return e;
}

bool NetworkError() { return g_network; }
void ResetNetworkError() { g_network = false; }
void SetAnswerForTests(std::function<ErrorChoice(const TError&)> answer) { g_answer = std::move(answer); }
void SetQuitAction(std::function<void()> quit) { g_quit = std::move(quit); }

}  // namespace ErrorSys
