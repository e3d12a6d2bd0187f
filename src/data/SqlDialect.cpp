#include "data/SqlDialect.h"

#include <QRegularExpression>
#include <sqlite3.h>

#include "toolkit/BoundedMemo.h"

namespace SqlDialect {

namespace {

enum class PieceKind { Code, String, Identifier, Comment };

struct Piece {
  PieceKind kind;
  QString text;
};

// Cuts a statement into code, 'string' literals (with doubled quotes), "identifiers"
// and comments (-- to end of line, /* */).
QList<Piece> pieces(const QString& s) {
  QList<Piece> out;
  QString code;
  auto flushCode = [&] {
    if (!code.isEmpty()) out.append({PieceKind::Code, code});
    code.clear();
  };
  const qsizetype n = s.size();
  qsizetype i = 0;
  while (i < n) {
    const QChar c = s[i];
    if (c == u'\'' || c == u'"') {
      flushCode();
      qsizetype j = i + 1;
      while (j < n) {
        if (s[j] == c) {
          if (j + 1 < n && s[j + 1] == c) { j += 2; continue; }
          break;
        }
        ++j;
      }
      const qsizetype end = qMin(j + 1, n);
      out.append({c == u'\'' ? PieceKind::String : PieceKind::Identifier, s.mid(i, end - i)});
      i = end;
    } else if (c == u'-' && i + 1 < n && s[i + 1] == u'-') {
      flushCode();
      qsizetype j = s.indexOf(u'\n', i);
      if (j < 0) j = n;
      out.append({PieceKind::Comment, s.mid(i, j - i)});
      i = j;
    } else if (c == u'/' && i + 1 < n && s[i + 1] == u'*') {
      flushCode();
      qsizetype j = s.indexOf(QStringLiteral("*/"), i + 2);
      j = j < 0 ? n : j + 2;
      out.append({PieceKind::Comment, s.mid(i, j - i)});
      i = j;
    } else {
      code += c;
      ++i;
    }
  }
  flushCode();
  return out;
}

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$'; }

struct CompiledRewrite {
  QRegularExpression re;
  QString replacement;
  QStringList words;
  // Most statements hold none of the words: the expression is then neither compiled nor run.
  bool mayApply(const QString& code) const {
    for (const QString& w : words)
      if (code.contains(w, Qt::CaseInsensitive)) return true;
    return false;
  }
};

const QList<CompiledRewrite>& compiled() {
  static const QList<CompiledRewrite> list = [] {
    QList<CompiledRewrite> out;
    for (const Rewrite& r : Rewrites())
      out.append({QRegularExpression(QString::fromUtf8(r.pattern), QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption),
                  QString::fromUtf8(r.replacement), QString::fromUtf8(r.words).split(u'|')});
    return out;
  }();
  return list;
}

const QRegularExpression& topRe() {
  static const QRegularExpression re(QStringLiteral("^(\\s*select\\s+(?:distinct\\s+)?)top\\s*\\(?\\s*(\\d+)\\s*\\)?\\s+"),
                                     QRegularExpression::CaseInsensitiveOption);
  return re;
}

}  // namespace

const QList<Rewrite>& Rewrites() {
  static const QList<Rewrite> table = {
      {"dbo prefix", R"((?:\[dbo\]|\bdbo)\s*\.\s*)", "", "dbo"},
      {"isnull", R"(\bisnull\s*\()", "ifnull(", "isnull"},
      {"datediff unit", R"(\bdatediff\s*\(\s*(yyyy|yy|year|mm|m|month|dd|d|day)\s*,)", "portal_datediff('\\1',", "datediff"},
      {"dateadd unit", R"(\bdateadd\s*\(\s*(yyyy|yy|year|mm|m|month|dd|d|day)\s*,)", "portal_dateadd('\\1',", "dateadd"},
      {"left and right", R"(\b(left|right)\s*\()", "portal_\\1(", "left|right"},
      {"transaction words", R"(\b(begin|commit|rollback)\s+tran(?:saction)?\b)", "\\1 TRANSACTION", "tran"},
      {"convert type", R"(\bconvert\s*\(\s*(\w+)\s*(\(\s*[\w\s,]*\))?\s*,)", "portal_convert('\\1\\2',", "convert"},
      {"filegroup", R"(\b(?:textimage_)?on\s*\[\s*primary\s*\])", "", "primary"},
      {"identity column", R"(\b(?:int|bigint|integer|smallint)\s+identity\s*(?:\(\s*\d+\s*,\s*\d+\s*\))?)",
       "INTEGER PRIMARY KEY AUTOINCREMENT", "identity"},
      {"max length", R"(\(\s*max\s*\))", "", "max"},
      {"clustered", R"(\b(?:non)?clustered\b)", "", "clustered"},
  };
  return table;
}

namespace {

QString translateText(const QString& statement) {
  QList<Piece> parts = pieces(statement);
  QString out;
  out.reserve(statement.size() + 16);
  for (qsizetype k = 0; k < parts.size(); ++k) {
    Piece& p = parts[k];
    if (p.kind != PieceKind::Code) {
      out += p.text;
      continue;
    }
    QString code = p.text;
    // N'..' is a plain literal here: drop an N standing alone right before a string.
    if (k + 1 < parts.size() && parts[k + 1].kind == PieceKind::String && code.endsWith(u'N', Qt::CaseInsensitive) &&
        (code.size() == 1 || !isWordChar(code[code.size() - 2])))
      code.chop(1);
    for (const CompiledRewrite& r : compiled())
      if (r.mayApply(code)) code.replace(r.re, r.replacement);
    out += code;
  }
  // "select top n ..." becomes "select ... limit n".
  const QRegularExpressionMatch m = topRe().match(out);
  if (m.hasMatch()) {
    QString rest = out.mid(m.capturedEnd());
    while (rest.endsWith(u';') || (rest.size() && rest.back().isSpace())) rest.chop(1);
    out = m.captured(1) + rest + QStringLiteral(" LIMIT ") + m.captured(2);
  }
  return out;
}

}  // namespace

QString Translate(const QString& statement) {
  thread_local BoundedMemo<QString, QString> translated(128);
  return translated.Get(statement, translateText);
}

bool IsNoOp(const QString& statement) {
  static const QRegularExpression re(
      QStringLiteral(R"(^\s*(?:set\s+(?:nocount|ansi_nulls|ansi_padding|ansi_warnings|quoted_identifier|arithabort|)"
                     R"(concat_null_yields_null|numeric_roundabort|xact_abort|dateformat|language|datefirst)\b|print\b|use\b))"),
      QRegularExpression::CaseInsensitiveOption);
  return re.match(statement).hasMatch();
}

namespace {

QString codeOnlyText(const QString& statement) {
  QString out;
  out.reserve(statement.size());
  for (const Piece& p : pieces(statement)) {
    if (p.kind == PieceKind::Code) out += p.text;
    else out += QString(p.text.size(), u' ');
  }
  return out;
}

}  // namespace

QString CodeOnly(const QString& statement) {
  // Each statement is looked at as call, condition and drop: its code is split out once.
  thread_local BoundedMemo<QString, QString> code(128);
  return code.Get(statement, codeOnlyText);
}

QStringList SplitStatements(const QString& batch) {
  QStringList out;
  const QString code = CodeOnly(batch);
  qsizetype start = 0;
  auto take = [&](qsizetype end) {
    QString piece = batch.mid(start, end - start).trimmed();
    while (piece.endsWith(u';')) piece = piece.chopped(1).trimmed();
    if (!piece.isEmpty()) out << piece;
    start = end;
  };
  for (qsizetype i = 0; i < code.size(); ++i) {
    if (code[i] != u';') continue;
    // sqlite3_complete knows trigger bodies; a semicolon inside one does not end the statement.
    const QByteArray candidate = batch.mid(start, i + 1 - start).toUtf8();
    if (sqlite3_complete(candidate.constData())) take(i + 1);
  }
  take(batch.size());
  return out;
}

std::optional<Conditional> ParseConditional(const QString& statement) {
  static const QRegularExpression head(QStringLiteral("^\\s*if\\b"), QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression starter(
      QStringLiteral("(create|drop|alter|insert|update|delete|exec|execute|select|truncate|with)\\b"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = head.match(statement);
  if (!m.hasMatch()) return std::nullopt;
  const QString code = CodeOnly(statement);
  int depth = 0;
  for (qsizetype i = m.capturedEnd(); i < code.size(); ++i) {
    const QChar c = code[i];
    if (c == u'(') ++depth;
    else if (c == u')') --depth;
    else if (depth == 0 && !isWordChar(code[i - 1]) &&
             starter.match(code, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption)
                 .hasMatch()) {
      Conditional cond{statement.mid(m.capturedEnd(), i - m.capturedEnd()).trimmed(), statement.mid(i).trimmed()};
      if (cond.condition.isEmpty()) return std::nullopt;
      return cond;
    }
  }
  return std::nullopt;
}

}  // namespace SqlDialect
