#pragma once
// The temporary files of the report and receipt screens carry the prefix "TEMP" and live in
// the working directory until the screen closes or the employee logs out.
#include <QString>

namespace TempFiles {

// Closes the document viewers this program started, then deletes every "TEMP*.*" file of
// the working directory, ignoring files that cannot be deleted.
void CloseViewersAndDelete();

}  // namespace TempFiles
