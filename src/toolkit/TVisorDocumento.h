#pragma once
// The portal's own document viewer: a PDF or a picture in a window with finger-sized
// controls (page back and forward, zoom, print, close) and no way to browse the terminal's
// folders. Opened through DocumentOpener, which keeps track of it.
#include <QImage>
#include <QString>
#include <memory>

#include "toolkit/TForm.h"

class PdfPages;
class QAbstractScrollArea;
class QLabel;
class QScrollArea;
class QStackedLayout;
class TButton;

class TVisorDocumento : public TForm {
  Q_OBJECT
 public:
  explicit TVisorDocumento(QWidget* parent = nullptr);
  ~TVisorDocumento() override;

  // Loads the file: false when it is neither a readable PDF nor a readable picture.
  bool Abrir(const QString& path);
  // Why PDFs cannot be shown here (the PDF module is missing), or empty.
  QString SinPdf() const { return m_sinPdf; }
  QString Archivo() const { return m_path; }
  bool EsPdf() const { return m_isPdf; }

  int Paginas() const;       // pages of the document (1 for a picture, 0 when nothing loaded)
  int PaginaActual() const;  // 1-based
  double Zoom() const { return m_zoom; }

  TButton* btnAnterior = nullptr;
  TButton* btnSiguiente = nullptr;
  TButton* btnAlejar = nullptr;
  TButton* btnAcercar = nullptr;
  TButton* btnImprimir = nullptr;
  TButton* btnCerrar = nullptr;
  QLabel* lblPagina = nullptr;

  void btnAnteriorClick() { IrAPagina(PaginaActual() - 1); }
  void btnSiguienteClick() { IrAPagina(PaginaActual() + 1); }
  void btnAcercarClick() { FijaZoom(m_zoom * kPaso); }
  void btnAlejarClick() { FijaZoom(m_zoom / kPaso); }
  void btnImprimirClick();
  void btnCerrarClick() { Close(); }

  void IrAPagina(int pagina);  // 1-based, kept inside the document
  void FijaZoom(double factor);

  static constexpr double kPaso = 1.25;
  static constexpr double kZoomMinimo = 0.25;
  static constexpr double kZoomMaximo = 5.0;
  static constexpr int kLadoMinimo = 48;  // smallest side of a control a finger must hit

 protected:
  void CreateForm() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void actualiza();
  void muestraImagen();
  void muestraPaginaEntera();
  QByteArray pictureAsPdf(const QSizeF& pageMm) const;

  QString m_path;
  bool m_isPdf = false;
  double m_zoom = 1.0;
  QImage m_image;
  std::unique_ptr<PdfPages> m_pdf;  // null without the PDF module
  QAbstractScrollArea* m_pdfView = nullptr;
  QString m_sinPdf;
  QScrollArea* m_imageArea = nullptr;
  QLabel* m_imageLabel = nullptr;
  QStackedLayout* m_stack = nullptr;
};
