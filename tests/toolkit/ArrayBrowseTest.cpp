// Grids over arrays of rows: empty arrays, the current row, sorting, filtering, columns.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "support/QtPrinters.h"
#include "toolkit/Controls.h"

namespace {

Rows sampleRows() {
  return Rows{Row{3, QStringLiteral("Zapata"), 12.5},
              Row{1, QStringLiteral("álvarez"), 3.0},
              Row{2, QStringLiteral("Bravo"), 100.0}};
}

struct GridFixture : ::testing::Test {
  TForm form;
  TArrayBrowse* grid = nullptr;
  void SetUp() override {
    form.resize(600, 400);
    grid = TArrayBrowse::New(&form, QStringLiteral("arreglo"));
    grid->SetBounds(0, 0, 600, 400);
    grid->AddColumn(QStringLiteral("Id"), 90)->cPicture = QStringLiteral("99999999");
    grid->AddColumn(QStringLiteral("Nombre"), 279);
    grid->AddColumn(QStringLiteral("Días"), 57)->cPicture = QStringLiteral("999999.9");
  }
  QString cell(int row, int col) const {
    return grid->View()->model()->index(row - 1, col - 1).data().toString();
  }
};

}  // namespace

TEST_F(GridFixture, EmptyArrayShowsNoRows) {
  grid->SetArray(Rows());
  EXPECT_EQ(grid->View()->model()->rowCount(), 0);
  EXPECT_EQ(grid->Len(), 0);
  EXPECT_EQ(grid->nArrayAt(), 0);
  EXPECT_TRUE(grid->aArrayData().isEmpty());
  grid->GoTop();
  grid->nArrayAt = 5;
  EXPECT_EQ(grid->nArrayAt(), 0);
  EXPECT_TRUE(grid->CurrentRow().values.isEmpty());
}

TEST_F(GridFixture, CurrentRowIsKeptInRange) {
  grid->SetArray(sampleRows());
  EXPECT_EQ(grid->nArrayAt(), 1);
  struct Case {
    int set;
    int got;
  };
  const Case cases[] = {{2, 2}, {3, 3}, {4, 3}, {99, 3}, {0, 1}, {-7, 1}};
  for (const Case& c : cases) {
    grid->nArrayAt = c.set;
    EXPECT_EQ(grid->nArrayAt(), c.got) << c.set;
    EXPECT_EQ(grid->View()->currentIndex().row(), c.got - 1);
  }
  grid->SetArray(Rows{Row{7, QStringLiteral("Solo"), 1}});
  EXPECT_EQ(grid->nArrayAt(), 1);
  EXPECT_EQ(grid->aArrayData().row(grid->nArrayAt).col(2), QVariant(QStringLiteral("Solo")));
}

TEST_F(GridFixture, CellsUseTheColumnPicture) {
  grid->SetArray(sampleRows());
  EXPECT_EQ(cell(1, 1), "       3");
  EXPECT_EQ(cell(1, 2), "Zapata");
  EXPECT_EQ(cell(1, 3), "    12.5");
  EXPECT_EQ(cell(3, 3), "   100.0");
}

TEST_F(GridFixture, UserMovesFireOnChangeProgramMovesDoNot) {
  grid->SetArray(sampleRows());
  int changes = 0;
  grid->OnChange = [&](TArrayBrowse* s) {
    EXPECT_EQ(s, grid);
    ++changes;
  };
  grid->nArrayAt = 3;
  grid->GoTop();
  EXPECT_EQ(changes, 0);
  grid->View()->setCurrentIndex(grid->View()->model()->index(1, 0));  // as a click does
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(grid->nArrayAt(), 2);
  EXPECT_EQ(grid->CurrentRow().col(2), QVariant(QStringLiteral("álvarez")));
}

TEST_F(GridFixture, HeaderClickSortsUnlessTheColumnSaysNo) {
  grid->lAutoOrder = true;
  grid->SetArray(sampleRows());
  grid->nArrayAt = 3;  // Bravo
  bool allowNames = false;
  grid->Column(2)->OnHeaderClick = [&] { return allowNames; };
  QHeaderView* header = grid->View()->horizontalHeader();

  emit header->sectionClicked(1);  // refused
  EXPECT_EQ(cell(1, 2), "Zapata");

  allowNames = true;
  emit header->sectionClicked(1);
  EXPECT_EQ(cell(1, 2), "álvarez");
  EXPECT_EQ(cell(2, 2), "Bravo");
  EXPECT_EQ(cell(3, 2), "Zapata");
  EXPECT_EQ(grid->CurrentRow().col(2), QVariant(QStringLiteral("Bravo"))) << "the current row follows the sort";
  EXPECT_EQ(grid->aArrayData().row(1).col(1), QVariant(1)) << "aArrayData is in the order shown";

  emit header->sectionClicked(1);  // second click: descending
  EXPECT_EQ(cell(1, 2), "Zapata");

  emit header->sectionClicked(2);  // numbers sort as numbers
  EXPECT_EQ(cell(1, 3), "     3.0");
  EXPECT_EQ(cell(3, 3), "   100.0");

  grid->lAutoOrder = false;
  emit header->sectionClicked(0);
  EXPECT_EQ(cell(1, 3), "     3.0");
}

TEST_F(GridFixture, FilterBarFiltersTheRowsShown) {
  grid->lFilterBar = true;
  grid->SetArray(sampleRows());
  auto* field = form.findChild<QLineEdit*>(QStringLiteral("arreglo.filter2"));
  ASSERT_NE(field, nullptr);
  field->setText(QStringLiteral("RA"));
  emit field->textEdited(field->text());
  EXPECT_EQ(grid->Len(), 1);
  EXPECT_EQ(cell(1, 2), "Bravo");
  EXPECT_EQ(grid->aArrayData().size(), 1);
  EXPECT_EQ(grid->aAllData().size(), 3);
  grid->SetFilter(2, QStringLiteral("nadie"));
  EXPECT_EQ(grid->Len(), 0);
  EXPECT_EQ(grid->nArrayAt(), 0);
  grid->SetFilter(2, QString());
  EXPECT_EQ(grid->Len(), 3);
  EXPECT_EQ(grid->nArrayAt(), 1);
}

namespace {

// Where a cell's ink lies: the pixels that differ from its corner's.
QRect inkBox(const QImage& cell) {
  QRect box;
  for (int y = 0; y < cell.height(); ++y)
    for (int x = 0; x < cell.width(); ++x)
      if (cell.pixel(x, y) != cell.pixel(0, 0)) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace

// Text cells are drawn without the style's item layout, from texts laid out once: what shows
// must be what the style would draw, whole, elided, aligned or selected, the first time and
// again from the kept layouts. A centred text may fall half a pixel apart.
TEST_F(GridFixture, TextCellsShowWhatTheStyleWouldDraw) {
  struct Case {
    const char* name;
    int alignment;  // column code: 0 left, 2 right, 6 centre
    int width;
    QString text;
  };
  const Case cases[] = {
      {"fits, left", 0, 279, QStringLiteral("JUAN CARLOS GARCÍA LÓPEZ")},
      {"fits, right", 2, 279, QStringLiteral("1,234.50")},
      {"fits, centre", 6, 279, QStringLiteral("15/01/2026")},
      {"elided", 0, 60, QStringLiteral("NÓMINA QUINCENAL ORDINARIA")},
      {"elided, right", 2, 45, QStringLiteral("1,234,567.89")},
      {"empty", 0, 90, QString()},
      {"two lines", 0, 279, QStringLiteral("primera\nsegunda")},
  };
  form.show();
  QAbstractItemView* view = grid->View();
  QStyledItemDelegate styled;
  for (const Case& c : cases) {
    grid->Column(2)->nAlignment = c.alignment;
    grid->Column(2)->nWidth = c.width;
    grid->SetArray(Rows{Row{1, c.text, 2.0}, Row{2, c.text, 3.0}});
    for (const bool selected : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (selected ? ", selected" : ""));
      const QModelIndex index = view->model()->index(selected ? 0 : 1, 1);
      QStyleOptionViewItem option;
      option.initFrom(view);
      option.widget = view;
      option.rect = QRect(QPoint(0, 0), view->visualRect(index).size());
      option.state |= QStyle::State_Active;
      if (selected) option.state |= QStyle::State_Selected;
      option.textElideMode = view->textElideMode();
      // On a pixmap, whose resolution is the screen's, as on the view.
      const auto paint = [&](QAbstractItemDelegate* delegate) {
        QPixmap cell(option.rect.size());
        cell.fill(Qt::white);
        QPainter p(&cell);
        delegate->paint(&p, option, index);
        p.end();
        return cell.toImage();
      };
      const QImage byStyle = paint(&styled);
      for (const char* when : {"first", "from the kept layout"}) {
        SCOPED_TRACE(when);
        const QImage own = paint(view->itemDelegate());
        if (c.alignment != 6) {
          EXPECT_TRUE(own == byStyle);
          continue;
        }
        const QRect a = inkBox(own), b = inkBox(byStyle);
        EXPECT_EQ(a.top(), b.top());
        EXPECT_EQ(a.bottom(), b.bottom());
        EXPECT_LE(std::abs(a.left() - b.left()), 1);
        EXPECT_LE(std::abs(a.right() - b.right()), 1);
      }
    }
  }
}

TEST(ColumnAlignment, CodesOfTheScreens) {
  struct Case {
    int code;
    Qt::Alignment cells;
    Qt::Alignment header;
  };
  const Case cases[] = {
      {0, Qt::AlignLeft, Qt::AlignLeft},       {2, Qt::AlignRight, Qt::AlignRight},
      {6, Qt::AlignHCenter, Qt::AlignHCenter}, {64, Qt::AlignLeft, Qt::AlignHCenter},
      {66, Qt::AlignRight, Qt::AlignHCenter},  {16 + 2, Qt::AlignRight, Qt::AlignLeft},
      {32, Qt::AlignLeft, Qt::AlignRight},     {32 + 6, Qt::AlignHCenter, Qt::AlignRight},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ColumnAlignment::Cells(c.code), c.cells | Qt::AlignVCenter);
    EXPECT_EQ(ColumnAlignment::Header(c.code), c.header | Qt::AlignVCenter);
  }
}

TEST_F(GridFixture, ColumnsHideShowImagesAndReportDoubleClicks) {
  auto* sel = grid->AddColumn(QStringLiteral("Seleccion"), 73);
  sel->nArrayCol = 2;
  sel->aBitmaps = {QStringLiteral("angulo2"), QStringLiteral("tacha3")};
  sel->bBmpData = [](const Row& r) { return r.col(2).toString().startsWith(u'B') ? 2 : 1; };
  sel->lBmpOnly = true;
  grid->Column(1)->lHide = true;
  grid->Column(4)->nAlignment = 6;
  grid->SetArray(sampleRows());
  EXPECT_TRUE(grid->View()->isColumnHidden(0));
  EXPECT_EQ(grid->View()->columnWidth(1), 279);
  EXPECT_EQ(cell(1, 4), "") << "an image-only column shows no text";
  int columnClicks = 0, gridClicks = 0;
  sel->OnDataDblClick = [&](TArrayBrwColumn* c) {
    EXPECT_EQ(c->Index(), 4);
    ++columnClicks;
  };
  grid->OnDblClick = [&] { ++gridClicks; };
  emit grid->View()->doubleClicked(grid->View()->model()->index(0, 3));
  emit grid->View()->doubleClicked(grid->View()->model()->index(0, 1));
  EXPECT_EQ(columnClicks, 1);
  EXPECT_EQ(gridClicks, 2);
  EXPECT_EQ(grid->View()->model()->headerData(1, Qt::Horizontal).toString(), "Nombre");
}

TEST_F(GridFixture, RowHeightHeaderHeightAndRecordSelector) {
  grid->nRowHeight = 35;
  grid->nHeaderHeight = 40;
  grid->nRecSelWidth = 15;
  grid->nMarqueeStyle = 4;
  grid->nRowDividerStyle = 4;
  grid->SetArray(sampleRows());
  EXPECT_EQ(grid->View()->rowHeight(0), 35);
  EXPECT_EQ(grid->View()->horizontalHeader()->height(), 40);
  EXPECT_EQ(grid->View()->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(grid->View()->model()->headerData(0, Qt::Vertical).toString(), QString(QChar(0x25B6)));
  EXPECT_EQ(grid->View()->model()->headerData(1, Qt::Vertical).toString(), "");
}

TEST(Rows, BuiltFromValuesOrFromAList) {
  const QVariantList list{1, QStringLiteral("dos"), 3.5};
  EXPECT_EQ(Row{list}.count(), 3) << "a list gives its values as columns";
  EXPECT_EQ(Row(list).col(2), QVariant(QStringLiteral("dos")));
  const Row r{7, QStringLiteral("x")};
  EXPECT_EQ(r.count(), 2);
  EXPECT_EQ(r.col(1), QVariant(7));
  EXPECT_FALSE(r.col(3).isValid());
  Row grow;
  grow.setCol(3, QStringLiteral("c"));
  EXPECT_EQ(grow.count(), 3);
}
