#pragma once
// Opens documents with the desktop's viewer and keeps track of the viewers it started,
// so that closing a screen or logging out can close them before their files are deleted.
#include <QString>

namespace DocumentOpener {

// Starts the viewer for the file. The viewer is the command in PORTAL_DOCUMENT_VIEWER
// ("%f" stands for the file) or the desktop's default application for the file's type;
// without either, the desktop opener is asked (such a viewer is not tracked).
bool Open(const QString& path);

// Closes every viewer this program started that is still running.
void CloseAll();

// Viewers started by this program that are still running.
int RunningCount();

}  // namespace DocumentOpener
