#include "reports/ReportTemplate.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include "toolkit/BoundedMemo.h"

namespace {

// One XML element with its attributes, text and children.
struct XmlNode {
  QString name;
  QHash<QString, QString> attrs;
  QString text;
  QList<XmlNode> children;
  qint64 line = 0;
};

bool ReadTree(const QString& xml, XmlNode& root, QString& error) {
  QXmlStreamReader reader(xml);
  QList<XmlNode> stack;
  bool haveRoot = false;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      XmlNode node;
      node.name = reader.name().toString().toLower();
      node.line = reader.lineNumber();
      for (const auto& a : reader.attributes()) node.attrs.insert(a.name().toString().toLower(), a.value().toString());
      stack << node;
    } else if (reader.isCharacters() && !stack.isEmpty()) {
      stack.last().text += reader.text();
    } else if (reader.isEndElement()) {
      XmlNode node = stack.takeLast();
      if (stack.isEmpty()) { root = node; haveRoot = true; }
      else stack.last().children << node;
    }
  }
  if (reader.hasError()) {
    error = QStringLiteral("línea %1: %2").arg(reader.lineNumber()).arg(reader.errorString());
    return false;
  }
  if (!haveRoot) {
    error = QStringLiteral("plantilla vacía");
    return false;
  }
  if (root.name != u"report") {
    error = QStringLiteral("línea %1: se esperaba <report> y se encontró <%2>").arg(root.line).arg(root.name);
    return false;
  }
  return true;
}

double Mm(const XmlNode& n, const char* key, double fallback = 0) {
  bool ok = false;
  const double v = n.attrs.value(QString::fromLatin1(key)).trimmed().toDouble(&ok);
  return ok ? v : fallback;
}

bool Flag(const XmlNode& n, const char* key, bool fallback = false) {
  const QString v = n.attrs.value(QString::fromLatin1(key)).trimmed().toLower();
  if (v.isEmpty()) return fallback;
  return v == u"1" || v == u"true" || v == u"si" || v == u"yes";
}

QColor Color(const XmlNode& n, const char* key, const QColor& fallback) {
  const QString v = n.attrs.value(QString::fromLatin1(key)).trimmed();
  if (v.isEmpty()) return fallback;
  QColor c = QColor::fromString(v);
  return c.isValid() ? c : fallback;
}

class Builder {
 public:
  explicit Builder(ReportTemplate& t) : m_t(t) {}

  void Page(const XmlNode& root) {
    const QString page = root.attrs.value(QStringLiteral("page"), QStringLiteral("letter")).toLower();
    static const QHash<QString, QSizeF> sizes = {{"letter", {215.9, 279.4}}, {"carta", {215.9, 279.4}},
                                                 {"halfletter", {215.9, 139.7}}, {"mediacarta", {215.9, 139.7}},
                                                 {"legal", {215.9, 355.6}}, {"oficio", {215.9, 340.0}},
                                                 {"a4", {210.0, 297.0}}};
    QSizeF size = sizes.value(page, {215.9, 279.4});
    if (!sizes.contains(page)) m_t.problems << QStringLiteral("tamaño de página '%1' desconocido").arg(page);
    size = QSizeF(Mm(root, "width", size.width()), Mm(root, "height", size.height()));
    if (root.attrs.value(QStringLiteral("orientation")).toLower() == u"landscape" && size.width() < size.height())
      size.transpose();
    m_t.pageSize = size;
    m_t.marginLeft = Mm(root, "margin-left", 10);
    m_t.marginTop = Mm(root, "margin-top", 10);
    m_t.marginRight = Mm(root, "margin-right", 10);
    m_t.marginBottom = Mm(root, "margin-bottom", 10);
    if (root.attrs.contains(QStringLiteral("font"))) m_t.family = root.attrs.value(QStringLiteral("font"));
    m_t.size = Mm(root, "size", 9);
  }

  void Bands(const XmlNode& root) {
    for (const XmlNode& n : root.children) {
      if (n.name == u"title") m_t.title = Band(n, ReportBand::Type::Title);
      else if (n.name == u"pageheader") m_t.pageHeader = Band(n, ReportBand::Type::PageHeader);
      else if (n.name == u"data") m_t.data = Band(n, ReportBand::Type::Data);
      else if (n.name == u"summary") m_t.summary = Band(n, ReportBand::Type::Summary);
      else if (n.name == u"pagefooter") m_t.pageFooter = Band(n, ReportBand::Type::PageFooter);
      else if (n.name == u"group") Group(n);
      else m_t.problems << QStringLiteral("línea %1: banda <%2> desconocida").arg(n.line).arg(n.name);
    }
  }

 private:
  void Group(const XmlNode& n) {
    ReportGroup g;
    g.condition = Parse(n.attrs.value(QStringLiteral("condition")), n.line);
    for (const XmlNode& c : n.children) {
      if (c.name == u"header") g.header = Band(c, ReportBand::Type::GroupHeader);
      else if (c.name == u"footer") g.footer = Band(c, ReportBand::Type::GroupFooter);
    }
    m_t.groups << g;
  }

  BandPtr Band(const XmlNode& n, ReportBand::Type type) {
    auto band = std::make_shared<ReportBand>();
    band->type = type;
    band->height = Mm(n, "height", 10);
    band->stretch = Flag(n, "stretch");
    band->firstPage = Flag(n, "first", true);
    band->atBottom = Flag(n, "bottom");
    if (n.attrs.contains(QStringLiteral("dataset"))) band->dataset = n.attrs.value(QStringLiteral("dataset"));
    if (n.attrs.contains(QStringLiteral("visible"))) band->visible = Parse(n.attrs.value(QStringLiteral("visible")), n.line);
    for (const XmlNode& c : n.children) {
      if (c.name == u"child") {
        band->child = Band(c, ReportBand::Type::Child);
        continue;
      }
      ReportObject o;
      if (!Object(c, o)) continue;
      band->objects << o;
    }
    for (const ReportObject& o : band->objects) {
      Expr::CollectAggregates(o.expr, band->aggregates);
      Expr::CollectAggregates(o.visible, band->aggregates);
    }
    return band;
  }

  bool Object(const XmlNode& n, ReportObject& o) {
    o.family = m_t.family;
    o.size = m_t.size;
    if (n.name == u"line") {
      o.kind = ReportObject::Kind::Line;
      o.rect = QRectF(QPointF(Mm(n, "x1"), Mm(n, "y1")), QPointF(Mm(n, "x2"), Mm(n, "y2")));
      o.borderWidth = Mm(n, "width", 0.3);
      o.borderColor = Color(n, "color", Qt::black);
    } else if (n.name == u"rect") {
      o.kind = ReportObject::Kind::Rect;
      o.rect = QRectF(Mm(n, "x"), Mm(n, "y"), Mm(n, "w"), Mm(n, "h"));
      o.borderWidth = Mm(n, "width", 0.3);
      o.borderColor = Color(n, "color", Qt::black);
      o.fill = Color(n, "fill", QColor());
      o.stretch = Flag(n, "stretch");
    } else if (n.name == u"picture") {
      o.kind = ReportObject::Kind::Picture;
      o.rect = QRectF(Mm(n, "x"), Mm(n, "y"), Mm(n, "w"), Mm(n, "h"));
      o.expr = ParseText(n.attrs.value(QStringLiteral("src")), n.line);
    } else if (n.name == u"qr") {
      o.kind = ReportObject::Kind::Qr;
      const double size = Mm(n, "size", 25);
      o.rect = QRectF(Mm(n, "x"), Mm(n, "y"), size, size);
      o.expr = ParseText(n.attrs.value(QStringLiteral("content")), n.line);
      o.color = Color(n, "color", Qt::black);
      const QString level = n.attrs.value(QStringLiteral("level"), QStringLiteral("M")).trimmed().toUpper();
      if (level.size() == 1 && QStringLiteral("LMQH").contains(level)) o.qrLevel = level[0].toLatin1();
      else m_t.problems << QStringLiteral("línea %1: nivel de corrección '%2' desconocido").arg(n.line).arg(level);
    } else if (n.name == u"text") {
      o.kind = ReportObject::Kind::Text;
      o.rect = QRectF(Mm(n, "x"), Mm(n, "y"), Mm(n, "w"), Mm(n, "h"));
      QString body = n.attrs.contains(QStringLiteral("expr")) ? u'[' + n.attrs.value(QStringLiteral("expr")) + u']'
                                                               : n.text.trimmed();
      o.expr = ParseText(body, n.line);
      if (n.attrs.contains(QStringLiteral("font"))) o.family = n.attrs.value(QStringLiteral("font"));
      o.size = Mm(n, "size", m_t.size);
      o.bold = Flag(n, "bold");
      o.italic = Flag(n, "italic");
      o.underline = Flag(n, "underline");
      o.color = Color(n, "color", Qt::black);
      o.fill = Color(n, "fill", QColor());
      o.borderColor = Color(n, "border-color", Qt::black);
      o.borderWidth = Mm(n, "border-width", 0.2);
      o.padding = Mm(n, "padding", 0.6);
      o.stretch = Flag(n, "stretch");
      o.wrap = Flag(n, "wrap", true);
      o.shrink = Flag(n, "shrink");
      const QString border = n.attrs.value(QStringLiteral("border")).toUpper();
      o.borders = border == u"1" || border == u"TRUE" ? QStringLiteral("LTRB") : border;
      const QString align = n.attrs.value(QStringLiteral("align")).toLower();
      const QString valign = n.attrs.value(QStringLiteral("valign")).toLower();
      Qt::Alignment h = align == u"center" ? Qt::AlignHCenter : align == u"right" ? Qt::AlignRight : Qt::AlignLeft;
      Qt::Alignment v = valign == u"middle" || valign == u"center" ? Qt::AlignVCenter
                        : valign == u"bottom"                        ? Qt::AlignBottom
                                                                     : Qt::AlignTop;
      o.align = h | v;
    } else {
      m_t.problems << QStringLiteral("línea %1: objeto <%2> desconocido").arg(n.line).arg(n.name);
      return false;
    }
    o.floats = Flag(n, "float");
    if (n.attrs.contains(QStringLiteral("visible"))) o.visible = Parse(n.attrs.value(QStringLiteral("visible")), n.line);
    return true;
  }

  // An attribute given either as "[expr]" or as a bare expression.
  ExprPtr Parse(QString source, qint64 line) {
    source = source.trimmed();
    if (source.startsWith(u'[') && source.endsWith(u']')) source = source.mid(1, source.size() - 2);
    QString error;
    ExprPtr e = Expr::Parse(source, &error);
    if (!error.isEmpty()) m_t.problems << QStringLiteral("línea %1: %2 en '%3'").arg(line).arg(error, source);
    return e;
  }
  ExprPtr ParseText(const QString& source, qint64 line) {
    QString error;
    ExprPtr e = Expr::ParseTemplateText(source, &error);
    if (!error.isEmpty()) m_t.problems << QStringLiteral("línea %1: %2 en '%3'").arg(line).arg(error, source);
    return e;
  }

  ReportTemplate& m_t;
};

void CollectBands(const BandPtr& band, QList<ReportBand*>& out) {
  for (ReportBand* b = band.get(); b; b = b->child.get()) out << b;
}

}  // namespace

QList<ReportBand*> ReportTemplate::AllBands() const {
  QList<ReportBand*> out;
  CollectBands(title, out);
  CollectBands(pageHeader, out);
  for (const ReportGroup& g : groups) {
    CollectBands(g.header, out);
    CollectBands(g.footer, out);
  }
  CollectBands(data, out);
  CollectBands(summary, out);
  CollectBands(pageFooter, out);
  return out;
}

namespace TemplateLoader {

bool FromText(const QString& xml, ReportTemplate& out, QString& error) {
  XmlNode root;
  if (xml.trimmed().isEmpty()) {
    error = QStringLiteral("plantilla vacía");
    return false;
  }
  if (!ReadTree(xml, root, error)) return false;
  out = ReportTemplate();
  Builder builder(out);
  builder.Page(root);
  builder.Bands(root);
  return true;
}

bool FromFile(const QString& path, ReportTemplate& out, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return false;
  }
  // Parsing costs more than reading: a template already read with the same bytes is reused
  // (its parsed form is never changed by a run).
  static BoundedMemo<QByteArray, ReportTemplate> parsed(64);
  const QByteArray bytes = file.readAll();
  if (const ReportTemplate* kept = parsed.Find(bytes)) {
    out = *kept;
    return true;
  }
  if (!FromText(QString::fromUtf8(bytes), out, error)) return false;
  parsed.Keep(bytes, out);
  return true;
}

}  // namespace TemplateLoader
