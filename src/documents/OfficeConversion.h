#pragma once
// Policies in office formats shown in the portal's own viewer: LibreOffice without a display
// (`soffice --headless --convert-to pdf`) turns them into a PDF in a private TEMP folder of the
// terminal folder, with a LibreOffice profile of its own there. A conversion is reused while
// its source is unchanged; everything goes at logout (Discard). While it runs the employee
// sees TConvirtiendo and the screens keep drawing; past the time limit it is stopped.
#include <QString>

namespace OfficeConversion {

// Whether the file's extension is one LibreOffice turns into PDF here.
bool IsOfficeFile(const QString& path);

// Whether LibreOffice (soffice) can be run on this terminal.
bool Available();

// The PDF of `source`, or empty after telling the employee why not.
QString ToPdf(const QString& source);

// Forgets every conversion and deletes the folder with them.
void Discard();

// The private folder while it exists, else empty.
QString Folder();

constexpr int kLimiteMs = 90000;
void SetTimeLimitForTests(int ms);  // 0: kLimiteMs

QString NoEsValido();
QString Tardo();
QString NoSePudo();

}  // namespace OfficeConversion
