#pragma once
// File names that come from stored data are used only as plain names inside a folder.
#include <QString>

namespace FileNames {

// The last path element of `stored`, without characters a file name cannot hold, without
// leading dots and blanks; empty when nothing usable is left (".", "..", "/", "").
QString Safe(const QString& stored);

}  // namespace FileNames
