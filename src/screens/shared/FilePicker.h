#pragma once
// Choosing a file on the terminal (logo, signature, policy document): a window of our own with
// large rows and buttons, usable with a finger. Tests queue the answers instead.
#include <QList>
#include <QString>
#include <QStringList>

#include "screens/shared/TSeleccionaArchivo.h"

namespace FilePicker {

struct Pedido {
  QString titulo;
  QStringList patrones;  // "*.jpg", ...; empty: every file
  QString inicio;        // folder or file the window starts at
};

// The full path of the file chosen, or empty when the person left without choosing.
QString Elige(QWidget* parent, const Pedido& pedido);

namespace Seam {
// While answers are queued, Elige takes the next one instead of opening the window; an empty
// answer is leaving without a choice.
void Answer(const QString& path);
QList<Pedido> Asked();  // every request answered from the queue, in order
void Clear();
}  // namespace Seam

}  // namespace FilePicker
