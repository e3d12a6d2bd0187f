#include "reports/ReportPreview.h"

#include <QAction>
#include <QCoreApplication>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

#include "documents/TGuardaEnMemoria.h"
#include "printing/KioskPrint.h"
#include "reports/ReportMessages.h"
#include "reports/ReportPainter.h"
#include "toolkit/MsgBox.h"

namespace {

// Whether the action is the preview's own of that (untranslated) text.
bool isAction(QAction* a, const char* text) {
  const QString shown = QString(a->text()).remove(u'&');
  return shown == QCoreApplication::translate("QPrintPreviewDialog", text).remove(u'&') ||
         shown == QString::fromLatin1(text);
}

}  // namespace

ReportPreview::ReportPreview(const ReportDocument& doc, const QString& title, QWidget* parent)
    : QPrintPreviewDialog(parent), m_doc(doc), m_title(title) {
  printer()->setFullPage(true);
  ReportPainter::SetupDevice(*printer(), m_doc);
  setObjectName(QStringLiteral("ReportPreview"));
  setWindowTitle(QStringLiteral("Vista previa - %1").arg(title));
  connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreview::Paint);
  if (auto* bar = findChild<QToolBar*>()) {
    // Sized for a finger: large pictures, and every button at least kLadoMinimo on a side.
    bar->setIconSize(QSize(kLadoMinimo - 8, kLadoMinimo - 8));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QAction* a : bar->actions()) {
      // The print button goes to the terminal's printer after the kiosk's own confirmation.
      if (isAction(a, "Print")) {
        a->disconnect(this);
        a->setObjectName(QStringLiteral("actImprimir"));
        connect(a, &QAction::triggered, this, &ReportPreview::AskAndPrint);
      }
      // The pages are laid out by the template: no orientation, page set-up or page modes,
      // which also keeps every button on the bar at a finger's size.
      for (const char* unused : {"Portrait", "Landscape", "Page setup", "Show single page", "Show facing pages",
                                 "Show overview of all pages"})
        if (isAction(a, unused)) a->setVisible(false);
    }
    bar->addSeparator();
    QAction* save = bar->addAction(QStringLiteral("Guardar PDF"));
    save->setObjectName(QStringLiteral("actGuardarPDF"));
    connect(save, &QAction::triggered, this, &ReportPreview::AskAndSave);
    QAction* close = bar->addAction(QStringLiteral("Cerrar"));
    close->setObjectName(QStringLiteral("actCerrar"));
    connect(close, &QAction::triggered, this, &QDialog::reject);
    QFont big = bar->font();
    big.setPointSize(13);
    big.setBold(true);
    for (QAction* a : bar->actions()) {
      QWidget* w = bar->widgetForAction(a);
      if (!w || a->isSeparator()) continue;
      w->setMinimumSize(kLadoMinimo, kLadoMinimo);
      if (a == save || a == close) {
        if (auto* b = qobject_cast<QToolButton*>(w)) b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        w->setFont(big);
        w->setMinimumWidth(120);
      }
    }
    // The page number box and the zoom list grow to a finger's height too.
    for (QWidget* w : bar->findChildren<QWidget*>()) {
      if (qobject_cast<QToolButton*>(w)) continue;
      if (w->parentWidget() == bar || w->parentWidget()->parentWidget() == bar) w->setMinimumHeight(kLadoMinimo);
    }
  }
  resize(1000, 700);
}

void ReportPreview::AskAndPrint() {
  const QByteArray pdf = ReportPainter::PdfBytes(m_doc, m_title);
  if (pdf.isEmpty()) {
    MsgStop(QStringLiteral("No se pudo preparar el documento para imprimirlo."), Printing::kTitulo);
    return;
  }
  if (Printing::PrintPdf(this, pdf, m_title, m_doc.pageSize)) accept();
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::Paint(QPrinter* printer) {
  ReportPainter::SetupDevice(*printer, m_doc);
  QPainter painter(printer);
  for (int i = 0; i < m_doc.pages.size(); ++i) {
    if (i > 0) printer->newPage();
    ReportPainter::PaintPage(painter, m_doc, i);
  }
}

bool ReportPreview::SaveAs(const QString& path) {
  QString error;
  if (ReportPainter::WritePdf(m_doc, path, error, m_title)) return true;
  TError e;
  e.subSystem = QStringLiteral("PDF");
  e.subCode = 1;
  e.description = QStringLiteral("No se pudo escribir el archivo PDF (%1)").arg(error);
  e.filename = path;
  ReportMessages::ShowError(e);
  return false;
}

void ReportPreview::AskAndSave() {
  // Only to a removable medium: the kiosk's own disk is no place for an employee's document.
  const QByteArray pdf = ReportPainter::PdfBytes(m_doc, m_title);
  if (pdf.isEmpty()) {
    MsgStop(QStringLiteral("No se pudo preparar el documento PDF."), QStringLiteral("Guardar PDF"));
    return;
  }
  GuardaEnMemoria::Guarda(this, m_title, pdf);
}
