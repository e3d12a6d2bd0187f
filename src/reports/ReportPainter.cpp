#include "reports/ReportPainter.h"

#include <QBuffer>

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace {

QPen PenMm(const QColor& color, double widthMm, double k) {
  QPen pen(color);
  pen.setWidthF(std::max(widthMm * k, 0.5));
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

void PaintText(QPainter& p, const PageItem& item, const QRectF& r, double k) {
  if (item.fill.isValid()) p.fillRect(r, item.fill);
  p.setFont(item.font);
  p.setPen(item.color);
  for (int i = 0; i < item.lines.size(); ++i) {
    const double baseline = item.rect.top() + item.firstBaseline + i * item.lineHeight;
    p.drawText(QPointF((item.rect.left() + item.lineX.value(i)) * k, baseline * k), item.lines[i]);
  }
  if (!item.borders.isEmpty()) {
    p.setPen(PenMm(item.borderColor, item.borderWidth, k));
    if (item.borders.contains(u'L')) p.drawLine(r.topLeft(), r.bottomLeft());
    if (item.borders.contains(u'T')) p.drawLine(r.topLeft(), r.topRight());
    if (item.borders.contains(u'R')) p.drawLine(r.topRight(), r.bottomRight());
    if (item.borders.contains(u'B')) p.drawLine(r.bottomLeft(), r.bottomRight());
  }
}

void PaintMissingPicture(QPainter& p, const PageItem& item, const QRectF& r, double k) {
  QPen pen = PenMm(QColor(150, 150, 150), 0.2, k);
  pen.setStyle(Qt::DashLine);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(6);
  p.setFont(font);
  p.setPen(QColor(120, 120, 120));
  p.drawText(r.adjusted(k, k, -k, -k), Qt::AlignCenter | Qt::TextWrapAnywhere,
             QStringLiteral("Imagen no encontrada:\n%1").arg(QFileInfo(item.source).fileName()));
}

// Dark modules as filled squares, joined along each row, so the code stays sharp at any size.
void PaintQr(QPainter& p, const PageItem& item, const QRectF& r) {
  if (item.qrWidth <= 0) return;
  const double m = std::min(r.width(), r.height()) / item.qrWidth;
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  for (int y = 0; y < item.qrWidth; ++y) {
    for (int x = 0; x < item.qrWidth;) {
      if (!item.qrModules.value(y * item.qrWidth + x)) { ++x; continue; }
      int end = x;
      while (end < item.qrWidth && item.qrModules.value(y * item.qrWidth + end)) ++end;
      path.addRect(QRectF(r.left() + x * m, r.top() + y * m, (end - x) * m, m));
      x = end;
    }
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillPath(path, item.color);
  p.setRenderHint(QPainter::Antialiasing, true);
}

}  // namespace

namespace ReportPainter {

void PaintPage(QPainter& p, const ReportDocument& doc, int page) {
  if (page < 0 || page >= doc.pages.size()) return;
  const double k = p.device()->logicalDpiX() / 25.4;  // device dots per mm
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  for (const PageItem& item : doc.pages[page].items) {
    const QRectF r(item.rect.left() * k, item.rect.top() * k, item.rect.width() * k, item.rect.height() * k);
    switch (item.kind) {
      case PageItem::Kind::Text: PaintText(p, item, r, k); break;
      case PageItem::Kind::Line:
        p.setPen(PenMm(item.borderColor, item.borderWidth, k));
        p.drawLine(r.topLeft(), r.bottomRight());
        break;
      case PageItem::Kind::Rect:
        p.setPen(item.borderWidth > 0 ? PenMm(item.borderColor, item.borderWidth, k) : QPen(Qt::NoPen));
        p.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
        p.drawRect(r);
        p.setBrush(Qt::NoBrush);
        break;
      case PageItem::Kind::Picture: {
        QSizeF size = QSizeF(item.image.size()).scaled(r.size(), Qt::KeepAspectRatio);
        const QRectF target(r.left() + (r.width() - size.width()) / 2, r.top() + (r.height() - size.height()) / 2,
                            size.width(), size.height());
        p.drawImage(target, item.image);
        break;
      }
      case PageItem::Kind::MissingPicture: PaintMissingPicture(p, item, r, k); break;
      case PageItem::Kind::Qr: PaintQr(p, item, r); break;
    }
  }
  p.restore();
}

void SetupDevice(QPagedPaintDevice& device, const ReportDocument& doc) {
  const QPageSize size(doc.pageSize, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
  device.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

namespace {

// Paints every page as PDF onto an open device.
bool writePdfTo(const ReportDocument& doc, QIODevice& device, const QString& title) {
  QPdfWriter writer(&device);
  writer.setResolution(1200);
  writer.setCreator(QStringLiteral("ZelkPortalv11"));
  writer.setTitle(title);
  SetupDevice(writer, doc);
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  for (int i = 0; i < doc.pages.size(); ++i) {
    if (i > 0) writer.newPage();
    PaintPage(painter, doc, i);
  }
  painter.end();
  return true;
}

}  // namespace

bool WritePdf(const ReportDocument& doc, const QString& path, QString& error, const QString& title) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    error = file.errorString();
    return false;
  }
  if (!writePdfTo(doc, file, title)) {
    error = QStringLiteral("no se pudo iniciar el documento PDF");
    return false;
  }
  file.close();
  if (file.error() != QFileDevice::NoError) {
    error = file.errorString();
    return false;
  }
  return true;
}

QByteArray PdfBytes(const ReportDocument& doc, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!writePdfTo(doc, buffer, title)) return QByteArray();
  buffer.close();
  return bytes;
}

QImage RenderPage(const ReportDocument& doc, int page, double dpi) {
  const QSize px(qRound(doc.pageSize.width() / 25.4 * dpi), qRound(doc.pageSize.height() / 25.4 * dpi));
  QImage image(px, QImage::Format_ARGB32_Premultiplied);
  image.setDotsPerMeterX(qRound(dpi / 0.0254));
  image.setDotsPerMeterY(qRound(dpi / 0.0254));
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintPage(painter, doc, page);
  return image;
}

}  // namespace ReportPainter
