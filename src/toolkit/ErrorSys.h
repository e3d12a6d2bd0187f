#pragma once
// The general error handler: errors that no routine traps end here.
#include <QString>
#include <QStringList>
#include <QVariantList>
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

namespace ErrorSys {

// Writes "Error.log" anew in the working directory, shows the modal error window and
// returns the user's choice. Quit ends the program with exit status 1 (see SetQuitAction).
// Quiet lock errors set the network-error flag and return Default without a window.
ErrorChoice Handle(const TError& error, std::source_location where = std::source_location::current());

// Runs `operation` until it succeeds; on failure (it returns false and fills the error)
// asks the handler: Retry runs it again, Default returns false, Quit ends the program.
bool Guard(const std::function<bool(TError&)>& operation,
           std::source_location where = std::source_location::current());

bool NetworkError();
void ResetNetworkError();

// Seams for tests: answer the error window without showing it, and replace the
// program end of "&Salir" (the default calls std::exit(1)).
void SetAnswerForTests(std::function<ErrorChoice(const TError&)> answer);
void SetQuitAction(std::function<void()> quit);

}  // namespace ErrorSys
