// The vacation, absence and overtime histories on the demo database: the grid for all dates
// and for a range, the listings and the annual report read back from real PDF files, and an
// employee without history.
#include <gtest/gtest.h>

#include <functional>

#include "data/StatementJournal.h"
#include "screens/time/TAusentismos.h"
#include "screens/time/TTiempoExtra.h"
#include "screens/time/TVacaciones.h"
#include "support/QtPrinters.h"
#include "time/TimeSession.h"
#include "toolkit/Controls.h"

using namespace TimeTests;

namespace {

// One history screen seen through what the three share.
struct History {
  TForm* form = nullptr;
  TArrayBrowse* grid = nullptr;
  TCheckBox* todas = nullptr;
  TDatePicker* desde = nullptr;
  TDatePicker* hasta = nullptr;
  std::function<void()> consultar, listado, anual;
};

struct HistoryCase {
  const char* name;
  const char* procedure;  // listing procedure, as sent after " exec "
  int dateColumn;         // dd/MM/yyyy column of its rows
  int daysColumn;         // days or hours
  int columns;            // grid columns
  QList<int> hidden;
  const char* plantilla;
  std::function<History(Session&)> open;
};

QList<HistoryCase> Cases() {
  return {
      {"vacaciones", "peListadoVacacionesPantalla", 3, 5, 11, {1, 2}, "peVacaciones.fr3",
       [](Session& s) {
         auto* v = s.open<TVacaciones>();
         return History{v, v->arrayVacaciones, v->chkTodas, v->dtpDeV, v->dtpAV, [v] { v->btnFiltrarV->Press(); },
                        [v] { v->btnImprimirVacDis->Press(); }, [v] { v->btnAnual->Press(); }};
       }},
      {"ausentismos", "peListadoAusentismo", 6, 2, 6, {}, "peAusentismos.fr3",
       [](Session& s) {
         auto* a = s.open<TAusentismos>();
         return History{a, a->arrayAusentismos, a->chkTodas, a->dtpInicioA, a->dtpCierreA, [a] { a->btnBuscarA->Press(); },
                        [a] { a->btnAusentismos->Press(); }, [a] { a->btnAnual->Press(); }};
       }},
      {"tiempo-extra", "peListadoTiempoExtra", 6, 5, 6, {1}, "peTiempoExtra.fr3",
       [](Session& s) {
         auto* t = s.open<TTiempoExtra>();
         return History{t, t->arrayTE, t->chkTodas, t->dtpInicioTE, t->dtpCierreTE, [t] { t->btnBuscarTE->Press(); },
                        [t] { t->btnImprimirTE->Press(); }, {}};
       }},
  };
}

QString listing(const char* procedure, const QString& flag, const QDate& from, const QDate& to) {
  return QStringLiteral(" exec ") + QString::fromLatin1(procedure) + u' ' + AppData.Empresa + u',' + AppData.Codigo +
         QStringLiteral(",'") + flag + QStringLiteral("','") + Text::DToS(from) + QStringLiteral("','") + Text::DToS(to) +
         QStringLiteral("','") + AppData.Afiliacion + u'\'';
}

double total(const Rows& rows, int n) {
  double sum = 0;
  for (const Row& r : rows) sum += Text::Val(r.col(n));
  return sum;
}

}  // namespace

class Histories : public OnBothDbPaths {};

TEST_P(Histories, AllDatesThenARangeListingAndAnnualReport) {
  for (const HistoryCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    Session s(QStringLiteral("10"), QStringLiteral("1234"));
    ASSERT_NE(s.menu, nullptr);
    StatementJournal::Clear();
    History h = c.open(s);

    // Opening lists the whole history: the flag "T" with today's dates in both pickers.
    const QDate today = QDate::currentDate();
    EXPECT_TRUE(h.todas->lChecked());
    const QString all = listing(c.procedure, "T", today, today);
    EXPECT_EQ(StatementJournal::Statements(), QStringList{all});
    const Rows everything = RowsOf(all);
    ASSERT_GE(everything.size(), 3) << "the demo employee has a history";
    EXPECT_EQ(h.grid->Len(), everything.size());
    EXPECT_EQ(h.grid->ColCount(), c.columns);
    for (int n = 1; n <= c.columns; ++n) EXPECT_EQ(h.grid->Column(n)->lHide(), c.hidden.contains(n)) << n;
    EXPECT_EQ(Column(h.grid->aArrayData(), c.dateColumn), Column(everything, c.dateColumn));
    Render::ToPng(h.form, OutDir() + "/" + c.name + ".png");

    // A range: the second half of the history.
    const QDate from = QDate::fromString(Text::ToText(everything.row(everything.size() / 2 + 1).col(c.dateColumn)), "dd/MM/yyyy");
    const QDate to = QDate::fromString(Text::ToText(everything.row(everything.size()).col(c.dateColumn)), "dd/MM/yyyy");
    ASSERT_TRUE(from.isValid() && to.isValid());
    h.todas->lChecked = false;
    h.desde->dValue = from;
    h.hasta->dValue = to;
    StatementJournal::Clear();
    h.consultar();
    const QString ranged = listing(c.procedure, "F", from, to);
    EXPECT_EQ(StatementJournal::Statements(), QStringList{ranged});
    const Rows part = RowsOf(ranged);
    EXPECT_EQ(h.grid->Len(), part.size());
    EXPECT_LT(part.size(), everything.size());
    EXPECT_EQ(Column(h.grid->aArrayData(), c.dateColumn), Column(part, c.dateColumn));

    // The listing of that range: employee, first and last date, total days or hours.
    const QString pdf = OutDir() + "/listado-" + c.name + ".pdf";
    StatementJournal::Clear();
    const QStringList titles = Previews(pdf, h.listado);
    ASSERT_EQ(titles.size(), 1);
    EXPECT_EQ(titles.first(), "Vista previa - " + QString::fromLatin1(c.plantilla).chopped(4));
    EXPECT_EQ(StatementJournal::Statements(), QStringList{ranged});
    const QString text = PdfTools::Text(pdf);
    EXPECT_TRUE(text.contains(AppData.NombreTrabajador)) << text.left(800).toStdString();
    EXPECT_TRUE(text.contains(AppData.NombreEmpresa));
    EXPECT_TRUE(text.contains(Text::ToText(part.row(1).col(c.dateColumn))));
    EXPECT_TRUE(text.contains(Text::ToText(part.row(part.size()).col(c.dateColumn))));
    const double sum = total(part, c.daysColumn);
    EXPECT_TRUE(text.contains(Text::ToText(sum)) || text.contains(QString::number(sum, 'f', 1)))
        << sum << "\n" << text.toStdString();
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join("|").toStdString();

    if (h.anual) {
      // The annual report takes its year from the from-date, even with all dates checked.
      h.todas->lChecked = true;
      const int year = from.year();
      StatementJournal::Clear();
      const QString annual = OutDir() + "/anual-" + c.name + ".pdf";
      const QStringList annualTitles = Previews(annual, h.anual);
      ASSERT_EQ(annualTitles.size(), 1);
      EXPECT_EQ(annualTitles.first(), QStringLiteral("Vista previa - VacAusAnual2"));
      const QString statement = QStringLiteral("EXECUTE GetAbsentimsForYear %1,%2,%3")
                                    .arg(AppData.Empresa.trimmed(), AppData.Codigo.trimmed())
                                    .arg(year);
      EXPECT_EQ(StatementJournal::Statements(), QStringList{statement});
      const Rows months = RowsOf(statement);
      ASSERT_EQ(months.size(), 12);
      const QString annualText = PdfTools::Text(annual);
      EXPECT_TRUE(annualText.contains("Ejercicio: " + QString::number(year))) << annualText.toStdString();
      EXPECT_TRUE(annualText.contains("Empleado: " + AppData.Codigo.trimmed()));
      EXPECT_TRUE(annualText.contains(AppData.NombreEmpresa));
      const QString totals = Text::ToText(total(months, 2)) + "\\s+" + Text::ToText(total(months, 3)) + "\\s+" +
                             Text::ToText(total(months, 4)) + "\\s+" + Text::ToText(total(months, 5));
      EXPECT_TRUE(annualText.contains(QRegularExpression("Total del año\\s+" + totals))) << annualText.toStdString();
    }
    delete h.form;
  }
}

TEST_P(Histories, AnEmployeeWithoutHistory) {
  for (const HistoryCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    Session s(QStringLiteral("10"), QStringLiteral("1234"));
    for (const char* table : {"vacaciones", "ausentismos", "tiempo_extra"})
      AppData.oAdo->Execute(QStringLiteral("DELETE FROM %1 WHERE codigo = 10").arg(QString::fromLatin1(table)));
    History h = c.open(s);
    EXPECT_EQ(h.grid->Len(), 0);
    h.todas->lChecked = false;
    h.consultar();
    EXPECT_EQ(h.grid->Len(), 0);
    EXPECT_TRUE(MsgSeam::Taken().isEmpty());
    const QStringList titles = Previews(OutDir() + "/vacio.pdf", h.listado);
    EXPECT_TRUE(titles.isEmpty());
    const auto shown = MsgSeam::Taken();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.first().kind, MsgKind::Stop);
    EXPECT_EQ(shown.first().title, QStringLiteral("Atención!!!"));
    EXPECT_EQ(shown.first().text, QStringLiteral("El Reporte no puede ser generado, no se encontro información."));
    if (h.anual) {
      // The annual report has no empty test: twelve months of zeros.
      MsgSeam::Clear();
      EXPECT_EQ(Previews(OutDir() + "/anual-vacio.pdf", h.anual).size(), 1);
      EXPECT_TRUE(MsgSeam::Taken().isEmpty());
    }
    delete h.form;
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, Histories, BothDbPaths(), DbPathName);
