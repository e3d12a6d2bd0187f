#pragma once
// Printing at the kiosk: the terminal's printer, the kiosk's own confirmation, the job sent
// through CUPS and followed for a moment. Every failure is told to the employee here, and the
// screen that asked goes on.
#include <QByteArray>
#include <QSizeF>
#include <QString>

class QWidget;

namespace Printing {

// True when the job was sent (even if the printer then holds it: the employee was told).
bool PrintPdf(QWidget* parent, const QByteArray& pdf, const QString& document, const QSizeF& pageMm);

QString Rechazado(const QString& printer, const QString& reason);

inline const QString kTitulo = QStringLiteral("Imprimir");

}  // namespace Printing
