#pragma once
// Start-up: title, icon, session keys, the terminal type in config.ini, the login window,
// and the event loop until no visible window remains.
#include <functional>

#include <QStringList>
class TForm;

// Makes the login window (constructed, not yet shown). The screens layer provides it.
using LoginFactory = std::function<TForm*()>;

// The whole program: scaling, the application object, then PortalRun. Returns the exit status.
int PortalMain(int argc, char** argv, const LoginFactory& makeLogin);

// Start-up on an existing application object with the program's arguments (the first is
// the program itself); returns when no window remains visible.
int PortalRun(const QStringList& arguments, const LoginFactory& makeLogin);

// The login window calls this once it is painted, before its connection and update run. With
// PORTAL_SALIR_TRAS_LOGIN set (start-up timing in bench/) it prints "shown"; PortalRun then
// prints "ready" once the login window can take a login, and returns.
void PortalLoginPainted();
