#pragma once
// The temporary files of the report and receipt screens carry the prefix "TEMP" and live in
// the working directory until the screen closes or the employee logs out; mail attachments
// are written into private "TEMPcorreo-*" folders there. A crash may leave either behind.
#include <QString>
#include <QTemporaryDir>

namespace TempFiles {

// Deletes every "TEMP*" file of the working directory (names without a dot included) and
// every "TEMPcorreo-*" and "TEMPdocumentos-*" folder with its contents, ignoring what cannot
// be deleted.
void Delete();

// Closes the document viewers this program opened, forgets the converted office documents,
// then deletes as above.
void CloseViewersAndDelete();

// A private folder "TEMPcorreo-XXXXXX" in the working directory for files written only to be
// mailed. It goes, with everything in it, when the object goes: on every path out of a send.
class MailFolder {
 public:
  MailFolder();
  bool IsValid() const { return m_dir.isValid(); }
  // A path inside the folder for a plain file name (stored names pass through FileNames::Safe
  // first); empty when the folder could not be made.
  QString FilePath(const QString& name) const;

 private:
  QTemporaryDir m_dir;
};

}  // namespace TempFiles
