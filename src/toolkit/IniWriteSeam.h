#pragma once
// Test seam of TIni's writes: called after the new contents are in the temporary file and
// before it replaces the INI file; returning false abandons the write there, as a power cut
// between the two steps would.
#include <QString>
#include <functional>

namespace IniWriteSeam {

void SetBeforeReplace(std::function<bool(const QString& file)> hook);  // empty: no hook

}  // namespace IniWriteSeam
