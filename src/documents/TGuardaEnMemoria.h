#pragma once
// "Guardar PDF" at the kiosk: one finger-sized button per removable medium and "Cancelar".
// No folders, no renaming, deleting or new folders: the document goes to the medium's top
// under its own name.
#include <QList>
#include <QString>

#include "documents/RemovableMedia.h"
#include "toolkit/TForm.h"

class QLabel;
class TButton;

class TGuardaEnMemoria : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

  static constexpr int kMaxMedios = 6;

  // Set by the opener.
  QList<RemovableMedia::Medium> medios;
  QString documento;

  // Read by the opener after it closes: the medium chosen, -1 when none.
  int nElegido = -1;

  QLabel* lblDocumento = nullptr;
  QList<TButton*> btnMedios;
  TButton* btnCancelar = nullptr;

 protected:
  void CreateForm() override;
};

namespace GuardaEnMemoria {

// Saves the PDF bytes as "<document>.pdf" on the medium the employee picks; every outcome is
// told here. False when nothing was saved.
bool Guarda(QWidget* parent, const QString& documento, const QByteArray& pdf);

QString SinMemoria();

}  // namespace GuardaEnMemoria
