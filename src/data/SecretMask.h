#pragma once
// Statements that carry a scrambled password (employee login, the administrator check,
// password changes, the company list of the reports screen, the mail settings) are kept in
// the statement journal with that value masked, as connection texts keep theirs.
#include <QString>

namespace SecretMask {

// The statement with every password literal replaced by '***'; other statements unchanged.
QString Masked(const QString& statement);

}  // namespace SecretMask
