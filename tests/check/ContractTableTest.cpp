// The terminal check's lists are kept in step with what the portal really uses: every procedure
// and table the statements name is in the contract with the same arguments, and every template
// name the screens open is in the list of templates.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>

#include "data/PortalContract.h"
#include "data/ProcedureText.h"
#include "db/ContractStatements.h"
#include "reports/ReportNames.h"
#include "support/BuildPaths.h"

namespace {

const PortalContract::Procedure* findProcedure(const QString& name) {
  for (const auto& p : PortalContract::Procedures())
    if (name.compare(QString::fromUtf8(p.name), Qt::CaseInsensitive) == 0) return &p;
  return nullptr;
}

// Tables after FROM, JOIN, INTO and UPDATE, comma-separated lists included.
QStringList tablesOf(const QString& statement) {
  static const QRegularExpression clause(QStringLiteral(R"(\b(?:from|join|into|update)\s+([\w.]+(?:\s+\w+)?(?:\s*,\s*[\w.]+(?:\s+\w+)?)*))"),
                                         QRegularExpression::CaseInsensitiveOption);
  static const QStringList keywords = {u"where"_qs, u"set"_qs, u"values"_qs, u"order"_qs, u"group"_qs};
  QStringList tables;
  for (auto it = clause.globalMatch(statement); it.hasNext();) {
    for (QString item : it.next().captured(1).split(u',')) {
      const QString name = ProcedureText::PlainName(item.trimmed().section(u' ', 0, 0).section(u'(', 0, 0));
      if (!name.isEmpty() && !keywords.contains(name.toLower())) tables << name;
    }
  }
  return tables;
}

}  // namespace

TEST(ContractTable, EveryProcedureAndTableTheStatementsUseIsInTheContractAndNoOther) {
  QSet<QString> usedProcedures, usedTables;
  for (const ContractStatements::Sent& s : ContractStatements::Statements()) {
    SCOPED_TRACE(s.name);
    QString error;
    if (const auto call = ProcedureText::ParseCall(s.statement, true, &error)) {
      const PortalContract::Procedure* p = findProcedure(call->name);
      ASSERT_NE(p, nullptr) << call->name.toStdString() << " is not in PortalContract";
      EXPECT_EQ(p->arguments, call->arguments.size()) << call->name.toStdString();
      QStringList named;
      for (const auto& a : call->arguments)
        if (!a.name.isEmpty()) named << a.name;
      EXPECT_EQ(PortalContract::NamedArguments(*p), named) << call->name.toStdString();
      usedProcedures << call->name.toLower();
      continue;
    }
    for (const QString& t : tablesOf(s.statement)) {
      EXPECT_TRUE(PortalContract::Tables().contains(t, Qt::CaseInsensitive)) << t.toStdString() << " is not in PortalContract";
      usedTables << t.toLower();
    }
  }
  for (const auto& p : PortalContract::Procedures())
    EXPECT_TRUE(usedProcedures.contains(QString::fromUtf8(p.name).toLower())) << p.name << " is called by no statement";
  for (const QString& t : PortalContract::Tables()) EXPECT_TRUE(usedTables.contains(t.toLower())) << t.toStdString() << " is read by no statement";
}

TEST(ContractTable, EveryTemplateTheScreensOpenIsInTheListOfTemplates) {
  static const QRegularExpression literal(QStringLiteral(R"re("(\w+\.fr3)")re"));
  QSet<QString> opened;
  QDirIterator it(BuildPaths::Source(QStringLiteral("/src/screens")), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile f(it.next());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    for (auto m = literal.globalMatch(QString::fromUtf8(f.readAll())); m.hasNext();) opened << m.next().captured(1);
  }
  const QStringList listed = ReportNames::All();
  EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()), opened);
  EXPECT_EQ(listed.size(), 24);
}
