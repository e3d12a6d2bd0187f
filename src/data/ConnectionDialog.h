#pragma once
// Our connection dialog: server, database, user, password and Windows authentication. It builds
// a connection for this run only (config.ini is not touched). Tests answer it through a hook;
// while message boxes are captured and no hook is set, it is cancelled without showing.
#include <QString>
#include <functional>
#include <optional>

struct ConnectionChoice {
  QString server;
  QString database;
  QString user;
  QString password;
  bool windowsAuthentication = false;
};

namespace ConnectionDialog {

std::optional<ConnectionChoice> Ask(const ConnectionChoice& initial);

// The hook receives the values the dialog would start with and returns the user's answer.
void SetHookForTests(std::function<std::optional<ConnectionChoice>(const ConnectionChoice&)> hook);

}  // namespace ConnectionDialog
