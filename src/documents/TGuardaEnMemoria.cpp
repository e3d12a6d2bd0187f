#include "documents/TGuardaEnMemoria.h"

#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "toolkit/FileNames.h"
#include "toolkit/KioskDialog.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TButtons.h"
#include "toolkit/TFont.h"

void TGuardaEnMemoria::CreateForm() {
  const int shown = static_cast<int>(std::min<qsizetype>(medios.size(), kMaxMedios));
  SetClientSize(640, 200 + shown * 92);
  cText = QStringLiteral("Guardar PDF");
  KioskDialog::Frame(*this);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 20, 28, 20);
  column->setSpacing(12);
  column->addWidget(KioskDialog::Label(this, "lblTitulo", TFont::Create(QStringLiteral("DejaVu Sans"), 15, 0, 700),
                                       QStringLiteral("Toque la memoria donde guardar el documento:")));
  lblDocumento = KioskDialog::Label(this, "lblDocumento", TFont::Create(QStringLiteral("DejaVu Sans"), 13), documento);
  column->addWidget(lblDocumento);

  const QFont grande = TFont::Create(QStringLiteral("DejaVu Sans"), 16, 0, 700);
  const QLocale mx(QLocale::Spanish, QLocale::Mexico);
  for (int i = 0; i < shown; ++i) {
    const RemovableMedia::Medium& m = medios[i];
    const QByteArray name = QStringLiteral("btnMedio%1").arg(i + 1).toLatin1();
    TButton* b = KioskDialog::Button(
        this, name.constData(),
        QStringLiteral("%1   (%2 libres)").arg(m.name, mx.formattedDataSize(m.free, 1, QLocale::DataSizeSIFormat)), grande,
        QSize(0, 80));
    b->OnClick = [this, i] {
      nElegido = i;
      Close();
    };
    btnMedios.append(b);
    column->addWidget(b);
  }
  column->addStretch(1);
  btnCancelar = KioskDialog::Button(this, "btnCancelar", QStringLiteral("Cancelar"), grande, QSize(200, 80));
  btnCancelar->OnClick = [this] { Close(); };
  column->addWidget(btnCancelar, 0, Qt::AlignHCenter);
}

namespace GuardaEnMemoria {

bool Guarda(QWidget* parent, const QString& documento, const QByteArray& pdf) {
  const QList<RemovableMedia::Medium> medios = RemovableMedia::List();
  if (medios.isEmpty()) {
    MsgInfo(SinMemoria(), QStringLiteral("Guardar PDF"));
    return false;
  }
  QString nombre = FileNames::Safe(documento);
  if (nombre.isEmpty()) nombre = QStringLiteral("Documento");
  nombre += QStringLiteral(".pdf");
  int elegido = -1;
  auto* ventana = TForm::New<TGuardaEnMemoria>(parent, [&](TGuardaEnMemoria& f) {
    f.medios = medios;
    f.documento = nombre;
  });
  ventana->ShowModal();
  elegido = ventana->nElegido;
  if (elegido < 0 || elegido >= medios.size()) return false;
  const RemovableMedia::Medium& m = medios[elegido];
  QString escrito;
  switch (RemovableMedia::Write(m, nombre, pdf, &escrito)) {
    case RemovableMedia::Result::Saved:
      MsgInfo(QStringLiteral("El documento se guardó en la memoria \"%1\" como \"%2\".").arg(m.name, escrito),
              QStringLiteral("Guardar PDF"));
      return true;
    case RemovableMedia::Result::ReadOnly:
      MsgStop(
          QStringLiteral("La memoria \"%1\" está protegida contra escritura. El documento no se guardó.").arg(m.name),
          QStringLiteral("Guardar PDF"));
      return false;
    case RemovableMedia::Result::Full:
      MsgStop(QStringLiteral("La memoria \"%1\" no tiene espacio suficiente. El documento no se guardó.").arg(m.name),
              QStringLiteral("Guardar PDF"));
      return false;
    case RemovableMedia::Result::Failed:
      break;
  }
  MsgStop(QStringLiteral("No se pudo guardar el documento en la memoria \"%1\".").arg(m.name),
          QStringLiteral("Guardar PDF"));
  return false;
}

QString SinMemoria() { return QStringLiteral("Inserte una memoria USB y vuelva a intentarlo."); }

}  // namespace GuardaEnMemoria
