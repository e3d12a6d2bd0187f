#include "FuzzTargets.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include "data/ProcedureText.h"
#include "data/SqlDialect.h"
#include "reports/ReportExpr.h"
#include "reports/ReportTemplate.h"
#include "toolkit/TIni.h"
#include "update/UpdateScript.h"

namespace FuzzTargets {

namespace {

QString text(const uint8_t* data, size_t size) {
  return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// One scratch folder per process: the INI reader works on files.
const QString& scratchFile() {
  static QTemporaryDir dir;
  static const QString file = dir.filePath(QStringLiteral("config.ini"));
  return file;
}

}  // namespace

int Ini(const uint8_t* data, size_t size) {
  const QString& file = scratchFile();
  {
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  const TIni ini(file);
  // Read the keys the portal reads, then write one and read it back.
  const QString server = ini.GetEntry(QStringLiteral("CONFIG"), QStringLiteral("SERVER"));
  (void)ini.GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Historial"), 0);
  (void)ini.GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("PDF"), false);
  (void)ini.GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("FDA"), QDate());
  if (ini.SetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Tipo"), QStringLiteral("E"))) {
    if (ini.GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Tipo")) != QStringLiteral("E")) __builtin_trap();
    if (ini.GetEntry(QStringLiteral("CONFIG"), QStringLiteral("SERVER")) != server) __builtin_trap();
  }
  return 0;
}

int Dialect(const uint8_t* data, size_t size) {
  const QString batch = text(data, size);
  for (const QString& statement : SqlDialect::SplitStatements(batch)) {
    (void)SqlDialect::Translate(statement);
    (void)SqlDialect::ParseConditional(statement);
    (void)SqlDialect::IsNoOp(statement);
    QString error;
    (void)ProcedureText::ParseCall(statement, true, &error);
    (void)ProcedureText::ParseCreate(statement, &error);
    (void)ProcedureText::ParseDrop(statement);
  }
  return 0;
}

int Template(const uint8_t* data, size_t size) {
  ReportTemplate out;
  QString error;
  (void)TemplateLoader::FromText(text(data, size), out, error);
  return 0;
}

// Every name is known and holds a text, a number or nothing, so evaluation goes deep.
class AnyScope : public ExprScope {
 public:
  QVariant Lookup(const QString& name, bool& known) override {
    known = true;
    switch (name.size() % 3) {
      case 0: return QStringLiteral("D'ANGELO 1,234.50");
      case 1: return 1234.5;
      default: return QVariant();
    }
  }
  bool Knows(const QString& name) override { return !name.isEmpty(); }
  QVariant System(SysValue which) override { return which == SysValue::Date ? QVariant(QDate(2026, 12, 8)) : QVariant(1); }
  QVariant Aggregate(const ExprNode*) override { return 0; }
};

int Expression(const uint8_t* data, size_t size) {
  const QString source = text(data, size);
  AnyScope scope;
  QString error;
  for (const ExprPtr& e : {Expr::Parse(source, &error), Expr::ParseTemplateText(source, &error)}) {
    if (!e) continue;
    QList<const ExprNode*> aggregates;
    Expr::CollectAggregates(e, aggregates);
    (void)Expr::Print(Expr::Eval(*e, scope));
  }
  return 0;
}

int Script(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  (void)UpdateScript::Checksum(bytes);
  QString batch;
  for (const QString& line : UpdateScript::Lines(UpdateScript::Decode(bytes))) {
    if (line.size() > UpdateScript::kLineWidth) __builtin_trap();
    if (UpdateScript::IsSeparator(line)) {
      (void)SqlDialect::SplitStatements(batch);
      batch.clear();
    } else {
      batch += line + QLatin1Char('\n');
    }
  }
  return 0;
}

}  // namespace FuzzTargets
