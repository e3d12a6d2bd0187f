#pragma once
// Grid over an in-memory array of rows.
//
//   arreglo = TArrayBrowse::New(oGroupBox1, "arreglo");
//   arreglo->SetBounds(4, 4, 418, 374);
//   auto* c = arreglo->AddColumn("Id", 90);   // column n shows element n of a row
//   c->cPicture = "99999999";
//   c->nAlignment = 66;                        // right cells, centred header
//   arreglo->lFilterBar = true;
//   arreglo->SetArray(rows);
//   if (arreglo->Len() > 0) valor = arreglo->aArrayData().row(arreglo->nArrayAt).col(2);
//
// aArrayData is what the grid shows, in the order shown (after sorting and filtering);
// nArrayAt is the 1-based current row in it (0 only when there is no row).
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QTableView>
#include <functional>
#include <memory>

#include "toolkit/Rows.h"
#include "toolkit/TControl.h"

class TArrayBrowse;
class QLineEdit;

namespace ColumnAlignment {
// Low four bits: cells (0 left, 2 right, 6 centre); next four bits, when set, the header
// (16 left, 32 right, 64 centre); otherwise the header takes the cell alignment.
Qt::Alignment Cells(int code);
Qt::Alignment Header(int code);
}  // namespace ColumnAlignment

class TArrayBrwColumn {
 public:
  TArrayBrwColumn(TArrayBrowse* browse, int arrayCol);

  Property<QString> cHeader;
  Property<int> nWidth;
  Property<int> nAlignment;
  Property<QString> cPicture;
  Property<bool> lHide;
  // Element of the row shown by this column, 1-based (by default the column's position).
  int nArrayCol;
  // Cell pictures: names, and which one a row shows (1-based, 0 none). With lBmpOnly the cell
  // shows only the picture.
  QStringList aBitmaps;
  std::function<int(const Row&)> bBmpData;
  bool lBmpOnly = false;
  QSize nBmpSize{16, 16};

  Event<TArrayBrwColumn*> OnDataDblClick;
  Event<TArrayBrwColumn*> OnHeaderClick;  // returning false prevents the sort

  int Index() const { return m_index; }  // 1-based creation order
  TArrayBrowse* Browse() const { return m_browse; }

  QString CellText(const Row& row) const;
  QPixmap CellPicture(const Row& row) const;

 private:
  friend class TArrayBrowse;
  friend class ArrayModel;
  TArrayBrowse* m_browse;
  int m_index = 0;
  QString m_header;
  int m_width = 80;
  int m_alignment = 0;
  QString m_picture;
  bool m_hidden = false;
};

class TArrayBrowse : public TControl<TArrayBrowse, QWidget> {
 public:
  TArrayBrowse(QWidget* parent, const QString& name);
  ~TArrayBrowse() override;

  TArrayBrwColumn* AddColumn(const QString& header = QString(), int width = 80);
  TArrayBrwColumn* Column(int n) const;  // 1-based
  int ColCount() const { return static_cast<int>(m_columns.size()); }

  // Replaces the rows; the current row goes to the first one.
  void SetArray(const Rows& rows);
  void SetArray(const QList<QVariantList>& rows);
  Rows aArrayData() const;  // rows as shown
  Rows aAllData() const { return m_all; }
  int Len() const { return static_cast<int>(m_view.size()); }
  Row CurrentRow() const;  // empty when there is none

  Property<int> nArrayAt;
  Property<int> nRowHeight;
  Property<int> nHeaderHeight;
  Property<bool> lFilterBar;
  Property<int> nRowDividerStyle;  // 0 none, 1 black, 2 dark grey, 3 text colour, 4 light grey, 5/6 grey
  Property<int> nColDividerStyle;
  Property<int> nMarqueeStyle;     // 0..3 mark the current cell, 4 and above the whole row
  Property<bool> lRecordSelector;
  Property<int> nRecSelWidth;
  bool lAutoOrder = false;

  void Refresh();
  void GoTop();
  void GoBottom();
  // Sorts the rows by a column's shown values (what a header click does).
  void SortBy(int column, bool ascending = true);
  // Filter text of a column's filter-bar field; the shown rows contain it (case ignored).
  void SetFilter(int column, const QString& text);
  QString Filter(int column) const;

  Event<TArrayBrowse*> OnChange;       // the user moved to another row
  Event<TArrayBrowse*> OnClick;        // a touch on a row, the current one included
  Event<TArrayBrowse*> OnDblClick;
  Event<TArrayBrowse*> OnDataDblClick;  // double click on a cell

  // The table, its columns laid out.
  QTableView* View() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  friend class TArrayBrwColumn;
  friend class ArrayModel;
  void columnChanged();
  void rebuildView();
  // Column and header changes made while the browse is hidden (a screen being built) are
  // laid out once, when it is shown or its table is asked for.
  void applyLayout();
  void flushLayout();
  void placeFilterBar();
  void setCurrent(int oneBased, bool byUser);
  void headerClicked(int section);

  class ArrayModel* m_model;
  QTableView* m_table;
  QWidget* m_filterBar;
  QList<QLineEdit*> m_filterEdits;
  QList<TArrayBrwColumn*> m_columns;
  QStringList m_filters;
  Rows m_all;
  QList<int> m_view;  // indexes into m_all, in shown order
  int m_current = 0;  // 1-based in m_view
  bool m_layoutDirty = false;
  bool m_resetPending = false;
  int m_rowHeight = 21;
  int m_headerHeight = 21;
  bool m_filterOn = false;
  int m_rowDivider = 0;
  int m_colDivider = 0;
  int m_marquee = 4;
  bool m_recSel = true;
  int m_recSelWidth = 15;
  int m_sortColumn = 0;
  bool m_sortAscending = true;
  bool m_syncing = false;

  friend class DividerDelegate;
};
