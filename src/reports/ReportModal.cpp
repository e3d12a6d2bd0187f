#include "reports/ReportModal.h"

#include <QDialog>
#include <QPointer>

#include "toolkit/IdleLogout.h"
#include "toolkit/Modality.h"

namespace {
std::function<int(QDialog&)>& Hook() {
  static std::function<int(QDialog&)> hook;
  return hook;
}
}  // namespace

namespace ReportModal {

int Exec(QDialog& dialog) {
  if (IdleLogout::Closing()) return QDialog::Rejected;  // an idle session is being closed
  // Kept above the screen that opened it, which takes the touches again however it closes.
  QPointer<QWidget> opener = Modality::Opener();
  const bool adopted = Modality::Adopt(dialog, opener);
  const int result = Hook() ? Hook()(dialog) : dialog.exec();
  Modality::Return(opener, adopted ? &dialog : nullptr);
  return result;
}
void SetHookForTests(std::function<int(QDialog&)> hook) { Hook() = std::move(hook); }

}  // namespace ReportModal
