#pragma once
// Paints prepared pages on any paint device (PDF writer, printer, image).
#include <QByteArray>
#include <QImage>
#include <QString>

#include "reports/ReportDocument.h"

class QPainter;
class QPagedPaintDevice;

namespace ReportPainter {

// Paints one page; the painter's device gives the resolution, mm are converted with it.
void PaintPage(QPainter& painter, const ReportDocument& doc, int page);

// Sets page size and zero margins on a PDF writer or printer.
void SetupDevice(QPagedPaintDevice& device, const ReportDocument& doc);

// Writes every page to a PDF file; false with the reason when the file cannot be written.
bool WritePdf(const ReportDocument& doc, const QString& path, QString& error, const QString& title = QString());
// The same PDF in memory (for the printer or a removable medium); empty when it cannot be made.
QByteArray PdfBytes(const ReportDocument& doc, const QString& title = QString());

// One page as a picture, `dpi` dots per inch, white background.
QImage RenderPage(const ReportDocument& doc, int page, double dpi);

}  // namespace ReportPainter
