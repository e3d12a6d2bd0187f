#include "screens/shared/FilePicker.h"

#include <QDir>

namespace FilePicker {

namespace {
QList<QString>& queue() {
  static QList<QString> q;
  return q;
}
QList<Pedido>& asked() {
  static QList<Pedido> a;
  return a;
}
}  // namespace

QString Elige(QWidget* parent, const Pedido& pedido) {
  if (!queue().isEmpty()) {
    asked().append(pedido);
    return queue().takeFirst();
  }
  auto* dlg = TForm::New<TSeleccionaArchivo>(parent, [&](TSeleccionaArchivo& d) {
    d.titulo = pedido.titulo;
    d.patrones = pedido.patrones;
    d.inicio = pedido.inicio;
  });
  dlg->ShowModal();
  return dlg->valor;
}

namespace Seam {
void Answer(const QString& path) { queue().append(path); }
QList<Pedido> Asked() { return asked(); }
void Clear() {
  queue().clear();
  asked().clear();
}
}  // namespace Seam

}  // namespace FilePicker
