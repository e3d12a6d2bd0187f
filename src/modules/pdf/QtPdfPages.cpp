// The module portal-pdf.so: the document viewer's PDF pages on Qt PDF.
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPointer>

#include "toolkit/PdfPages.h"

namespace {

class QtPdfPages final : public PdfPages {
 public:
  explicit QtPdfPages(QWidget* parent) : m_view(new QPdfView(parent)), m_document(new QPdfDocument) {
    m_view->setObjectName(QStringLiteral("vistaPdf"));
    m_view->setDocument(m_document);
    m_view->setPageMode(QPdfView::PageMode::SinglePage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitInView);
  }

  // The document goes first, while the view that watches it is still there.
  ~QtPdfPages() override {
    if (m_view) m_view->setDocument(nullptr);
    delete m_document;
  }
  QtPdfPages(const QtPdfPages&) = delete;
  QtPdfPages& operator=(const QtPdfPages&) = delete;

  QAbstractScrollArea* View() const override { return m_view; }

  bool Load(const QString& path) override {
    if (m_document->load(path) == QPdfDocument::Error::None && m_document->pageCount() > 0) return true;
    m_document->close();
    return false;
  }
  void Close() override { m_document->close(); }
  int Pages() const override { return m_document->pageCount(); }
  int Current() const override { return m_view->pageNavigator()->currentPage(); }
  void Jump(int page) override { m_view->pageNavigator()->jump(page, QPointF(), 0); }
  QSizeF PointSize(int page) const override { return m_document->pagePointSize(page); }
  QImage Render(int page, const QSize& size) override { return m_document->render(page, size); }

  void FitPage() override {
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setZoomMode(QPdfView::ZoomMode::FitInView);
  }
  void Zoom(double factor) override {
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_view->setZoomMode(QPdfView::ZoomMode::Custom);
    m_view->setZoomFactor(factor);
  }

 private:
  QPointer<QPdfView> m_view;  // owned by its parent
  QPdfDocument* m_document;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) PdfPages* portal_pdf_pages(QWidget* parent) {
  return new QtPdfPages(parent);
}
