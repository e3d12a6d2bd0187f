#pragma once
// Opens documents and keeps track of every viewer it opened, so that closing a screen or
// logging out closes them before their files are deleted.
//
// PDFs and pictures open in the portal's own viewer (TVisorDocumento); office documents too,
// once LibreOffice has turned them into PDF (OfficeConversion). A site that wants an
// external viewer names its command in PORTAL_DOCUMENT_VIEWER ("%f" stands for the file);
// such a viewer is started in a process group of its own and closed with it. Any other file
// type without a configured viewer gets a message, and nothing is started.
#include <QList>
#include <QString>

class TVisorDocumento;

namespace DocumentOpener {

// False when the file is missing or cannot be shown (the reason already told the user,
// except for a missing file, which the caller reports).
bool Open(const QString& path);

// Whether a terminal's own viewer can show a file of this kind (PDF, picture, office format).
bool CanShow(const QString& path);
// What the administrator is told of a policy file no terminal can show.
QString SinVisorEnTerminales();

// Closes every viewer this program opened that is still open.
void CloseAll();

// Viewers opened by this program that are still open (windows and processes).
int RunningCount();

// The portal's own viewer windows still open, oldest first.
QList<TVisorDocumento*> Viewers();

}  // namespace DocumentOpener
