#pragma once
class QApplication;
// Start-up: title, icon, session keys, the terminal type in config.ini, the login window,
// and the event loop until no visible window remains. Returns the exit status.
int PortalMain(QApplication& app);
