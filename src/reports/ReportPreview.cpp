#include "reports/ReportPreview.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QToolBar>

#include "reports/ReportMessages.h"
#include "reports/ReportPainter.h"

ReportPreview::ReportPreview(const ReportDocument& doc, const QString& title, QWidget* parent)
    : QPrintPreviewDialog(parent), m_doc(doc), m_title(title) {
  printer()->setFullPage(true);
  ReportPainter::SetupDevice(*printer(), m_doc);
  setObjectName(QStringLiteral("ReportPreview"));
  setWindowTitle(QStringLiteral("Vista previa - %1").arg(title));
  connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreview::Paint);
  if (auto* bar = findChild<QToolBar*>()) {
    bar->addSeparator();
    QAction* save = bar->addAction(QStringLiteral("Guardar PDF"));
    save->setObjectName(QStringLiteral("actGuardarPDF"));
    connect(save, &QAction::triggered, this, &ReportPreview::AskAndSave);
  }
  resize(900, 700);
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
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Guardar PDF"),
                                                    QDir::current().filePath(m_title + QStringLiteral(".pdf")),
                                                    QStringLiteral("Documento PDF (*.pdf)"));
  if (!path.isEmpty()) SaveAs(path);
}
