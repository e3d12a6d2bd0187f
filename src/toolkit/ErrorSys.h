#pragma once
// The general error handler: errors that no routine traps end here.
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <exception>
#include <functional>
#include <source_location>

struct TError {
  int severity = 2;            // 1 warning, 2 error
  QString subSystem = QStringLiteral("BASE");
  int subCode = 0;
  int genCode = 0;
  QString description;
  QString operation;
  QVariantList args;
  QString filename;
  int osCode = 0;
  bool canRetry = false;
  bool canDefault = false;
  bool lockError = false;       // a failed file or record lock: handled quietly
  QStringList callStack;        // "Routine(line)" from innermost out; filled by the handler when empty
};

enum class ErrorChoice { Quit, Retry, Default };

// An error raised as an exception; the guarded application object hands it to the handler.
class ErrorException : public std::exception {
 public:
  explicit ErrorException(TError error) : m_error(std::move(error)), m_what(m_error.description.toUtf8()) {}
  const TError& error() const { return m_error; }
  const char* what() const noexcept override { return m_what.constData(); }

 private:
  TError m_error;
  QByteArray m_what;
};

namespace ErrorSys {

// Writes "Error.log" anew in the working directory, shows the modal error window and
// returns the user's choice. Quit ends the program with exit status 1 (see SetQuitAction).
// Quiet lock errors set the network-error flag and return Default without a window.
ErrorChoice Handle(const TError& error, std::source_location where = std::source_location::current());

// Runs `operation` until it succeeds; on failure (it returns false and fills the error)
// asks the handler: Retry runs it again, Default returns false, Quit ends the program.
bool Guard(const std::function<bool(TError&)>& operation,
           std::source_location where = std::source_location::current());

// Throws an ErrorException carrying the error and the call stack of `where` (for code that
// cannot return a failure); the guarded application object hands it to Handle.
[[noreturn]] void Raise(TError error, std::source_location where = std::source_location::current());

// An untrapped C++ exception as an error of the handler.
TError FromException(const std::exception& e);
TError FromUnknownException();

bool NetworkError();
void ResetNetworkError();

// The text written to "Error.log" and the message of the error window.
QString LogText(const TError& error, const QStringList& callStack);
QString Message(const TError& error, const QStringList& callStack);
// "Routine(line)" levels from `where` outwards: the failing routine, then its callers.
QStringList CallStack(std::source_location where);

// Build text shown in the log when set (for example a commit or a date).
void SetBuild(const QString& build);

// Seams for tests: answer the error window without showing it, and replace the
// program end of "&Salir" (the default calls std::exit(1)).
void SetAnswerForTests(std::function<ErrorChoice(const TError&)> answer);
void SetQuitAction(std::function<void()> quit);

}  // namespace ErrorSys
