#pragma once
// Runs the engine's modal windows (preview, designer). Tests may take the window instead
// of running its event loop: the hook receives the ready window and returns its result.
#include <functional>

class QDialog;

namespace ReportModal {

int Exec(QDialog& dialog);
void SetHookForTests(std::function<int(QDialog&)> hook);  // empty function: real modal loop

}  // namespace ReportModal
