#pragma once
// The report engine's own message box for errors raised while a report is built.
#include <QString>

#include "toolkit/ErrorSys.h"

namespace ReportMessages {

// "Error" or "Warning", subsystem "/" sub-code, description, file or operation; missing parts
// print as "???".
QString ErrorText(const TError& error);

// "Error" with a stop icon when the severity is above 1, else "Warning" with a warning icon.
void ShowError(const TError& error);

}  // namespace ReportMessages
