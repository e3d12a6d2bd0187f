#include "reports/ReportModal.h"

#include <QDialog>

#include "toolkit/IdleLogout.h"

namespace {
std::function<int(QDialog&)>& Hook() {
  static std::function<int(QDialog&)> hook;
  return hook;
}
}  // namespace

namespace ReportModal {

int Exec(QDialog& dialog) {
  if (IdleLogout::Closing()) return QDialog::Rejected;  // an idle session is being closed
  return Hook() ? Hook()(dialog) : dialog.exec();
}
void SetHookForTests(std::function<int(QDialog&)> hook) { Hook() = std::move(hook); }

}  // namespace ReportModal
