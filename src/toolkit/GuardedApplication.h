#pragma once
// The application object of the program: an exception that escapes an event handler goes to
// the general error handler. "&Reintentar" delivers the event again, "&Ignorar" drops it.
#include <QApplication>

class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  bool notify(QObject* receiver, QEvent* event) override;
};
