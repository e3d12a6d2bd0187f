#include "support/HostileCorpus.h"

#include <random>

#include "toolkit/TextUtil.h"

namespace HostileCorpus {

namespace {

QStringList atoms() {
  QStringList a = {
      QStringLiteral("'"),        QStringLiteral("''"),       QStringLiteral("O'HIGGINS"),
      QStringLiteral("D'ANGELO"), QStringLiteral("';--"),     QStringLiteral(";--"),
      QStringLiteral("--"),       QStringLiteral("/*"),       QStringLiteral("*/"),
      QStringLiteral("%"),        QStringLiteral("_"),        QStringLiteral("["),
      QStringLiteral("]"),        QStringLiteral("[%]"),      QStringLiteral("\""),
      QStringLiteral("\\"),       QStringLiteral(","),        QStringLiteral(";"),
      QStringLiteral("@"),        QStringLiteral("#"),        QStringLiteral("="),
      QStringLiteral("Ñ"),        QStringLiteral("ñ"),        QStringLiteral("PEÑA"),
      QStringLiteral("ÁÉÍÓÚÜ"),   QStringLiteral("áéíóúü"),   QStringLiteral("5 DE MAYO"),
      QStringLiteral("ANA MARIA"), QStringLiteral("1' OR '1'='1"), QStringLiteral("'); DROP TABLE datosemps;--"),
      QStringLiteral("N'x'"),     QStringLiteral("0x27"),     QStringLiteral("NULL"),
      QStringLiteral("100%"),     QStringLiteral("A_B"),      QStringLiteral("exec"),
  };
  for (int b = 0x80; b <= 0xFF; ++b) a << Text::FromCp1252(QByteArray(1, static_cast<char>(b)));
  return a;
}

}  // namespace

QStringList Strings(int count) {
  const QStringList base = atoms();
  QStringList out;
  out.reserve(count);
  for (const QString& a : base) {
    if (out.size() >= count) return out;
    out << a;
  }
  static const QStringList words = {QStringLiteral("CALLE"), QStringLiteral("NORTE"), QStringLiteral("JUAN"),
                                    QStringLiteral("mx"), QStringLiteral("12"), QStringLiteral("Int.")};
  std::mt19937 random(20261208);
  auto pick = [&](const QStringList& from) { return from[int(random() % from.size())]; };
  while (out.size() < count) {
    QString s;
    const int parts = 1 + int(random() % 5);
    for (int i = 0; i < parts; ++i) {
      s += (random() % 3 == 0) ? pick(words) : pick(base);
      if (random() % 2) s += u' ';
    }
    switch (random() % 8) {
      case 0: s = QStringLiteral("  ") + s; break;          // blanks before
      case 1: s += QStringLiteral("   "); break;             // blanks after
      case 2:                                                 // a 300-character text
        while (s.size() < 300) s += s + u' ';
        s.truncate(300);
        break;
      default: break;
    }
    out << s;
  }
  return out;
}

int Size(int fallback) {
  bool ok = false;
  const int n = qEnvironmentVariableIntValue("PORTAL_CORPUS_SIZE", &ok);
  return ok && n > 0 ? n : fallback;
}

}  // namespace HostileCorpus
