#pragma once
// Every key config.ini may hold, with the values it may take: one table for the terminal check
// and the start-up's scale setting.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace ConfigKeys {

enum class Kind {
  Text,      // any text
  Required,  // any text, not empty
  Choice,    // one of `choices` (without regard to case); empty allowed when `choices` holds ""
  Scale,     // empty (automatic), "No" (off) or a factor
  Secret,    // any text, never shown
};

struct Key {
  const char* section;
  const char* name;
  Kind kind;
  QStringList choices = {};
};

const QList<Key>& All();

// The key of that section and name (without regard to case), or null.
const Key* Find(const QString& section, const QString& name);

// Empty when the value is one the key takes, else what is wrong with it (in Spanish).
QString Problem(const Key& key, const QString& value);

// [VARIABLES] Escala: the factor it fixes, 0 for "No" (no scaling), or nothing for automatic.
// A value that is not a factor in the accepted range counts as automatic.
std::optional<double> FixedScale(const QString& value);
constexpr double kMinScale = 0.25;
constexpr double kMaxScale = 8.0;

}  // namespace ConfigKeys
