#pragma once
// The names of every report template the screens open from FReports/ (a test keeps this list in
// step with the names in the screens' code).
#include <QStringList>

namespace ReportNames {

const QStringList& All();

}  // namespace ReportNames
