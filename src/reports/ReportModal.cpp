#include "reports/ReportModal.h"

#include <QDialog>

namespace {
std::function<int(QDialog&)>& Hook() {
  static std::function<int(QDialog&)> hook;
  return hook;
}
}  // namespace

namespace ReportModal {

int Exec(QDialog& dialog) { return Hook() ? Hook()(dialog) : dialog.exec(); }
void SetHookForTests(std::function<int(QDialog&)> hook) { Hook() = std::move(hook); }

}  // namespace ReportModal
