#pragma once
// Reading the procedure statements of the dialect: CREATE/ALTER/DROP PROCEDURE batches and
// exec calls with positional and named (@name=value) arguments.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace ProcedureText {

struct Parameter {
  QString name;  // with its leading @
  QString type;  // as declared, lower case, e.g. "varchar(20)"
  bool hasDefault = false;
  QString defaultValue;       // literal text of the default (quotes removed)
  bool defaultIsNull = false;
};

struct Definition {
  QString name;  // without dbo. or brackets
  QList<Parameter> parameters;
  QString body;  // the statements, without a BEGIN ... END around them
  bool replace = false;  // ALTER or CREATE OR ALTER
};

// "CREATE [OR ALTER] PROCEDURE [dbo.]Name @p type [= default], ... AS body" (also "ALTER",
// "PROC"). Empty when the statement is not one; `error` set when it is one but malformed.
std::optional<Definition> ParseCreate(const QString& batch, QString* error);

// "DROP PROCEDURE [IF EXISTS] [dbo.]Name".
struct Drop {
  QString name;
  bool ifExists = false;
};
std::optional<Drop> ParseDrop(const QString& statement);

struct Argument {
  enum class Kind { Text, Bare, Null, Default, Variable };
  Kind kind = Kind::Bare;
  QString name;   // "@name" for a named argument, empty for a positional one
  QString value;  // text without quotes; the variable name for Kind::Variable
};

struct Call {
  QString name;
  QList<Argument> arguments;
};

// "exec|execute [dbo.]Name args". With `bareName` the exec word may be missing (a procedure
// name as the first word of a batch). Empty when the text is not a call; `error` set when
// the arguments cannot be read.
std::optional<Call> ParseCall(const QString& statement, bool bareName, QString* error);

// Name without "dbo." and brackets.
QString PlainName(const QString& name);

}  // namespace ProcedureText
