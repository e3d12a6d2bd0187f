#pragma once
// Prepared pages: everything placed in millimetres, ready to paint on any device.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

struct PageItem {
  enum class Kind { Text, Picture, Line, Rect, MissingPicture, Qr };
  Kind kind = Kind::Text;
  QRectF rect;              // mm on the page; a line runs from topLeft to bottomRight
  // Text
  QStringList lines;
  QList<double> lineX;      // left of each line, mm from rect.left()
  double firstBaseline = 0; // mm from rect.top()
  double lineHeight = 0;
  QFont font;               // point size as printed
  QColor color = Qt::black;
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
  double padding = 0.6;     // mm inside the frame
  QColor fill;
  QString borders;
  QColor borderColor = Qt::black;
  double borderWidth = 0.2; // mm
  // Picture
  QImage image;
  QString source;           // the path asked for (shown when it cannot be read)
  // QR code: modules row by row, `qrWidth` to a side; true is dark (drawn in `color`)
  QList<bool> qrModules;
  int qrWidth = 0;
};

struct ReportPage {
  QList<PageItem> items;
};

struct ReportDocument {
  QSizeF pageSize{215.9, 279.4};  // mm
  QList<ReportPage> pages;
  bool IsEmpty() const { return pages.isEmpty(); }
};
