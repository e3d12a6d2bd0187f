#include "reports/ReportLayout.h"

#include <QDate>
#include <QFileInfo>
#include <QTime>
#include <cmath>

#include "reports/QrCode.h"
#include "reports/ReportFormat.h"
#include "reports/TextMetrics.h"

namespace {

constexpr double kEps = 0.01;
const QString kTotalPagesToken = QStringLiteral("\uE000TP\uE000");

void AppendBandChain(const BandPtr& band, QList<const ExprNode*>& out) {
  for (const ReportBand* b = band.get(); b; b = b->child.get()) out += b->aggregates;
}

double Number(const QVariant& v) {
  double d = 0;
  return ReportFormat::AsNumber(v, d) ? d : 0;
}

}  // namespace

ReportLayout::ReportLayout(const ReportTemplate& tpl, const QList<UserDataSet>& dataSets,
                           const QList<ReportVariableDef>& variables, CallbackGuard guard)
    : m_t(tpl), m_sets(dataSets), m_vars(variables), m_guard(std::move(guard)) {
  for (int i = 0; i < m_sets.size(); ++i) {
    for (const QString& field : m_sets[i].fields) {
      const QString key = field.toUpper();
      if (!m_fields.contains(key)) m_fields.insert(key, {i, field});
      m_fields.insert(m_sets[i].alias.toUpper() + u'.' + key, {i, field});
    }
  }
  for (int i = 0; i < m_vars.size(); ++i) {
    m_varIndex.insert(m_vars[i].name.toUpper(), i);  // a later definition of a name wins
    m_varIndex.insert(m_vars[i].category.toUpper() + u'.' + m_vars[i].name.toUpper(), i);
  }
  if (m_t.data) {
    for (const UserDataSet& s : m_sets)
      if (s.alias.compare(m_t.data->dataset, Qt::CaseInsensitive) == 0) m_master = &s;
    if (!m_master) m_problems << QStringLiteral("No se registró el conjunto de datos \"%1\"").arg(m_t.data->dataset);
  }
  for (const ReportBand* b : m_t.AllBands()) m_allAggregates += b->aggregates;
}

// ---- names ----------------------------------------------------------------------------

QVariant ReportLayout::Lookup(const QString& name, bool& known) {
  const QString key = name.toUpper();
  auto f = m_fields.constFind(key);
  if (f != m_fields.constEnd()) {
    known = true;
    const UserDataSet& set = m_sets[f->first];
    QVariant value;
    if (set.value) m_guard([&] { value = set.value(f->second); });
    return value;
  }
  auto v = m_varIndex.constFind(key);
  if (v != m_varIndex.constEnd()) {
    known = true;
    if (m_depth > 8) return Expr::Marker(name);  // a variable defined through itself
    ++m_depth;
    const QVariant value = Expr::Eval(*m_vars[*v].value, *this);
    --m_depth;
    return value;
  }
  known = false;
  if (!m_problemSet.contains(key)) {
    m_problemSet.insert(key);
    m_problems << QStringLiteral("Nombre desconocido: %1").arg(name);
  }
  return {};
}

bool ReportLayout::Knows(const QString& name) {
  const QString key = name.toUpper();
  return m_fields.contains(key) || m_varIndex.contains(key);
}

QVariant ReportLayout::System(SysValue which) {
  switch (which) {
    case SysValue::Page: return double(m_pageNo);
    case SysValue::TotalPages: return kTotalPagesToken;
    case SysValue::Date: return QDate::currentDate();
    case SysValue::Time: return QTime::currentTime().toString(QStringLiteral("HH:mm"));
    case SysValue::Line: return double(m_line);
  }
  return {};
}

QVariant ReportLayout::Aggregate(const ExprNode* node) {
  const Accumulator a = m_acc.value(node);
  return node->text == u"COUNT" ? double(a.count) : a.sum;
}

QVariant ReportLayout::Evaluate(const ExprPtr& e) { return e ? Expr::Eval(*e, *this) : QVariant(); }

// ---- data walk ------------------------------------------------------------------------

bool ReportLayout::Eof() {
  if (!m_master || !m_master->eof) return true;
  bool eof = true;
  if (!m_guard([&] { eof = m_master->eof(); })) return true;  // a failing test ends the walk
  return eof;
}

void ReportLayout::Move(const std::function<void()>& step) {
  if (step) m_guard(step);
}

QList<QString> ReportLayout::GroupValues() {
  QList<QString> values;
  for (const ReportGroup& g : m_t.groups) values << Expr::Print(Evaluate(g.condition));
  return values;
}

void ReportLayout::Accumulate() {
  for (const ExprNode* node : m_allAggregates) {
    Accumulator& a = m_acc[node];
    ++a.count;
    if (node->text == u"SUM" && !node->args.isEmpty()) a.sum += Number(Expr::Eval(*node->args[0], *this));
  }
}

void ReportLayout::ResetAggregates(const BandPtr& band) {
  QList<const ExprNode*> nodes;
  AppendBandChain(band, nodes);
  for (const ExprNode* n : nodes) m_acc.remove(n);
}

ReportDocument ReportLayout::Run() {
  m_doc = ReportDocument();
  m_doc.pageSize = m_t.pageSize;
  for (const UserDataSet& s : m_sets) Move(s.first);
  BeginPage();
  if (m_t.data && m_master) {
    QList<QString> previous;
    bool any = false;
    int guard = 0;
    while (!Eof()) {
      const QList<QString> current = GroupValues();
      int changed = any ? -1 : 0;
      if (any)
        for (int i = 0; i < current.size(); ++i)
          if (current[i] != previous[i]) { changed = i; break; }
      if (changed >= 0) {
        if (any) {  // close the groups that end here while their last row is current
          Move(m_master->prior);
          for (qsizetype i = m_t.groups.size() - 1; i >= changed; --i) PrintBand(m_t.groups[i].footer);
          Move(m_master->next);
        }
        for (qsizetype i = changed; i < m_t.groups.size(); ++i) {
          ResetAggregates(m_t.groups[i].footer);
          PrintBand(m_t.groups[i].header);
        }
      }
      previous = current;
      any = true;
      ++m_line;
      PrintBand(m_t.data);
      Move(m_master->next);
      if (++guard > 1000000) break;  // a cursor that never reaches its end
    }
    if (any) {
      Move(m_master->prior);  // footers and summary see the last row
      for (qsizetype i = m_t.groups.size() - 1; i >= 0; --i) PrintBand(m_t.groups[i].footer);
    }
  }
  if (m_t.summary) {
    const bool bottom = m_t.summary->atBottom;
    if (!m_t.summary->visible || Expr::Truth(Evaluate(m_t.summary->visible))) {
      Rendered r = Render(*m_t.summary);
      if (bottom) {
        if (m_y + r.height > m_bodyBottom + kEps) {
          EndPage();
          BeginPage();
        }
        m_y = std::max(m_y, m_bodyBottom - r.height);
      }
      PlaceRendered(std::move(r));
      if (m_t.summary->child) PrintBand(m_t.summary->child);
    }
  }
  EndPage();
  ApplyTotalPages();
  return m_doc;
}

// ---- pages ----------------------------------------------------------------------------

void ReportLayout::BeginPage() {
  m_doc.pages.append(ReportPage());
  ++m_pageNo;
  m_pageOpen = true;
  m_y = m_t.marginTop;
  m_bodyBottom = m_t.pageSize.height() - m_t.marginBottom - (m_t.pageFooter ? m_t.pageFooter->height : 0);
  ResetAggregates(m_t.pageFooter);
  m_bodyTop = m_y;
  const int page = m_pageNo;
  // The title opens the first page, above the page header; a title longer than a page goes on.
  if (page == 1) PrintBand(m_t.title);
  if (page == m_pageNo && m_t.pageHeader && (page > 1 || m_t.pageHeader->firstPage)) EmitAtTop(m_t.pageHeader);
  m_bodyTop = m_y;
}

void ReportLayout::EmitAtTop(const BandPtr& band) {
  for (const ReportBand* b = band.get(); b; b = b->child.get()) {
    if (b->visible && !Expr::Truth(Evaluate(b->visible))) break;
    Rendered r = Render(*b);
    for (PageItem& item : r.items) {
      item.rect.translate(m_t.marginLeft, m_y);
      m_doc.pages.last().items << item;
    }
    m_y += r.height;
  }
}

void ReportLayout::EndPage() {
  if (!m_pageOpen) return;
  m_pageOpen = false;
  if (!m_t.pageFooter) return;
  double y = m_t.pageSize.height() - m_t.marginBottom - m_t.pageFooter->height;
  for (const ReportBand* b = m_t.pageFooter.get(); b; b = b->child.get()) {
    if (b->visible && !Expr::Truth(Evaluate(b->visible))) break;
    Rendered r = Render(*b);
    for (PageItem& item : r.items) {
      item.rect.translate(m_t.marginLeft, y);
      m_doc.pages.last().items << item;
    }
    y += r.height;
  }
}

void ReportLayout::PrintBand(const BandPtr& band) {
  for (const ReportBand* b = band.get(); b; b = b->child.get()) {
    if (b->visible && !Expr::Truth(Evaluate(b->visible))) return;
    PlaceRendered(Render(*b));
    if (b->type == ReportBand::Type::Data) Accumulate();
  }
}

void ReportLayout::PlaceRendered(Rendered r) {
  if (m_y + r.height > m_bodyBottom + kEps && m_y > m_bodyTop + kEps) {
    EndPage();
    BeginPage();
  }
  // A band taller than a whole page continues on the next ones: texts are cut between lines.
  while (m_y + r.height > m_bodyBottom + kEps && m_bodyBottom - m_y > 5) {
    const double cut = m_bodyBottom - m_y;
    Rendered rest;
    rest.height = r.height - cut;
    QList<PageItem> here;
    for (PageItem item : r.items) {
      if (item.rect.bottom() <= cut + kEps) { here << item; continue; }
      if (item.rect.top() >= cut - kEps) {
        item.rect.translate(0, -cut);
        rest.items << item;
        continue;
      }
      if (item.kind == PageItem::Kind::Text && item.lineHeight > 0) {
        const double firstLineTop = item.rect.top() + item.firstBaseline - TextMetrics::AscentMm(item.font);
        const int fit = std::max(0, int(std::floor((cut - firstLineTop + kEps) / item.lineHeight)));
        PageItem tail = item;
        item.lines = item.lines.mid(0, fit);
        item.lineX = item.lineX.mid(0, fit);
        item.rect.setBottom(cut);
        tail.lines = tail.lines.mid(fit);
        tail.lineX = tail.lineX.mid(fit);
        tail.rect = QRectF(tail.rect.left(), 0, tail.rect.width(),
                           tail.lines.size() * tail.lineHeight + 2 * tail.padding);
        tail.firstBaseline = tail.padding + TextMetrics::AscentMm(tail.font);
        if (!item.lines.isEmpty()) here << item;
        if (!tail.lines.isEmpty()) rest.items << tail;
      } else if (item.kind == PageItem::Kind::Qr) {  // a code is never cut: it goes on whole
        item.rect.moveTop(0);
        rest.items << item;
      } else {  // frames and pictures: the part on each side of the cut
        PageItem tail = item;
        item.rect.setBottom(cut);
        tail.rect = QRectF(tail.rect.left(), 0, tail.rect.width(), tail.rect.bottom() - cut);
        here << item;
        if (item.kind != PageItem::Kind::Picture) rest.items << tail;
      }
    }
    for (PageItem& item : here) {
      item.rect.translate(m_t.marginLeft, m_y);
      m_doc.pages.last().items << item;
    }
    EndPage();
    BeginPage();
    r = rest;
  }
  ReportPage& page = m_doc.pages.last();
  for (PageItem& item : r.items) {
    item.rect.translate(m_t.marginLeft, m_y);
    page.items << item;
  }
  m_y += r.height;
}

// ---- one band -------------------------------------------------------------------------

PageItem ReportLayout::RenderText(const ReportObject& o, const QRectF& rect, bool& grew, double& growth) {
  PageItem item;
  item.kind = PageItem::Kind::Text;
  item.font = TextMetrics::MakeFont(o.family, o.size, o.bold, o.italic, o.underline);
  item.color = o.color;
  item.fill = o.fill;
  item.borders = o.borders;
  item.borderColor = o.borderColor;
  item.borderWidth = o.borderWidth;
  const QString text = Expr::Print(Evaluate(o.expr));
  const double inner = std::max(1.0, rect.width() - 2 * o.padding);
  item.lines = TextMetrics::BreakLines(item.font, text, inner, o.wrap);
  item.lineHeight = TextMetrics::LineHeightMm(item.font);
  // Shrinking: smaller steps until the lines fit the box's height (and width, unwrapped).
  auto fits = [&] {
    const bool tallEnough = item.lines.size() * item.lineHeight + 2 * o.padding <= rect.height() + kEps;
    const bool wideEnough = o.wrap || TextMetrics::WidthMm(item.font, item.lines.value(0)) <= inner + kEps;
    return tallEnough && wideEnough;
  };
  for (double size = o.size; o.shrink && !fits() && size > 4; ) {
    size -= 0.5;
    item.font.setPointSizeF(size);
    item.lines = TextMetrics::BreakLines(item.font, text, inner, o.wrap);
    item.lineHeight = TextMetrics::LineHeightMm(item.font);
  }
  double height = rect.height();
  const double needed = item.lines.size() * item.lineHeight + 2 * o.padding;
  grew = false;
  growth = 0;
  if (needed > height + kEps) {
    if (o.stretch) {
      growth = needed - height;
      height = needed;
      grew = true;
    } else {
      const int fit = std::max(1, int(std::floor((height - 2 * o.padding + kEps) / item.lineHeight)));
      item.lines = item.lines.mid(0, fit);
    }
  }
  item.rect = QRectF(rect.left(), rect.top(), rect.width(), height);
  const double block = item.lines.size() * item.lineHeight;
  double top = o.padding;
  if (o.align & Qt::AlignVCenter) top = (height - block) / 2;
  else if (o.align & Qt::AlignBottom) top = height - o.padding - block;
  item.firstBaseline = top + TextMetrics::AscentMm(item.font);
  for (const QString& line : item.lines) {
    const double w = TextMetrics::WidthMm(item.font, line);
    double x = o.padding;
    if (o.align & Qt::AlignHCenter) x = (rect.width() - w) / 2;
    else if (o.align & Qt::AlignRight) x = rect.width() - o.padding - w;
    item.lineX << x;
  }
  item.align = o.align;
  item.padding = o.padding;
  return item;
}

ReportLayout::Rendered ReportLayout::Render(const ReportBand& band) {
  Rendered out;
  struct Growth {
    double bottom, amount;
  };
  QList<Growth> growths;
  double originalBottom = band.height;
  // Stretching texts first, so that floating objects know how far to move.
  QList<PageItem> items;
  QList<const ReportObject*> order;
  for (const ReportObject& o : band.objects) {
    if (o.visible && !Expr::Truth(Evaluate(o.visible))) continue;
    order << &o;
  }
  auto shiftFor = [&](const ReportObject& o) {
    if (!o.floats) return 0.0;
    double shift = 0;
    for (const Growth& g : growths)
      if (g.bottom <= o.rect.top() + kEps) shift += g.amount;
    return shift;
  };
  QHash<const ReportObject*, PageItem> textItems;
  for (const ReportObject* o : order) {
    if (o->kind != ReportObject::Kind::Text) continue;
    bool grew = false;
    double growth = 0;
    textItems.insert(o, RenderText(*o, o->rect, grew, growth));
    if (grew) growths << Growth{o->rect.bottom(), growth};
  }
  double bandGrowth = 0;
  for (const Growth& g : growths) bandGrowth = std::max(bandGrowth, g.amount);
  double maxBottom = 0;
  for (const ReportObject* o : order) {
    const double shift = shiftFor(*o);
    PageItem item;
    switch (o->kind) {
      case ReportObject::Kind::Text:
        item = textItems.value(o);
        item.rect.translate(0, shift);
        break;
      case ReportObject::Kind::Line:
        item.kind = PageItem::Kind::Line;
        item.rect = o->rect.translated(0, shift);
        item.borderColor = o->borderColor;
        item.borderWidth = o->borderWidth;
        break;
      case ReportObject::Kind::Rect:
        item.kind = PageItem::Kind::Rect;
        item.rect = o->rect.translated(0, shift);
        if (o->stretch) item.rect.setHeight(item.rect.height() + bandGrowth);
        item.borderColor = o->borderColor;
        item.borderWidth = o->borderWidth;
        item.fill = o->fill;
        break;
      case ReportObject::Kind::Qr: {
        const QString content = Expr::Print(Evaluate(o->expr));
        if (content.trimmed().isEmpty()) continue;  // nothing to encode: nothing printed
        QrCode::Symbol symbol;
        QString why;
        if (!QrCode::Encode(content, o->qrLevel, symbol, why)) {
          const QString problem = QStringLiteral("Código QR no generado: %1").arg(why);
          if (!m_problems.contains(problem)) m_problems << problem;
          continue;
        }
        item.kind = PageItem::Kind::Qr;
        item.rect = o->rect.translated(0, shift);
        item.color = o->color;
        item.qrWidth = symbol.width;
        item.qrModules = symbol.modules;
        item.source = content;
        break;
      }
      case ReportObject::Kind::Picture: {
        const QString path = Expr::Print(Evaluate(o->expr)).trimmed();
        if (path.isEmpty()) continue;  // no picture configured: nothing printed
        item.rect = o->rect.translated(0, shift);
        item.source = path;
        auto cached = m_images.find(path);
        if (cached == m_images.end()) cached = m_images.insert(path, QImage(path));
        if (cached->isNull()) {
          item.kind = PageItem::Kind::MissingPicture;
          const QString problem = QStringLiteral("Imagen no encontrada: %1").arg(path);
          if (!m_problems.contains(problem)) m_problems << problem;
        } else {
          item.kind = PageItem::Kind::Picture;
          item.image = *cached;
        }
        break;
      }
    }
    maxBottom = std::max(maxBottom, o->kind == ReportObject::Kind::Line ? std::max(item.rect.top(), item.rect.bottom())
                                                                         : item.rect.bottom());
    originalBottom = std::max(originalBottom, o->rect.bottom());
    out.items << item;
  }
  // The band grows by as much as its objects reach below where they reached in the template.
  out.height = band.height + std::max(0.0, maxBottom - originalBottom);
  return out;
}

void ReportLayout::ApplyTotalPages() {
  const QString total = QString::number(m_doc.pages.size());
  for (ReportPage& page : m_doc.pages) for (PageItem& item : page.items) {
    if (item.kind != PageItem::Kind::Text) continue;
    const Qt::Alignment align = item.align;
    const double padding = item.padding;
    for (int i = 0; i < item.lines.size(); ++i) {
      if (!item.lines[i].contains(kTotalPagesToken)) continue;
      item.lines[i].replace(kTotalPagesToken, total);
      const double w = TextMetrics::WidthMm(item.font, item.lines[i]);
      if (align & Qt::AlignHCenter) item.lineX[i] = (item.rect.width() - w) / 2;
      else if (align & Qt::AlignRight) item.lineX[i] = item.rect.width() - padding - w;
    }
  }
}
