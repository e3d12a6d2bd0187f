#pragma once
// The application object of the program: an exception that escapes an event handler goes to
// the general error handler. "&Reintentar" delivers the event again, "&Ignorar" drops it.
#include <QApplication>
#include <functional>

class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  bool notify(QObject* receiver, QEvent* event) override;

  // Runs `deliver`; an exception goes to the handler, which may have it run again.
  static bool Deliver(const std::function<bool()>& deliver);
};
