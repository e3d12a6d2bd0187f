#pragma once
// The temporary files of the report and receipt screens carry the prefix "TEMP" and live in
// the working directory until the screen closes or the employee logs out; mail attachments
// are written into private "TEMPcorreo-*" folders there. A crash may leave either behind.
#include <QString>

namespace TempFiles {

// Deletes every "TEMP*" file of the working directory (names without a dot included) and
// every "TEMPcorreo-*" folder with its contents, ignoring what cannot be deleted.
void Delete();

// Closes the document viewers this program opened, then deletes as above.
void CloseViewersAndDelete();

}  // namespace TempFiles
