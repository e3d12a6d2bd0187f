#include "toolkit/TArrayBrowse.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "toolkit/BoundedMemo.h"
#include "toolkit/PerFont.h"
#include "toolkit/Pictures.h"
#include "toolkit/TextUtil.h"

namespace ColumnAlignment {

namespace {
Qt::Alignment horizontal(int code) {
  switch (code) {
    case 2: return Qt::AlignRight;
    case 6: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}
}  // namespace

Qt::Alignment Cells(int code) { return horizontal(code & 0x0F) | Qt::AlignVCenter; }

Qt::Alignment Header(int code) {
  switch (code & 0xF0) {
    case 16: return Qt::AlignLeft | Qt::AlignVCenter;
    case 32: return Qt::AlignRight | Qt::AlignVCenter;
    case 64: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Cells(code);
  }
}

}  // namespace ColumnAlignment

namespace {

bool isNumber(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Short: case QMetaType::Long:
      return true;
    default:
      return false;
  }
}

int compareValues(const QVariant& a, const QVariant& b) {
  if (isNumber(a) && isNumber(b)) {
    const double x = a.toDouble(), y = b.toDouble();
    return x < y ? -1 : x > y ? 1 : 0;
  }
  if (a.typeId() == QMetaType::QDate && b.typeId() == QMetaType::QDate) {
    return a.toDate() < b.toDate() ? -1 : a.toDate() > b.toDate() ? 1 : 0;
  }
  // Spanish order: accents do not push a name to the end, case is ignored.
  static const QCollator collator = [] {
    QCollator c(QLocale(QLocale::Spanish, QLocale::Mexico));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(true);
    return c;
  }();
  return collator.compare(Text::ToText(a).trimmed(), Text::ToText(b).trimmed());
}

QColor dividerColor(int style, const QPalette& pal) {
  switch (style) {
    case 1: return Qt::black;
    case 2: return Qt::darkGray;
    case 3: return pal.color(QPalette::Text);
    case 4: return QColor(211, 211, 211);
    case 5:
    case 6: return Qt::gray;
    default: return QColor();
  }
}

}  // namespace

// ---- columns --------------------------------------------------------------------------

TArrayBrwColumn::TArrayBrwColumn(TArrayBrowse* browse, int arrayCol)
    : cHeader([this] { return m_header; },
              [this](const QString& h) {
                m_header = h;
                m_browse->columnChanged();
              }),
      nWidth([this] { return m_width; },
             [this](const int& w) {
               m_width = w;
               m_browse->columnChanged();
             }),
      nAlignment([this] { return m_alignment; },
                 [this](const int& a) {
                   m_alignment = a;
                   m_browse->columnChanged();
                 }),
      cPicture([this] { return m_picture; },
               [this](const QString& p) {
                 m_picture = p;
                 m_browse->columnChanged();
               }),
      lHide([this] { return m_hidden; },
            [this](const bool& h) {
              m_hidden = h;
              m_browse->columnChanged();
            }),
      nArrayCol(arrayCol),
      m_browse(browse),
      m_index(arrayCol) {}

QString TArrayBrwColumn::CellText(const Row& row) const {
  if (lBmpOnly) return QString();
  const QVariant v = row.col(nArrayCol);
  return m_picture.isEmpty() ? Text::ToText(v) : Text::Transform(v, m_picture);
}

QPixmap TArrayBrwColumn::CellPicture(const Row& row) const {
  if (!bBmpData || aBitmaps.isEmpty()) return QPixmap();
  const int n = bBmpData(row);
  if (n < 1 || n > aBitmaps.size()) return QPixmap();
  // Drawn for the screen's pixels, so that a scaled window shows it sharp.
  const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
  QPixmap pm = Pictures::Load(aBitmaps[n - 1], nBmpSize.isEmpty() ? nBmpSize : nBmpSize * dpr);
  if (!nBmpSize.isEmpty()) pm.setDevicePixelRatio(dpr);
  return pm;
}

// ---- model ----------------------------------------------------------------------------

class ArrayModel : public QAbstractTableModel {
 public:
  explicit ArrayModel(TArrayBrowse* b) : QAbstractTableModel(b), m_b(b) {}

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_b->Len(); }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_b->ColCount(); }

  const Row& rowAt(int r) const { return m_b->m_all[m_b->m_view[r]]; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= m_b->Len() || index.column() >= m_b->ColCount()) return QVariant();
    const TArrayBrwColumn* col = m_b->m_columns[index.column()];
    const Row& row = rowAt(index.row());
    switch (role) {
      case Qt::DisplayRole: return col->CellText(row);
      case Qt::DecorationRole: {
        const QPixmap pm = col->CellPicture(row);
        return pm.isNull() ? QVariant() : QVariant(pm);
      }
      case Qt::TextAlignmentRole: return QVariant::fromValue(ColumnAlignment::Cells(col->m_alignment));
      default: return QVariant();
    }
  }

  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (o == Qt::Horizontal) {
      if (section >= m_b->ColCount()) return QVariant();
      const TArrayBrwColumn* col = m_b->m_columns[section];
      if (role == Qt::DisplayRole) return col->m_header;
      if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ColumnAlignment::Header(col->m_alignment));
      return QVariant();
    }
    // Record selector: a marker on the current row.
    if (role == Qt::DisplayRole) return section + 1 == m_b->m_current ? QStringLiteral("\u25B6") : QString();
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    return QVariant();
  }

  void reset() {
    beginResetModel();
    endResetModel();
  }
  void headersChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, m_b->ColCount() - 1));
    if (m_b->Len() > 0) emit headerDataChanged(Qt::Vertical, 0, m_b->Len() - 1);
  }

 private:
  TArrayBrowse* m_b;
};

// Cell texts laid out once: a listing shows the same texts screen after screen, and laying a
// text out costs more than drawing its glyphs. Bounded per font (a laid-out text keeps its
// glyphs and their positions: a few hundred bytes).
namespace {
namespace CellText {

struct Prepared {
  QStaticText text;
  qreal width = 0;
  qreal height = 0;
};

Prepared prepare(const QFont& font, const QString& text) {
  Prepared prepared;
  prepared.text.setTextFormat(Qt::PlainText);
  prepared.text.setText(text);
  prepared.text.prepare(QTransform(), font);
  const QFontMetricsF metrics(font);
  prepared.width = metrics.horizontalAdvance(text);
  prepared.height = metrics.ascent() + metrics.descent();
  return prepared;
}

struct FontTexts {
  explicit FontTexts(const QFont&) {}
  BoundedMemo<QString, Prepared> texts{2000};
  BoundedMemo<QString, Prepared> elided{500};  // keyed by width and text
};

const Prepared& Get(const QFont& font, const QString& text) {
  return PerFont<FontTexts>(font).texts.Get(text, [&font](const QString& t) { return prepare(font, t); });
}

// The text cut at its end to fit `width`, with an ellipsis.
const Prepared& Elided(const QFont& font, const QString& text, int width) {
  return PerFont<FontTexts>(font).elided.Get(QString::number(width) + u'|' + text, [&](const QString&) {
    return prepare(font, QFontMetrics(font).elidedText(text, Qt::ElideRight, width));
  });
}

}  // namespace CellText
}  // namespace

// Draws cells, then the row and column dividers of the chosen styles; centres image-only cells.
class DividerDelegate : public QStyledItemDelegate {
 public:
  explicit DividerDelegate(TArrayBrowse* b) : QStyledItemDelegate(b), m_b(b) {}

  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const TArrayBrwColumn* col = m_b->Column(index.column() + 1);
    if (col && col->lBmpOnly) {
      QStyleOptionViewItem opt = option;
      initStyleOption(&opt, index);
      opt.text.clear();
      opt.icon = QIcon();
      opt.features &= ~QStyleOptionViewItem::HasDecoration;
      m_b->View()->style()->drawControl(QStyle::CE_ItemViewItem, &opt, p, m_b->View());
      const QPixmap pm = qvariant_cast<QPixmap>(index.data(Qt::DecorationRole));
      if (!pm.isNull()) {
        const QRect r = option.rect;
        p->drawPixmap(r.x() + (r.width() - pm.width()) / 2, r.y() + (r.height() - pm.height()) / 2, pm);
      }
    } else if (!paintPlainText(p, option, index)) {
      QStyledItemDelegate::paint(p, option, index);
    }
    p->save();
    const QColor rowColor = dividerColor(m_b->m_rowDivider, option.palette);
    if (rowColor.isValid()) {
      p->setPen(rowColor);
      p->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    }
    const QColor colColor = dividerColor(m_b->m_colDivider, option.palette);
    if (colColor.isValid()) {
      p->setPen(colColor);
      p->drawLine(option.rect.topRight(), option.rect.bottomRight());
    }
    p->restore();
  }

 private:
  // A cell of text only, drawn as the style draws it but laid out once: the style's own item
  // drawing lays a text out three times (size, layout, elision), the largest cost of a listing.
  bool paintPlainText(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // The model gives line breaks as line separators.
    if (opt.features & (QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasCheckIndicator) ||
        opt.text.contains(QChar::LineSeparator) || opt.text.contains(u'\n'))
      return false;  // the style lays these out
    const QWidget* view = m_b->View();
    QStyle* style = view->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
    const Qt::Alignment align = QStyle::visualAlignment(opt.direction, opt.displayAlignment);
    const CellText::Prepared* cell = &CellText::Get(opt.font, opt.text);
    if (cell->width > textRect.width()) {
      // Too wide: shown cut, from its start (elided otherwise, or aligned elsewhere, by the style).
      if (opt.textElideMode != Qt::ElideRight || !(align & Qt::AlignLeft)) return false;
      cell = &CellText::Elided(opt.font, opt.text, textRect.width());
    }
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, p, view);
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active)  ? QPalette::Normal
                                                                             : QPalette::Inactive;
    const bool selected = opt.state & QStyle::State_Selected;
    p->save();
    p->setFont(opt.font);
    p->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    // Placed where the style places a line: its box (the whole width, whole pixels high) aligned
    // in the text rectangle, and the text aligned along the line.
    const QRect line = QStyle::alignedRect(opt.direction, opt.displayAlignment,
                                           QSize(textRect.width(), int(std::ceil(cell->height))), textRect);
    // Centred in the layout's 1/64 pixel units, as it halves them (its glyphs may still round
    // to the next pixel where the style's do not).
    const qint64 free = qint64(line.width()) * 64 - qRound64(cell->width * 64);
    qreal x = line.left();
    if (align & Qt::AlignRight) x += free / 64.0;
    else if (align & Qt::AlignHCenter) x += double(free / 2) / 64.0;
    p->drawStaticText(QPointF(x, line.top()), cell->text);
    p->restore();
    if (opt.state & QStyle::State_HasFocus) {
      QStyleOptionFocusRect focus;
      focus.QStyleOption::operator=(opt);
      focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &opt, view);
      focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
      focus.backgroundColor = opt.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
      style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, p, view);
    }
    return true;
  }

  TArrayBrowse* m_b;
};

// A header whose size the browse fixes: its size hint is that size, instead of measuring every
// section's text each time the table lays itself out.
class FixedSizeHeader : public QHeaderView {
 public:
  using QHeaderView::QHeaderView;
  QSize sizeHint() const override {
    if (orientation() == Qt::Horizontal && minimumHeight() == maximumHeight())
      return QSize(length(), minimumHeight());
    if (orientation() == Qt::Vertical && minimumWidth() == maximumWidth()) return QSize(minimumWidth(), length());
    return QHeaderView::sizeHint();
  }
};

// The table with room for the filter bar between the column headers and the rows.
class FilterTableView : public QTableView {
 public:
  explicit FilterTableView(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new FixedSizeHeader(Qt::Horizontal, this));
    setVerticalHeader(new FixedSizeHeader(Qt::Vertical, this));
  }
  QWidget* bar = nullptr;

 protected:
  void updateGeometries() override {
    QTableView::updateGeometries();
    if (!bar) return;
    const int extra = bar->isVisibleTo(this) ? bar->height() : 0;
    const QMargins m = viewportMargins();
    const int headerHeight = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->height();
    if (m.top() != headerHeight + extra) setViewportMargins(m.left(), headerHeight + extra, m.right(), m.bottom());
    const QRect vg = viewport()->geometry();
    horizontalHeader()->setGeometry(vg.left(), vg.top() - headerHeight - extra, vg.width(), headerHeight);
    if (!verticalHeader()->isHidden())
      verticalHeader()->setGeometry(vg.left() - m.left(), vg.top(), m.left(), vg.height());
    bar->setGeometry(vg.left(), vg.top() - extra, vg.width(), extra);
  }
};

// ---- browse ---------------------------------------------------------------------------

TArrayBrowse::TArrayBrowse(QWidget* parent, const QString& name)
    : TControl(parent, name),
      nArrayAt([this] { return m_current; }, [this](const int& n) { setCurrent(n, false); }),
      nRowHeight([this] { return m_rowHeight; },
                 [this](const int& h) {
                   m_rowHeight = std::max(1, h);
                   applyLayout();
                 }),
      nHeaderHeight([this] { return m_headerHeight; },
                    [this](const int& h) {
                      m_headerHeight = std::max(1, h);
                      applyLayout();
                    }),
      lFilterBar([this] { return m_filterOn; },
                 [this](const bool& on) {
                   m_filterOn = on;
                   applyLayout();
                 }),
      nRowDividerStyle([this] { return m_rowDivider; },
                       [this](const int& s) {
                         m_rowDivider = s;
                         m_table->viewport()->update();
                       }),
      nColDividerStyle([this] { return m_colDivider; },
                       [this](const int& s) {
                         m_colDivider = s;
                         m_table->viewport()->update();
                       }),
      nMarqueeStyle([this] { return m_marquee; },
                    [this](const int& s) {
                      m_marquee = s;
                      applyLayout();
                    }),
      lRecordSelector([this] { return m_recSel; },
                      [this](const bool& on) {
                        m_recSel = on;
                        applyLayout();
                      }),
      nRecSelWidth([this] { return m_recSelWidth; },
                   [this](const int& w) {
                     m_recSelWidth = std::max(0, w);
                     applyLayout();
                   }),
      m_model(new ArrayModel(this)),
      m_table(new FilterTableView(this)),
      m_filterBar(new QWidget(m_table)) {
  static_cast<FilterTableView*>(m_table)->bar = m_filterBar;
  // Sizes fixed from the start, so that no layout before the first show measures the headers.
  m_table->horizontalHeader()->setFixedHeight(m_headerHeight);
  m_table->verticalHeader()->setFixedWidth(m_recSelWidth);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_table);
  m_table->setObjectName(name + QStringLiteral(".view"));
  m_table->setModel(m_model);
  m_table->setItemDelegate(new DividerDelegate(this));
  m_table->setShowGrid(false);
  m_table->setWordWrap(false);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  m_table->horizontalHeader()->setSectionsClickable(true);
  m_table->horizontalHeader()->setHighlightSections(false);
  m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_table->verticalHeader()->setSectionsClickable(false);
  m_table->verticalHeader()->setHighlightSections(false);

  connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& now, const QModelIndex&) {
            if (m_syncing || !now.isValid()) return;
            const int before = m_current;
            m_current = now.row() + 1;
            m_model->headersChanged();
            if (m_current != before) OnChange(this);
          });
  connect(m_table, &QTableView::clicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) OnClick(this);
  });
  connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (TArrayBrwColumn* col = Column(index.column() + 1)) col->OnDataDblClick(col);
    OnDataDblClick(this);
    OnDblClick(this);
  });
  connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int s) { headerClicked(s); });
  connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { placeFilterBar(); });
  connect(m_table->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeFilterBar(); });
  applyLayout();
}

TArrayBrowse::~TArrayBrowse() { qDeleteAll(m_columns); }

TArrayBrwColumn* TArrayBrowse::AddColumn(const QString& header, int width) {
  auto* col = new TArrayBrwColumn(this, ColCount() + 1);
  col->m_header = header;
  col->m_width = width;
  m_columns.append(col);
  m_filters.append(QString());
  m_resetPending = true;
  auto* edit = new QLineEdit(m_filterBar);
  edit->setObjectName(objectName() + QStringLiteral(".filter") + QString::number(ColCount()));
  const int n = ColCount();
  connect(edit, &QLineEdit::textEdited, this, [this, n](const QString& t) { SetFilter(n, t); });
  m_filterEdits.append(edit);
  applyLayout();
  return col;
}

TArrayBrwColumn* TArrayBrowse::Column(int n) const {
  return n >= 1 && n <= ColCount() ? m_columns[n - 1] : nullptr;
}

void TArrayBrowse::SetArray(const Rows& rows) {
  m_all = rows;
  m_current = 0;
  rebuildView();
  setCurrent(1, false);
}

void TArrayBrowse::SetArray(const QList<QVariantList>& rows) {
  Rows r;
  r.reserve(rows.size());
  for (const auto& v : rows) r.append(Row(v));
  SetArray(r);
}

Rows TArrayBrowse::aArrayData() const {
  Rows out;
  out.reserve(m_view.size());
  for (int i : m_view) out.append(m_all[i]);
  return out;
}

Row TArrayBrowse::CurrentRow() const {
  return m_current >= 1 && m_current <= Len() ? m_all[m_view[m_current - 1]] : Row();
}

void TArrayBrowse::rebuildView() {
  m_syncing = true;
  const bool wasEmpty = m_view.isEmpty();
  m_view.clear();
  for (int i = 0; i < m_all.size(); ++i) {
    bool keep = true;
    for (int c = 0; c < ColCount() && keep; ++c) {
      if (m_filters[c].isEmpty()) continue;
      keep = m_columns[c]->CellText(m_all[i]).contains(m_filters[c], Qt::CaseInsensitive);
    }
    if (keep) m_view.append(i);
  }
  // An empty browse that stays empty has nothing new to show: a reset would only lay out its
  // headers again (screens clear their browse several times while they open).
  if (wasEmpty && m_view.isEmpty()) {
    if (m_resetPending && isVisible()) flushLayout();
  } else {
    m_resetPending = false;
    m_model->reset();
  }
  m_syncing = false;
}

void TArrayBrowse::setCurrent(int oneBased, bool byUser) {
  const int before = m_current;
  m_current = Len() == 0 ? 0 : std::clamp(oneBased, 1, Len());
  m_syncing = true;
  if (m_current > 0) {
    const QModelIndex idx = m_model->index(m_current - 1, std::max(0, m_table->currentIndex().column()));
    m_table->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect |
                                                        (m_marquee >= 4 ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
    m_table->scrollTo(idx);
  } else {
    m_table->selectionModel()->clear();
  }
  m_syncing = false;
  m_model->headersChanged();
  if (byUser && m_current != before) OnChange(this);
}

void TArrayBrowse::GoTop() { setCurrent(1, false); }
void TArrayBrowse::GoBottom() { setCurrent(Len(), false); }

void TArrayBrowse::Refresh() {
  const int at = m_current;
  rebuildView();
  setCurrent(at, false);
  applyLayout();
  m_table->viewport()->update();
}

void TArrayBrowse::SortBy(int column, bool ascending) {
  const TArrayBrwColumn* col = Column(column);
  if (!col) return;
  const int keep = m_current >= 1 ? m_view[m_current - 1] : -1;
  QList<int> order(m_all.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const int c = compareValues(m_all[a].col(col->nArrayCol), m_all[b].col(col->nArrayCol));
    return ascending ? c < 0 : c > 0;
  });
  Rows sorted;
  sorted.reserve(m_all.size());
  int newKeep = -1;
  for (int i = 0; i < order.size(); ++i) {
    sorted.append(m_all[order[i]]);
    if (order[i] == keep) newKeep = i;
  }
  m_all = sorted;
  m_sortColumn = column;
  m_sortAscending = ascending;
  rebuildView();
  const int at = static_cast<int>(m_view.indexOf(newKeep));
  setCurrent(at >= 0 ? at + 1 : 1, false);
  m_table->horizontalHeader()->setSortIndicatorShown(true);
  m_table->horizontalHeader()->setSortIndicator(column - 1, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TArrayBrowse::headerClicked(int section) {
  TArrayBrwColumn* col = Column(section + 1);
  if (!col) return;
  if (!col->OnHeaderClick(col)) return;
  if (!lAutoOrder) return;
  const bool ascending = m_sortColumn == section + 1 ? !m_sortAscending : true;
  SortBy(section + 1, ascending);
}

void TArrayBrowse::SetFilter(int column, const QString& text) {
  if (column < 1 || column > ColCount()) return;
  m_filters[column - 1] = text;
  if (m_filterEdits[column - 1]->text() != text) m_filterEdits[column - 1]->setText(text);
  const int keep = m_current >= 1 ? m_view[m_current - 1] : -1;
  rebuildView();
  const int at = static_cast<int>(m_view.indexOf(keep));
  setCurrent(at >= 0 ? at + 1 : 1, false);
}

QString TArrayBrowse::Filter(int column) const {
  return column >= 1 && column <= ColCount() ? m_filters[column - 1] : QString();
}

void TArrayBrowse::columnChanged() {
  applyLayout();
  // Before the first show the header reads the columns when it is laid out; telling it of each
  // change would lay it out once per column property set while the screen is built.
  if (!isVisible()) return;
  m_model->headersChanged();
  m_table->viewport()->update();
}

QTableView* TArrayBrowse::View() const {
  const_cast<TArrayBrowse*>(this)->flushLayout();
  return m_table;
}

void TArrayBrowse::applyLayout() {
  m_layoutDirty = true;
  if (isVisible()) flushLayout();
}

void TArrayBrowse::showEvent(QShowEvent* event) {
  flushLayout();
  QWidget::showEvent(event);
}

void TArrayBrowse::flushLayout() {
  if (m_resetPending) {
    m_resetPending = false;
    m_model->reset();
  }
  if (!m_layoutDirty) return;
  m_layoutDirty = false;
  QHeaderView* h = m_table->horizontalHeader();
  h->setFixedHeight(m_headerHeight);
  m_table->verticalHeader()->setDefaultSectionSize(m_rowHeight);
  m_table->verticalHeader()->setMinimumSectionSize(1);
  m_table->verticalHeader()->setVisible(m_recSel);
  m_table->verticalHeader()->setFixedWidth(m_recSelWidth);
  m_table->setSelectionBehavior(m_marquee >= 4 ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
  m_table->setSelectionMode(m_marquee == 0 ? QAbstractItemView::NoSelection : QAbstractItemView::SingleSelection);
  for (int c = 0; c < ColCount(); ++c) {
    m_table->setColumnHidden(c, m_columns[c]->m_hidden);
    m_table->setColumnWidth(c, m_columns[c]->m_width);
  }
  m_filterBar->setVisible(m_filterOn);
  m_filterBar->setFixedHeight(std::max(22, m_rowHeight - 4));
  m_table->updateGeometry();
  static_cast<FilterTableView*>(m_table)->doItemsLayout();
  placeFilterBar();
  m_model->headersChanged();  // column captions or alignments set while hidden
}

void TArrayBrowse::placeFilterBar() {
  if (!m_filterOn) return;
  const QHeaderView* h = m_table->horizontalHeader();
  const int offset = 0;
  for (int c = 0; c < m_filterEdits.size(); ++c) {
    QLineEdit* e = m_filterEdits[c];
    if (m_columns[c]->m_hidden) {
      e->hide();
      continue;
    }
    e->setGeometry(offset + h->sectionViewportPosition(c), 0, h->sectionSize(c), m_filterBar->height());
    e->show();
  }
}

void TArrayBrowse::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeFilterBar();
}
