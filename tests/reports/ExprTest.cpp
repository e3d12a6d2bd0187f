// The expression language: values, operators, functions, formatting and faulty input.
#include <gtest/gtest.h>

#include <QHash>

#include "reports/ReportExpr.h"
#include "reports/ReportFormat.h"
#include "support/QtPrinters.h"

namespace {

class Names : public ExprScope {
 public:
  QHash<QString, QVariant> values;
  QVariant Lookup(const QString& name, bool& known) override {
    known = values.contains(name.toUpper());
    return values.value(name.toUpper());
  }
  bool Knows(const QString& name) override { return values.contains(name.toUpper()); }
  QVariant System(SysValue which) override { return which == SysValue::Page ? QVariant(3.0) : QVariant(); }
  QVariant Aggregate(const ExprNode*) override { return 0.0; }
};

QString Show(const QString& source, bool templateText = false) {
  Names scope;
  scope.values = {{"NOMBRE.002", "JOSÉ NÚÑEZ"}, {"IMPORTE.004", 1234.5}, {"TEXTO.005", "12"},
                  {"DATOS.NOMBRE.002", "JOSÉ NÚÑEZ"}, {"REGISTRO PATRONAL", "Y1234567890"},
                  {"FECHA.003", "2024-03-05 00:00:00"}, {"SUELDO", "N"}};
  ExprPtr e = templateText ? Expr::ParseTemplateText(source) : Expr::Parse(source);
  return Expr::Print(Expr::Eval(*e, scope));
}

struct Case {
  const char* source;
  const char* printed;
};

TEST(Expressions, EvaluateAsPrinted) {
  const Case cases[] = {
      {"'D''ANGELO'", "D'ANGELO"},
      {"'Peña ' & NOMBRE.002", "Peña JOSÉ NÚÑEZ"},
      {"Datos.NOMBRE.002", "JOSÉ NÚÑEZ"},
      {"\"Registro Patronal\"", "Y1234567890"},
      {"1 + 2 * 3", "7"},
      {"(1 + 2) * 3", "9"},
      {"10 / 4", "2.5"},
      {"10 / 0", "0"},
      {"-IMPORTE.004 + 0.5", "-1234"},
      {"'A' + 1", "A1"},
      {"TEXTO.005 + 1", "121"},  // text from the database is joined, not added
      {"VAL(TEXTO.005) + 1", "13"},
      {"IIF(SUELDO = 'S', FORMATNUM(IMPORTE.004), '*****')", "*****"},
      {"IIF(IMPORTE.004 > 1000 and not (SUELDO = 'S'), 'alto', 'bajo')", "alto"},
      {"IMPORTE.004 >= 1234.5", "Si"},
      {"'abc' <> 'abc'", "No"},
      {"FORMATNUM(IMPORTE.004)", "1,234.50"},
      {"FORMATNUM(1234567.891, 0)", "1,234,568"},
      {"FORMATNUM(-0.001)", "0.00"},
      {"MONEY(-98765.4)", "-$98,765.40"},
      {"FORMATDATE(FECHA.003)", "05/03/2024"},
      {"FORMATDATE('20240131', 'dd/MM/yy')", "31/01/24"},
      {"LONGDATE(FECHA.003)", "5 de marzo de 2024"},
      {"NUMTOWORDS(1001.5)", "MIL UN PESOS 50/100 M.N."},
      {"NUMTOWORDS(21000)", "VEINTIUN MIL PESOS 00/100 M.N."},
      {"NUMTOWORDS(1)", "UN PESO 00/100 M.N."},
      {"NUMTOWORDS(2000000)", "DOS MILLONES DE PESOS 00/100 M.N."},
      {"NUMTOWORDS(115)", "CIENTO QUINCE PESOS 00/100 M.N."},
      {"UPPER('ñandú')", "ÑANDÚ"},
      {"SUBSTR('Quincenal', 1, 4)", "Quin"},
      {"LEN(TRIM('  ab '))", "2"},
      {"EMPTY('   ')", "Si"},
      {"PAGE", "3"},
      {"ANY(\"Registro.Patronal\", \"Registro Patronal\")", "Y1234567890"},
      {"ANY(NADA, OTRA)", ""},
      // Faults are printed where they are, never thrown.
      {"NOEXISTE.009", "¿NOEXISTE.009?"},
      {"1 +", "¿1 +?"},
      {"'sin cerrar", "¿'sin cerrar?"},
      {"IIF(1)", "¿IIF(1)?"},
  };
  for (const Case& c : cases) EXPECT_EQ(Show(QString::fromUtf8(c.source)), QString::fromUtf8(c.printed)) << c.source;
}

TEST(Expressions, TemplateTextJoinsLiteralsAndExpressions) {
  const Case cases[] = {
      {"Nombre: [NOMBRE.002]", "Nombre: JOSÉ NÚÑEZ"},
      {"[[literal] y [1+1]", "[literal] y 2"},
      {"Sin expresiones", "Sin expresiones"},
      {"[IIF(1 = 1, ']', 'x')] fin", "] fin"},
      {"abierto [NOMBRE.002", "abierto ¿[NOMBRE.002?"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Show(QString::fromUtf8(c.source), true), QString::fromUtf8(c.printed)) << c.source;
}

TEST(Expressions, FieldValuesAreNeverParsed) {
  Names scope;
  scope.values = {{"NOMBRE.002", "[PAGE] ' & 1 + 1"}};
  EXPECT_EQ(Expr::Print(Expr::Eval(*Expr::ParseTemplateText(QStringLiteral("<[NOMBRE.002]>")), scope)),
            QStringLiteral("<[PAGE] ' & 1 + 1>"));
}

TEST(Formatting, MexicanSeparatorsAndDates) {
  struct Case {
    double value;
    int decimals;
    const char* shown;
  };
  const Case numbers[] = {
      {0.005, 2, "0.01"},          {999999.999, 2, "1,000,000.00"}, {-1234.5, 1, "-1,234.5"},
      {1234567, 0, "1,234,567"},   {123, 0, "123"},                 {100, 2, "100.00"},
      {-0.001, 2, "0.00"},         {-0.0, 0, "0"},                  {-12345678.25, 2, "-12,345,678.25"},
      {1000, 9, "1,000.000000"},
  };
  for (const Case& c : numbers)
    EXPECT_EQ(ReportFormat::Number(c.value, c.decimals), QString::fromLatin1(c.shown)) << c.value << " " << c.decimals;
  EXPECT_EQ(ReportFormat::Money(1500), QStringLiteral("$1,500.00"));
  EXPECT_EQ(ReportFormat::Date(QDate(2026, 12, 8)), QStringLiteral("08/12/2026"));
  EXPECT_EQ(ReportFormat::Date(QStringLiteral("no es fecha")), QStringLiteral("no es fecha"));
  EXPECT_EQ(ReportFormat::LongDate(QStringLiteral("31/12/2025")), QStringLiteral("31 de diciembre de 2025"));
}

}  // namespace
