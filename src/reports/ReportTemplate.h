#pragma once
// A report template in memory: page, bands and their objects, expressions already parsed.
//
// File format (XML, every length in millimetres):
//   <report page="letter|halfletter|legal|a4" orientation="portrait|landscape" [width= height=]
//           margin-left= margin-top= margin-right= margin-bottom= font="Liberation Sans" size="9">
//     <title height=>...</title>
//     <pageheader height= [first="0"]>...</pageheader>
//     <group condition="[expr]"> <header height=>...</header> <footer height=>...</footer> </group>
//     <data dataset="Datos" height=>...</data>
//     <summary height= [bottom="1"]>...</summary>
//     <pagefooter height=>...</pagefooter>
//   </report>
// Any band may hold a <child height=> band printed right after it, and `stretch="1"` to grow
// with its stretching texts. Objects:
//   <text x= y= w= h= [font= size= bold= italic= underline= color= fill= align="left|center|right"
//         valign="top|middle|bottom" border="1|LTRB" border-width= padding= stretch= float= wrap= shrink=
//         visible=]>
//         literal text with [expressions]</text>
//   <picture x= y= w= h= src="[Logo]" [visible=]/>
//   <line x1= y1= x2= y2= [width= color=]/>
//   <rect x= y= w= h= [width= color= fill=]/>
//   <qr x= y= size= content="text with [expressions]" [level="L|M|Q|H" color= visible=]/>
//         a QR code of the content, `size` mm square, drawn as vector squares; nothing is
//         printed when the content is empty
#include <QColor>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>

#include "reports/ReportExpr.h"

struct ReportObject {
  enum class Kind { Text, Picture, Line, Rect, Qr };
  Kind kind = Kind::Text;
  QRectF rect;          // mm inside the band; a line runs from topLeft to bottomRight
  ExprPtr expr;         // the text, the picture's path or the QR code's content
  ExprPtr visible;      // printed only when true (absent: always)
  QString family;
  double size = 9;
  bool bold = false, italic = false, underline = false;
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
  QColor color = Qt::black;
  QColor fill;          // invalid: no fill
  QColor borderColor = Qt::black;
  QString borders;      // any of "LTRB"
  double borderWidth = 0.2;
  double padding = 0.6;
  bool stretch = false;
  bool floats = false;  // moves down by the growth of stretching objects above it
  bool wrap = true;
  bool shrink = false;  // a text that does not fit its box is printed smaller until it does
  char qrLevel = 'M';   // error correction of a QR code: L, M, Q or H
};

struct ReportBand {
  enum class Type { Title, PageHeader, GroupHeader, Data, GroupFooter, Summary, PageFooter, Child };
  Type type = Type::Title;
  double height = 0;
  bool stretch = false;
  bool firstPage = true;   // page header: also on the first page
  bool atBottom = false;   // summary: anchored at the bottom of the last page
  QString dataset = QStringLiteral("Datos");
  ExprPtr visible;
  QList<ReportObject> objects;
  std::shared_ptr<ReportBand> child;
  QList<const ExprNode*> aggregates;  // SUM/COUNT nodes of this band and its children
};
using BandPtr = std::shared_ptr<ReportBand>;

struct ReportGroup {
  ExprPtr condition;
  BandPtr header, footer;
};

struct ReportTemplate {
  QSizeF pageSize{215.9, 279.4};
  double marginLeft = 10, marginTop = 10, marginRight = 10, marginBottom = 10;
  QString family = QStringLiteral("Liberation Sans");
  double size = 9;
  BandPtr title, pageHeader, data, summary, pageFooter;
  QList<ReportGroup> groups;  // outermost first
  QStringList problems;       // expressions that did not parse, unknown elements

  // Every band, children included, for walks over the whole template.
  QList<ReportBand*> AllBands() const;
};

namespace TemplateLoader {

// Reads a template file or text. On failure returns false and a description with its line.
bool FromFile(const QString& path, ReportTemplate& out, QString& error);
bool FromText(const QString& xml, ReportTemplate& out, QString& error);

}  // namespace TemplateLoader
