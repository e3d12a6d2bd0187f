#include "toolkit/TVisorDocumento.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QScrollArea>
#include <QScroller>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "printing/KioskPrint.h"
#include "toolkit/MsgBox.h"
#include "toolkit/PdfPages.h"
#include "toolkit/TButtons.h"
#include "toolkit/TFont.h"

TVisorDocumento::TVisorDocumento(QWidget* parent) : TForm(parent) {}
TVisorDocumento::~TVisorDocumento() = default;

void TVisorDocumento::CreateForm() {
  SetBounds(0, 0, 1010, 700);
  SetClientSize(1000, 690);
  cText = QStringLiteral("Documento");
  nBorderStyle = 1;  // fixed, as every kiosk window: no box to minimize it out of reach
  lCentered = true;
  setMinimumSize(640, 480);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 6, 6, 6);
  column->setSpacing(6);

  auto* page = new QWidget(this);
  m_stack = new QStackedLayout(page);
  m_pdf = PdfPages::Create(page, &m_sinPdf);
  m_pdfView = m_pdf ? m_pdf->View() : new QScrollArea(page);
  m_imageArea = new QScrollArea(page);
  m_imageArea->setObjectName(QStringLiteral("vistaImagen"));
  m_imageArea->setAlignment(Qt::AlignCenter);
  m_imageLabel = new QLabel;
  m_imageArea->setWidget(m_imageLabel);
  m_imageArea->viewport()->installEventFilter(this);
  m_stack->addWidget(m_pdfView);
  m_stack->addWidget(m_imageArea);
  // A finger drags the page around.
  QScroller::grabGesture(m_pdfView->viewport(), QScroller::LeftMouseButtonGesture);
  QScroller::grabGesture(m_imageArea->viewport(), QScroller::LeftMouseButtonGesture);
  column->addWidget(page, 1);

  auto* bar = new QHBoxLayout;
  bar->setSpacing(10);
  const QFont big = TFont::Create(QStringLiteral("DejaVu Sans"), 14, 0, 700);
  auto button = [&](const char* name, const QString& text, void (TVisorDocumento::*click)()) {
    TButton* b = TButton::New(this, QString::fromLatin1(name));
    b->cText = text;
    b->oFont = big;
    b->setMinimumSize(120, 64);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAttribute(Qt::WA_AcceptTouchEvents);
    b->OnClick = [this, click] { (this->*click)(); };
    bar->addWidget(b);
    return b;
  };
  btnAnterior = button("btnAnterior", QStringLiteral("◀ Anterior"), &TVisorDocumento::btnAnteriorClick);
  lblPagina = new QLabel(this);
  lblPagina->setObjectName(QStringLiteral("lblPagina"));
  lblPagina->setFont(big);
  lblPagina->setAlignment(Qt::AlignCenter);
  lblPagina->setMinimumSize(170, 64);
  bar->addWidget(lblPagina);
  btnSiguiente = button("btnSiguiente", QStringLiteral("Siguiente ▶"), &TVisorDocumento::btnSiguienteClick);
  bar->addStretch(1);
  btnAlejar = button("btnAlejar", QStringLiteral("− Alejar"), &TVisorDocumento::btnAlejarClick);
  btnAcercar = button("btnAcercar", QStringLiteral("+ Acercar"), &TVisorDocumento::btnAcercarClick);
  bar->addStretch(1);
  btnImprimir = button("btnImprimir", QStringLiteral("Imprimir"), &TVisorDocumento::btnImprimirClick);
  btnCerrar = button("btnCerrar", QStringLiteral("Cerrar"), &TVisorDocumento::btnCerrarClick);
  column->addLayout(bar);
  actualiza();
}

bool TVisorDocumento::Abrir(const QString& path) {
  m_path = path;
  m_zoom = 1.0;
  cText = QStringLiteral("Documento - %1").arg(QFileInfo(path).fileName());
  if (m_pdf) m_pdf->Close();
  m_image = QImage();
  m_isPdf = false;
  QImageReader pictures(path);
  pictures.setAutoTransform(true);
  if (QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0 && pictures.canRead()) {
    m_image = pictures.read();
  }
  if (m_image.isNull()) {
    if (!m_pdf || !m_pdf->Load(path)) {
      actualiza();
      return false;
    }
    m_isPdf = true;
    muestraPaginaEntera();
    m_stack->setCurrentWidget(m_pdfView);
  } else {
    m_stack->setCurrentWidget(m_imageArea);
    muestraImagen();
  }
  actualiza();
  return true;
}

int TVisorDocumento::Paginas() const {
  if (m_isPdf) return m_pdf->Pages();
  return m_image.isNull() ? 0 : 1;
}

int TVisorDocumento::PaginaActual() const {
  if (!m_isPdf) return Paginas() > 0 ? 1 : 0;
  return m_pdf->Current() + 1;
}

void TVisorDocumento::IrAPagina(int pagina) {
  if (!m_isPdf) return;
  pagina = std::clamp(pagina, 1, Paginas());
  m_pdf->Jump(pagina - 1);
  actualiza();
}

void TVisorDocumento::FijaZoom(double factor) {
  if (Paginas() == 0) return;
  m_zoom = std::clamp(factor, kZoomMinimo, kZoomMaximo);
  if (m_isPdf) {
    // Zoom 1 is the whole page in the window; beyond it the page grows from there.
    if (std::abs(m_zoom - 1.0) < 1e-6) {
      muestraPaginaEntera();
    } else {
      const QSizeF points = m_pdf->PointSize(PaginaActual() - 1);
      const QSize room = m_pdfView->viewport()->size();
      double fit = 1.0;
      if (!points.isEmpty() && !room.isEmpty()) {
        const double pxPerPoint = logicalDpiX() / 72.0;
        fit = std::min(room.width() / (points.width() * pxPerPoint), room.height() / (points.height() * pxPerPoint));
      }
      m_pdf->Zoom(fit * m_zoom);
    }
  } else {
    muestraImagen();
  }
  actualiza();
}

// The whole page in the window. The view's own fit leaves a sliver for a scroll bar that
// would only move the page by a pixel or two, so there is none at this zoom.
void TVisorDocumento::muestraPaginaEntera() {
  m_pdf->FitPage();
}

void TVisorDocumento::muestraImagen() {
  if (m_image.isNull()) return;
  const QSize room = m_imageArea->viewport()->size().isEmpty() ? QSize(980, 590) : m_imageArea->viewport()->size();
  const QSize fit = m_image.size().scaled(room, Qt::KeepAspectRatio);
  const QSize shown = (QSizeF(fit) * m_zoom).toSize().expandedTo(QSize(1, 1));
  m_imageLabel->setPixmap(QPixmap::fromImage(m_image.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  m_imageLabel->resize(shown);
}

// A picture fills the room it has once the window is laid out, and again when it changes.
bool TVisorDocumento::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_imageArea->viewport() && event->type() == QEvent::Resize && !m_isPdf && !m_image.isNull())
    muestraImagen();
  return TForm::eventFilter(watched, event);
}

void TVisorDocumento::actualiza() {
  if (!lblPagina) return;
  const int pages = Paginas();
  lblPagina->setText(pages > 0 ? QStringLiteral("Página %1 de %2").arg(PaginaActual()).arg(pages) : QString());
  btnAnterior->setEnabled(m_isPdf && PaginaActual() > 1);
  btnSiguiente->setEnabled(m_isPdf && PaginaActual() < pages);
  btnAlejar->setEnabled(pages > 0 && m_zoom > kZoomMinimo + 1e-6);
  btnAcercar->setEnabled(pages > 0 && m_zoom < kZoomMaximo - 1e-6);
  btnImprimir->setEnabled(pages > 0);
}

void TVisorDocumento::btnImprimirClick() {
  if (Paginas() == 0) return;
  const QString name = QFileInfo(m_path).completeBaseName();
  if (m_isPdf) {
    QFile f(m_path);
    const QByteArray pdf = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (pdf.isEmpty()) {
      MsgStop(QStringLiteral("No se pudo imprimir el documento."), Printing::kTitulo);
      return;
    }
    const QSizeF points = m_pdf->PointSize(0);
    Printing::PrintPdf(this, pdf, name, points * (25.4 / 72.0));
    return;
  }
  const QSizeF letter(215.9, 279.4);
  Printing::PrintPdf(this, pictureAsPdf(letter), name, letter);
}

// The picture on one page of that size (mm), as large as fits inside a 10 mm margin.
QByteArray TVisorDocumento::pictureAsPdf(const QSizeF& pageMm) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setPageSize(QPageSize(pageMm, QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QPainter painter(&writer);
    const QRect area = painter.viewport();
    const QImage picture = m_image.scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(QPoint(area.x() + (area.width() - picture.width()) / 2,
                             area.y() + (area.height() - picture.height()) / 2),
                      picture);
  }
  return bytes;
}
