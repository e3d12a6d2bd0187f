#pragma once
// The report expression language: parsed once into a tree, evaluated per row.
//   literals  'text' (quotes doubled inside), 12, 3.5
//   names     NOMBRE.002, Datos.NOMBRE.002, NombreE, "Registro Patronal" (names with blanks)
//   operators & (join), + - * /, = <> < > <= >=, and, or, not, ( )
//   functions IIF, FORMATNUM, MONEY, FORMATDATE, LONGDATE, NUMTOWORDS, UPPER, LOWER, TRIM,
//             LEN, SUBSTR, VAL, STR, EMPTY, SUM, COUNT,
//             ANY(name, name, ...): the first of the names that is defined (screens name some
//             variables differently), empty when none is
//   system    PAGE, TOTALPAGES, DATE, TIME, LINE
#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

struct ExprNode;
using ExprPtr = std::shared_ptr<const ExprNode>;

enum class SysValue { Page, TotalPages, Date, Time, Line };

// What names mean while an expression is evaluated.
class ExprScope {
 public:
  virtual ~ExprScope() = default;
  // A field or variable by name; `known` false when the name means nothing.
  virtual QVariant Lookup(const QString& name, bool& known) = 0;
  // Whether a name means a field or variable, without complaining when it does not.
  virtual bool Knows(const QString& name) = 0;
  virtual QVariant System(SysValue which) = 0;
  // Current value of an aggregate (SUM/COUNT) node, kept by the layout.
  virtual QVariant Aggregate(const ExprNode* node) = 0;
};

struct ExprNode {
  enum class Kind { Literal, Name, Unary, Binary, Call, System, Aggregate, Invalid };
  Kind kind = Kind::Invalid;
  QVariant value;      // Literal
  QString text;        // Name, operator, function name, or the faulty source for Invalid
  SysValue sys = SysValue::Page;
  QList<ExprPtr> args;
};

namespace Expr {

// Parses one expression. A syntax error gives an Invalid node (printed as a marker) and an error text.
ExprPtr Parse(const QString& source, QString* error = nullptr);

// Parses a text with [expression] parts; "[[" stands for a literal "[".
// The result joins the literal parts and expressions with "&".
ExprPtr ParseTemplateText(const QString& text, QString* error = nullptr);

QVariant Eval(const ExprNode& node, ExprScope& scope);

// The visible marker printed for a name that means nothing or an expression that does not parse.
QString Marker(const QString& what);

// Every aggregate node under `node`, so the layout can keep their running values.
void CollectAggregates(const ExprPtr& node, QList<const ExprNode*>& out);

// Text form of a value as printed: numbers without trailing zeros, dates dd/MM/yyyy.
QString Print(const QVariant& value);
bool Truth(const QVariant& value);

}  // namespace Expr
