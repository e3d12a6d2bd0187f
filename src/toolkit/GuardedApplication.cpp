#include "toolkit/GuardedApplication.h"

#include "toolkit/ErrorSys.h"

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  for (;;) {
    TError error;
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      error = ErrorSys::FromException(e);
    } catch (...) {
      error = ErrorSys::FromUnknownException();
    }
    error.canRetry = true;
    if (ErrorSys::Handle(error) != ErrorChoice::Retry) return false;
  }
}
