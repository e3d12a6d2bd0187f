#pragma once
// The PDF pages of the document viewer. Qt PDF (and Qt Network with Kerberos behind it) lives
// in the module portal-pdf.so, loaded when the first viewer opens.
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <memory>

class QAbstractScrollArea;
class QWidget;

class PdfPages {
 public:
  virtual ~PdfPages() = default;
  // The page view, a child of the parent given at creation ("vistaPdf").
  virtual QAbstractScrollArea* View() const = 0;
  // False when the file is not a readable PDF with at least one page (nothing stays loaded).
  virtual bool Load(const QString& path) = 0;
  virtual void Close() = 0;
  virtual int Pages() const = 0;
  virtual int Current() const = 0;  // 0-based
  virtual void Jump(int page) = 0;  // 0-based
  virtual QSizeF PointSize(int page) const = 0;
  virtual QImage Render(int page, const QSize& size) = 0;
  // The whole page in the view, no scroll bars; or a zoom factor with scroll bars as needed.
  virtual void FitPage() = 0;
  virtual void Zoom(double factor) = 0;

  // A new set of pages whose view is a child of `parent`; null with the reason in `why` when
  // the module cannot be loaded.
  static std::unique_ptr<PdfPages> Create(QWidget* parent, QString* why);
  static constexpr const char* kModule = "portal-pdf.so";
  static constexpr const char* kEntry = "portal_pdf_pages";  // PdfPages* (QWidget* parent)
};
