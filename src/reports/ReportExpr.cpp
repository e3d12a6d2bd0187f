#include "reports/ReportExpr.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QTime>
#include <cmath>

#include "reports/ReportFormat.h"
#include "toolkit/TextUtil.h"

namespace {

struct Token {
  enum Type { End, Number, String, Name, Op, LParen, RParen, Comma, Bad } type = End;
  QString text;
  double number = 0;
};

bool IsNameStart(QChar c) { return c.isLetter() || c == u'_'; }
bool IsNamePart(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'.'; }

class Lexer {
 public:
  explicit Lexer(const QString& s) : m_s(s) {}

  Token Next() {
    while (m_i < m_s.size() && m_s[m_i].isSpace()) ++m_i;
    Token t;
    if (m_i >= m_s.size()) return t;
    const QChar c = m_s[m_i];
    if (c.isDigit() || (c == u'.' && m_i + 1 < m_s.size() && m_s[m_i + 1].isDigit())) {
      const qsizetype start = m_i;
      while (m_i < m_s.size() && (m_s[m_i].isDigit() || m_s[m_i] == u'.')) ++m_i;
      bool ok = false;
      t.number = m_s.mid(start, m_i - start).toDouble(&ok);
      t.type = ok ? Token::Number : Token::Bad;
      t.text = m_s.mid(start, m_i - start);
      return t;
    }
    if (c == u'\'' || c == u'"') {  // 'text' or "name with blanks"; the quote doubled inside
      ++m_i;
      QString text;
      for (;;) {
        if (m_i >= m_s.size()) { t.type = Token::Bad; t.text = QStringLiteral("texto sin cerrar"); return t; }
        if (m_s[m_i] == c) {
          if (m_i + 1 < m_s.size() && m_s[m_i + 1] == c) { text += c; m_i += 2; continue; }
          ++m_i;
          break;
        }
        text += m_s[m_i++];
      }
      t.type = c == u'\'' ? Token::String : Token::Name;
      t.text = text;
      return t;
    }
    if (IsNameStart(c)) {
      const qsizetype start = m_i;
      while (m_i < m_s.size() && IsNamePart(m_s[m_i])) ++m_i;
      t.type = Token::Name;
      t.text = m_s.mid(start, m_i - start);
      return t;
    }
    ++m_i;
    switch (c.unicode()) {
      case '(': t.type = Token::LParen; return t;
      case ')': t.type = Token::RParen; return t;
      case ',': t.type = Token::Comma; return t;
      case '&': case '+': case '-': case '*': case '/': case '=':
        t.type = Token::Op; t.text = c; return t;
      case '<': case '>':
        t.type = Token::Op;
        t.text = c;
        if (m_i < m_s.size() && (m_s[m_i] == u'=' || (c == u'<' && m_s[m_i] == u'>'))) t.text += m_s[m_i++];
        return t;
      default:
        t.type = Token::Bad;
        t.text = c;
        return t;
    }
  }

 private:
  const QString& m_s;
  qsizetype m_i = 0;
};

std::shared_ptr<ExprNode> MakeNode(ExprNode::Kind kind) {
  auto n = std::make_shared<ExprNode>();
  n->kind = kind;
  return n;
}

const QHash<QString, SysValue>& SystemNames() {
  static const QHash<QString, SysValue> names = {{"PAGE", SysValue::Page}, {"TOTALPAGES", SysValue::TotalPages},
                                                  {"DATE", SysValue::Date}, {"TIME", SysValue::Time},
                                                  {"LINE", SysValue::Line}};
  return names;
}

const QHash<QString, std::pair<int, int>>& Functions() {  // name -> {min args, max args}
  static const QHash<QString, std::pair<int, int>> functions = {
      {"IIF", {3, 3}},       {"FORMATNUM", {1, 2}}, {"MONEY", {1, 1}}, {"FORMATDATE", {1, 2}},
      {"LONGDATE", {1, 1}},  {"NUMTOWORDS", {1, 1}}, {"UPPER", {1, 1}}, {"LOWER", {1, 1}},
      {"TRIM", {1, 1}},      {"LEN", {1, 1}},       {"SUBSTR", {2, 3}}, {"VAL", {1, 1}},
      {"STR", {1, 2}},       {"EMPTY", {1, 1}},     {"SUM", {1, 1}},   {"COUNT", {0, 0}},
      {"ANY", {1, 16}}};
  return functions;
}

class Parser {
 public:
  explicit Parser(const QString& source) : m_lexer(source) { Advance(); }

  ExprPtr ParseAll() {
    ExprPtr e = Or();
    if (m_tok.type != Token::End) Fail(QStringLiteral("sobra '%1'").arg(m_tok.text));
    return e;
  }
  const QString& Error() const { return m_error; }

 private:
  void Advance() { m_tok = m_lexer.Next(); }
  void Fail(const QString& why) {
    if (m_error.isEmpty()) m_error = why;
  }
  bool IsOp(const char* op) const { return m_tok.type == Token::Op && m_tok.text == QLatin1String(op); }
  bool IsWord(const char* word) const {
    return m_tok.type == Token::Name && m_tok.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
  }
  ExprPtr Binary(const QString& op, ExprPtr a, ExprPtr b) {
    auto n = MakeNode(ExprNode::Kind::Binary);
    n->text = op;
    n->args = {std::move(a), std::move(b)};
    return n;
  }

  ExprPtr Or() {
    ExprPtr left = And();
    while (IsWord("or")) { Advance(); left = Binary(QStringLiteral("or"), left, And()); }
    return left;
  }
  ExprPtr And() {
    ExprPtr left = Not();
    while (IsWord("and")) { Advance(); left = Binary(QStringLiteral("and"), left, Not()); }
    return left;
  }
  ExprPtr Not() {
    if (IsWord("not")) {
      Advance();
      auto n = MakeNode(ExprNode::Kind::Unary);
      n->text = QStringLiteral("not");
      n->args = {Not()};
      return n;
    }
    return Comparison();
  }
  ExprPtr Comparison() {
    ExprPtr left = Join();
    while (IsOp("=") || IsOp("<>") || IsOp("<") || IsOp(">") || IsOp("<=") || IsOp(">=")) {
      const QString op = m_tok.text;
      Advance();
      left = Binary(op, left, Join());
    }
    return left;
  }
  ExprPtr Join() {
    ExprPtr left = Additive();
    while (IsOp("&")) { Advance(); left = Binary(QStringLiteral("&"), left, Additive()); }
    return left;
  }
  ExprPtr Additive() {
    ExprPtr left = Term();
    while (IsOp("+") || IsOp("-")) {
      const QString op = m_tok.text;
      Advance();
      left = Binary(op, left, Term());
    }
    return left;
  }
  ExprPtr Term() {
    ExprPtr left = Unary();
    while (IsOp("*") || IsOp("/")) {
      const QString op = m_tok.text;
      Advance();
      left = Binary(op, left, Unary());
    }
    return left;
  }
  ExprPtr Unary() {
    if (IsOp("-")) {
      Advance();
      auto n = MakeNode(ExprNode::Kind::Unary);
      n->text = QStringLiteral("-");
      n->args = {Unary()};
      return n;
    }
    return Primary();
  }
  ExprPtr Primary() {
    Token t = m_tok;
    switch (t.type) {
      case Token::Number: {
        Advance();
        auto n = MakeNode(ExprNode::Kind::Literal);
        n->value = t.number;
        return n;
      }
      case Token::String: {
        Advance();
        auto n = MakeNode(ExprNode::Kind::Literal);
        n->value = t.text;
        return n;
      }
      case Token::LParen: {
        Advance();
        ExprPtr e = Or();
        if (m_tok.type != Token::RParen) Fail(QStringLiteral("falta ')'"));
        else Advance();
        return e;
      }
      case Token::Name: {
        Advance();
        const QString upper = t.text.toUpper();
        if (m_tok.type == Token::LParen && Functions().contains(upper)) return Call(upper);
        if (SystemNames().contains(upper)) {
          auto n = MakeNode(ExprNode::Kind::System);
          n->sys = SystemNames().value(upper);
          n->text = upper;
          return n;
        }
        auto n = MakeNode(ExprNode::Kind::Name);
        n->text = t.text;
        return n;
      }
      case Token::End: Fail(QStringLiteral("expresión incompleta")); break;
      default: Fail(QStringLiteral("'%1' inesperado").arg(t.text)); break;
    }
    Advance();
    return MakeNode(ExprNode::Kind::Invalid);
  }
  ExprPtr Call(const QString& name) {
    Advance();  // '('
    QList<ExprPtr> args;
    if (m_tok.type != Token::RParen) {
      for (;;) {
        args << Or();
        if (m_tok.type != Token::Comma) break;
        Advance();
      }
    }
    if (m_tok.type != Token::RParen) Fail(QStringLiteral("falta ')' en %1").arg(name));
    else Advance();
    const auto [least, most] = Functions().value(name);
    if (args.size() < least || args.size() > most) Fail(QStringLiteral("%1 con %2 argumentos").arg(name).arg(args.size()));
    auto n = MakeNode(name == u"SUM" || name == u"COUNT" ? ExprNode::Kind::Aggregate : ExprNode::Kind::Call);
    n->text = name;
    n->args = args;
    return n;
  }

  Lexer m_lexer;
  Token m_tok;
  QString m_error;
};

ExprPtr InvalidNode(const QString& source) {
  auto n = MakeNode(ExprNode::Kind::Invalid);
  n->text = source;
  return n;
}

ExprPtr TextLiteral(const QString& text) {
  auto n = MakeNode(ExprNode::Kind::Literal);
  n->value = text;
  return n;
}

double Num(const QVariant& v) {
  double d = 0;
  if (ReportFormat::AsNumber(v, d)) return d;
  if (v.typeId() == QMetaType::Bool) return v.toBool() ? 1 : 0;
  return Text::Val(v.toString());
}

bool IsNumeric(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Long: case QMetaType::Short:
      return true;
    default: return false;
  }
}

int Compare(const QVariant& a, const QVariant& b) {
  double x = 0, y = 0;
  if ((IsNumeric(a) || IsNumeric(b)) && ReportFormat::AsNumber(a, x) && ReportFormat::AsNumber(b, y))
    return x < y ? -1 : (x > y ? 1 : 0);
  const QDate da = a.typeId() == QMetaType::QDate ? a.toDate() : QDate();
  const QDate db = b.typeId() == QMetaType::QDate ? b.toDate() : QDate();
  if (da.isValid() && db.isValid()) return da < db ? -1 : (da > db ? 1 : 0);
  return QString::compare(Expr::Print(a).trimmed(), Expr::Print(b).trimmed(), Qt::CaseSensitive);
}

QVariant CallFunction(const ExprNode& node, ExprScope& scope) {
  const QString& f = node.text;
  auto arg = [&](int i) { return Expr::Eval(*node.args[i], scope); };
  if (f == u"ANY") {
    for (const ExprPtr& a : node.args)
      if (a->kind != ExprNode::Kind::Name || scope.Knows(a->text)) return Expr::Eval(*a, scope);
    return QString();
  }
  if (f == u"IIF") return Expr::Truth(arg(0)) ? arg(1) : arg(2);
  if (f == u"FORMATNUM") return ReportFormat::Number(Num(arg(0)), node.args.size() > 1 ? int(Num(arg(1))) : 2);
  if (f == u"MONEY") return ReportFormat::Money(Num(arg(0)));
  if (f == u"FORMATDATE") return ReportFormat::Date(arg(0), node.args.size() > 1 ? Expr::Print(arg(1)) : QString());
  if (f == u"LONGDATE") return ReportFormat::LongDate(arg(0));
  if (f == u"NUMTOWORDS") return ReportFormat::AmountInWords(Num(arg(0)));
  if (f == u"UPPER") return Expr::Print(arg(0)).toUpper();
  if (f == u"LOWER") return Expr::Print(arg(0)).toLower();
  if (f == u"TRIM") return Expr::Print(arg(0)).trimmed();
  if (f == u"LEN") return double(Expr::Print(arg(0)).size());
  if (f == u"SUBSTR") {
    const QString s = Expr::Print(arg(0));
    const int start = std::max(1, int(Num(arg(1))));
    return node.args.size() > 2 ? s.mid(start - 1, std::max(0, int(Num(arg(2))))) : s.mid(start - 1);
  }
  if (f == u"VAL") return Num(arg(0));
  if (f == u"STR") return node.args.size() > 1 ? QString::number(Num(arg(0)), 'f', std::clamp(int(Num(arg(1))), 0, 6))
                                             : Expr::Print(arg(0));
  if (f == u"EMPTY") return Expr::Print(arg(0)).trimmed().isEmpty();
  return {};
}

}  // namespace

namespace Expr {

ExprPtr Parse(const QString& source, QString* error) {
  Parser parser(source);
  ExprPtr e = parser.ParseAll();
  if (!parser.Error().isEmpty()) {
    if (error) *error = parser.Error();
    return InvalidNode(source);
  }
  return e;
}

ExprPtr ParseTemplateText(const QString& text, QString* error) {
  QList<ExprPtr> parts;
  QString literal;
  qsizetype i = 0;
  while (i < text.size()) {
    const QChar c = text[i];
    if (c == u'[' && i + 1 < text.size() && text[i + 1] == u'[') { literal += u'['; i += 2; continue; }
    if (c != u'[') { literal += c; ++i; continue; }
    // Find the closing bracket, skipping brackets inside quoted texts.
    qsizetype j = i + 1;
    QChar quote;
    int depth = 1;
    for (; j < text.size(); ++j) {
      const QChar d = text[j];
      if (!quote.isNull()) { if (d == quote) quote = QChar(); continue; }
      if (d == u'\'' || d == u'"') quote = d;
      else if (d == u'[') ++depth;
      else if (d == u']' && --depth == 0) break;
    }
    if (j >= text.size()) {
      if (error && error->isEmpty()) *error = QStringLiteral("falta ']'");
      if (!literal.isEmpty()) parts << TextLiteral(literal);
      literal.clear();
      parts << InvalidNode(text.mid(i));
      break;
    }
    if (!literal.isEmpty()) parts << TextLiteral(literal);
    literal.clear();
    QString why;
    parts << Parse(text.mid(i + 1, j - i - 1), &why);
    if (!why.isEmpty() && error && error->isEmpty()) *error = why;
    i = j + 1;
  }
  if (!literal.isEmpty() || parts.isEmpty()) parts << TextLiteral(literal);
  if (parts.size() == 1 && parts[0]->kind == ExprNode::Kind::Literal) return parts[0];
  // A single expression keeps its own value (a number stays a number).
  if (parts.size() == 1) return parts[0];
  ExprPtr joined = parts[0];
  for (qsizetype k = 1; k < parts.size(); ++k) {
    auto n = MakeNode(ExprNode::Kind::Binary);
    n->text = QStringLiteral("&");
    n->args = {joined, parts[k]};
    joined = n;
  }
  return joined;
}

QString Marker(const QString& what) { return QStringLiteral("¿%1?").arg(what); }

QString Print(const QVariant& value) {
  if (!value.isValid() || value.isNull()) return QString();
  switch (value.typeId()) {
    case QMetaType::Double: case QMetaType::Float: {
      const double d = value.toDouble();
      if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15) return QString::number(qint64(d));
      return QString::number(d, 'f', 6).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
    }
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("Si") : QStringLiteral("No");
    case QMetaType::QDate: return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QDateTime: return value.toDateTime().date().toString(QStringLiteral("dd/MM/yyyy"));
    default: return value.toString();
  }
}

bool Truth(const QVariant& value) {
  if (value.typeId() == QMetaType::Bool) return value.toBool();
  if (IsNumeric(value)) return value.toDouble() != 0;
  const QString s = value.toString().trimmed();
  return !s.isEmpty() && s != u"0" && s.compare(u"false", Qt::CaseInsensitive) != 0 &&
         s.compare(u"No", Qt::CaseInsensitive) != 0 && s != u"N" && s != u".F.";
}

QVariant Eval(const ExprNode& node, ExprScope& scope) {
  switch (node.kind) {
    case ExprNode::Kind::Literal: return node.value;
    case ExprNode::Kind::Invalid: return Marker(node.text);
    case ExprNode::Kind::System: return scope.System(node.sys);
    case ExprNode::Kind::Aggregate: return scope.Aggregate(&node);
    case ExprNode::Kind::Call: return CallFunction(node, scope);
    case ExprNode::Kind::Name: {
      bool known = false;
      QVariant v = scope.Lookup(node.text, known);
      return known ? v : QVariant(Marker(node.text));
    }
    case ExprNode::Kind::Unary: {
      const QVariant v = Eval(*node.args[0], scope);
      if (node.text == u"not") return !Truth(v);
      return -Num(v);
    }
    case ExprNode::Kind::Binary: {
      const QString& op = node.text;
      if (op == u"and") return Truth(Eval(*node.args[0], scope)) && Truth(Eval(*node.args[1], scope));
      if (op == u"or") return Truth(Eval(*node.args[0], scope)) || Truth(Eval(*node.args[1], scope));
      const QVariant a = Eval(*node.args[0], scope);
      const QVariant b = Eval(*node.args[1], scope);
      if (op == u"&") return Print(a) + Print(b);
      if (op == u"+") return IsNumeric(a) && IsNumeric(b) ? QVariant(Num(a) + Num(b)) : QVariant(Print(a) + Print(b));
      if (op == u"-") return Num(a) - Num(b);
      if (op == u"*") return Num(a) * Num(b);
      if (op == u"/") { const double d = Num(b); return d == 0 ? 0.0 : Num(a) / d; }
      const int c = Compare(a, b);
      if (op == u"=") return c == 0;
      if (op == u"<>") return c != 0;
      if (op == u"<") return c < 0;
      if (op == u">") return c > 0;
      if (op == u"<=") return c <= 0;
      if (op == u">=") return c >= 0;
      return {};
    }
  }
  return {};
}

void CollectAggregates(const ExprPtr& node, QList<const ExprNode*>& out) {
  if (!node) return;
  if (node->kind == ExprNode::Kind::Aggregate) out << node.get();
  for (const auto& a : node->args) CollectAggregates(a, out);
}

}  // namespace Expr
