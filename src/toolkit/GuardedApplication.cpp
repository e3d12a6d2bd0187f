#include "toolkit/GuardedApplication.h"

#include "toolkit/ErrorSys.h"

bool GuardedApplication::Deliver(const std::function<bool()>& deliver) {
  for (;;) {
    TError error;
    try {
      return deliver();
    } catch (const std::exception& e) {
      error = ErrorSys::FromException(e);
    } catch (...) {
      error = ErrorSys::FromUnknownException();
    }
    error.canRetry = true;
    if (ErrorSys::Handle(error) != ErrorChoice::Retry) return false;
  }
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  return Deliver([&] { return QApplication::notify(receiver, event); });
}
