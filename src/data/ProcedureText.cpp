#include "data/ProcedureText.h"

#include <QRegularExpression>
#include <algorithm>

#include "data/SqlDialect.h"

namespace ProcedureText {

namespace {

const QString kName = QStringLiteral(R"(((?:\[[^\]]+\]|[\w#$]+)(?:\s*\.\s*(?:\[[^\]]+\]|[\w#$]+))?))");

bool isIdentChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$' || c == u'@'; }

// What \s matches without Unicode properties: space, tab, line feed, vertical tab, form feed, return.
bool isAsciiBlank(QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// Index of the first whole word `word` at parenthesis depth 0 in code, or -1.
qsizetype findWord(const QString& code, const QString& word, qsizetype from) {
  int depth = 0;
  for (qsizetype i = from; i < code.size(); ++i) {
    const QChar c = code[i];
    if (c == u'(') ++depth;
    else if (c == u')') --depth;
    else if (depth == 0 && code.mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0 &&
             (i == 0 || !isIdentChar(code[i - 1])) &&
             (i + word.size() >= code.size() || !isIdentChar(code[i + word.size()])))
      return i;
  }
  return -1;
}

// Splits at commas outside parentheses and literals.
QStringList splitTopLevel(const QString& text) {
  const QString code = SqlDialect::CodeOnly(text);
  QStringList out;
  int depth = 0;
  qsizetype start = 0;
  for (qsizetype i = 0; i < code.size(); ++i) {
    if (code[i] == u'(') ++depth;
    else if (code[i] == u')') --depth;
    else if (code[i] == u',' && depth == 0) {
      out << text.mid(start, i - start).trimmed();
      start = i + 1;
    }
  }
  out << text.mid(start).trimmed();
  return out;
}

// A literal as written: 'text' / N'text' with doubled quotes, NULL, or bare text.
void readLiteral(const QString& raw, QString* value, bool* isNull, bool* quoted) {
  QString t = raw.trimmed();
  *isNull = false;
  *quoted = false;
  if (t.startsWith(u'N', Qt::CaseInsensitive) && t.size() > 1 && t[1] == u'\'') t.remove(0, 1);
  if (t.size() >= 2 && t.startsWith(u'\'') && t.endsWith(u'\'')) {
    *quoted = true;
    *value = t.mid(1, t.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
  } else if (t.compare(QStringLiteral("null"), Qt::CaseInsensitive) == 0) {
    *isNull = true;
    value->clear();
  } else {
    *value = t;
  }
}

std::optional<Parameter> parseParameter(const QString& text, QString* error) {
  static const QRegularExpression head(QStringLiteral(R"(^(@[\w#$]+)\s+(?:as\s+)?)"),
                                       QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  const QRegularExpressionMatch m = head.match(text);
  if (!m.hasMatch()) {
    *error = QStringLiteral("Incorrect syntax near '%1'.").arg(text);
    return std::nullopt;
  }
  Parameter p;
  p.name = m.captured(1);
  QString rest = text.mid(m.capturedEnd());
  const QString code = SqlDialect::CodeOnly(rest);
  const qsizetype eq = code.indexOf(u'=');
  QString type = eq < 0 ? rest : rest.left(eq);
  static const QRegularExpression tail(QStringLiteral(R"(\s+(output|out|readonly)\s*$)"),
                                       QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  type.remove(tail);
  p.type = type.simplified().toLower();
  if (eq >= 0) {
    QString def = rest.mid(eq + 1);
    def.remove(tail);
    bool quoted = false;
    p.hasDefault = true;
    readLiteral(def, &p.defaultValue, &p.defaultIsNull, &quoted);
  }
  if (p.type.isEmpty()) {
    *error = QStringLiteral("Parameter %1 has no type.").arg(p.name);
    return std::nullopt;
  }
  return p;
}

QString stripBeginEnd(const QString& body) {
  QString b = body.trimmed();
  while (b.endsWith(u';')) b = b.chopped(1).trimmed();
  const QString code = SqlDialect::CodeOnly(b);
  static const QRegularExpression begin(QStringLiteral(R"(^begin\b(?!\s+tran))"), QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  static const QRegularExpression end(QStringLiteral(R"(\bend$)"), QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  if (!begin.match(code).hasMatch()) return b;
  const QRegularExpressionMatch e = end.match(code);
  if (!e.hasMatch()) return b;
  QString inner = b.mid(5, e.capturedStart() - 5).trimmed();
  while (inner.endsWith(u';')) inner = inner.chopped(1).trimmed();
  return inner;
}

}  // namespace

QString PlainName(const QString& name) {
  QString n = name.trimmed();
  const qsizetype dot = SqlDialect::CodeOnly(n).lastIndexOf(u'.');
  if (dot >= 0) n = n.mid(dot + 1).trimmed();
  if (n.startsWith(u'[') && n.endsWith(u']')) n = n.mid(1, n.size() - 2);
  return n;
}

std::optional<Definition> ParseCreate(const QString& batch, QString* error) {
  static const QRegularExpression head(
      QStringLiteral(R"(^\s*(create\s+or\s+alter|create|alter)\s+proc(?:edure)?\s+)") + kName,
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  const QString code = SqlDialect::CodeOnly(batch);
  const QRegularExpressionMatch m = head.match(code);
  if (!m.hasMatch()) return std::nullopt;
  Definition d;
  d.name = PlainName(batch.mid(m.capturedStart(2), m.capturedLength(2)));
  d.replace = !m.captured(1).startsWith(QStringLiteral("create"), Qt::CaseInsensitive) ||
              m.captured(1).contains(QStringLiteral("alter"), Qt::CaseInsensitive);
  const qsizetype as = findWord(code, QStringLiteral("as"), m.capturedEnd());
  if (as < 0) {
    *error = QStringLiteral("Incorrect syntax near '%1': the procedure has no AS.").arg(d.name);
    return d;
  }
  QString params = batch.mid(m.capturedEnd(), as - m.capturedEnd()).trimmed();
  if (params.startsWith(u'(') && params.endsWith(u')')) params = params.mid(1, params.size() - 2).trimmed();
  if (!params.isEmpty()) {
    for (const QString& text : splitTopLevel(params)) {
      const std::optional<Parameter> p = parseParameter(text, error);
      if (!p) return d;
      d.parameters << *p;
    }
  }
  d.body = stripBeginEnd(batch.mid(as + 2));
  return d;
}

std::optional<Drop> ParseDrop(const QString& statement) {
  static const QRegularExpression re(
      QStringLiteral(R"(^\s*drop\s+proc(?:edure)?\s+(if\s+exists\s+)?)") + kName + QStringLiteral(R"(\s*;?\s*$)"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  const QRegularExpressionMatch m = re.match(statement);
  if (!m.hasMatch()) return std::nullopt;
  return Drop{PlainName(m.captured(2)), !m.captured(1).isEmpty()};
}

std::optional<Call> ParseCall(const QString& statement, bool bareName, QString* error) {
  static const QRegularExpression withExec(
      QStringLiteral(R"(^\s*(?:exec|execute)\s+(?:@[\w]+\s*=\s*)?)") + kName + QStringLiteral(R"((?=\s|;|$))"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  static const QRegularExpression bare(QStringLiteral(R"(^\s*)") + kName + QStringLiteral(R"((?=\s|;|$))"),
                                       QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  const QString code = SqlDialect::CodeOnly(statement);
  QRegularExpressionMatch m = withExec.match(code);
  if (!m.hasMatch()) {
    if (!bareName) return std::nullopt;
    m = bare.match(code);
    if (!m.hasMatch()) return std::nullopt;
  }
  Call call;
  call.name = PlainName(statement.mid(m.capturedStart(1), m.capturedLength(1)));

  const QString& s = statement;
  qsizetype i = m.capturedEnd();
  const qsizetype n = s.size();
  auto skipBlanks = [&] {
    while (i < n && s[i].isSpace()) ++i;
  };
  auto readName = [&] {
    const qsizetype from = i;
    ++i;  // the @
    while (i < n && isIdentChar(s[i])) ++i;
    return s.mid(from, i - from);
  };
  auto fail = [&](qsizetype at) {
    *error = QStringLiteral("Incorrect syntax near '%1'.").arg(s.mid(at, 20).trimmed());
    return std::nullopt;
  };
  skipBlanks();
  if (i < n && s[i] == u';') ++i;
  skipBlanks();
  if (i >= n) return call;
  for (;;) {
    skipBlanks();
    Argument a;
    if (i < n && s[i] == u'@') {
      const qsizetype at = i;
      const QString name = readName();
      skipBlanks();
      if (i < n && s[i] == u'=') {
        a.name = name;
        ++i;
        skipBlanks();
      } else {
        i = at;
      }
    }
    if (i < n && (s[i] == u'\'' || ((s[i] == u'N' || s[i] == u'n') && i + 1 < n && s[i + 1] == u'\''))) {
      if (s[i] != u'\'') ++i;
      ++i;
      QString text;
      bool closed = false;
      while (i < n) {
        if (s[i] == u'\'') {
          if (i + 1 < n && s[i + 1] == u'\'') { text += u'\''; i += 2; continue; }
          ++i;
          closed = true;
          break;
        }
        text += s[i++];
      }
      if (!closed) {
        *error = QStringLiteral("Unclosed quotation mark after the character string '%1'.").arg(text);
        return std::nullopt;
      }
      a.kind = Argument::Kind::Text;
      a.value = text;
    } else if (i < n && s[i] == u'@') {
      a.kind = Argument::Kind::Variable;
      a.value = readName();
    } else {
      const qsizetype from = i;
      int depth = 0;
      while (i < n && !(depth == 0 && (s[i] == u',' || s[i] == u';'))) {
        if (s[i] == u'\'') return fail(from);
        if (s[i] == u'(') ++depth;
        else if (s[i] == u')') --depth;
        ++i;
      }
      const QString text = s.mid(from, i - from).trimmed();
      // An empty place ("1,,2", "1,") is a syntax error on the server, never a default.
      if (text.isEmpty()) return fail(i < n ? i : from);
      if (text.compare(QStringLiteral("null"), Qt::CaseInsensitive) == 0) a.kind = Argument::Kind::Null;
      else if (text.compare(QStringLiteral("default"), Qt::CaseInsensitive) == 0)
        a.kind = Argument::Kind::Default;
      else if (std::any_of(text.begin(), text.end(), isAsciiBlank)) return fail(from);
      else a.value = text;
    }
    call.arguments << a;
    skipBlanks();
    if (i >= n) break;
    if (s[i] == u',') { ++i; continue; }
    if (s[i] == u';') {
      ++i;
      skipBlanks();
      if (i >= n) break;
    }
    return fail(i);
  }
  return call;
}

}  // namespace ProcedureText
