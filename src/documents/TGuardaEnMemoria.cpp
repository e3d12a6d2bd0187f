#include "documents/TGuardaEnMemoria.h"

#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "toolkit/FileNames.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TButtons.h"
#include "toolkit/TFont.h"

void TGuardaEnMemoria::CreateForm() {
  const int shown = static_cast<int>(std::min<qsizetype>(medios.size(), kMaxMedios));
  SetClientSize(640, 200 + shown * 92);
  cText = QStringLiteral("Guardar PDF");
  nBorderStyle = 3;
  lCentered = true;
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(236, 242, 250));
  setPalette(pal);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 20, 28, 20);
  column->setSpacing(12);
  auto* titulo = new QLabel(QStringLiteral("Toque la memoria donde guardar el documento:"), this);
  titulo->setObjectName(QStringLiteral("lblTitulo"));
  titulo->setFont(TFont::Create(QStringLiteral("DejaVu Sans"), 15, 0, 700));
  titulo->setWordWrap(true);
  column->addWidget(titulo);
  lblDocumento = new QLabel(documento, this);
  lblDocumento->setObjectName(QStringLiteral("lblDocumento"));
  lblDocumento->setFont(TFont::Create(QStringLiteral("DejaVu Sans"), 13));
  lblDocumento->setWordWrap(true);
  column->addWidget(lblDocumento);

  const QFont grande = TFont::Create(QStringLiteral("DejaVu Sans"), 16, 0, 700);
  const QLocale mx(QLocale::Spanish, QLocale::Mexico);
  for (int i = 0; i < shown; ++i) {
    const RemovableMedia::Medium& m = medios[i];
    TButton* b = TButton::New(this, QStringLiteral("btnMedio%1").arg(i + 1));
    b->cText =
        QStringLiteral("%1   (%2 libres)").arg(m.name, mx.formattedDataSize(m.free, 1, QLocale::DataSizeSIFormat));
    b->oFont = grande;
    b->setMinimumHeight(80);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAttribute(Qt::WA_AcceptTouchEvents);
    b->OnClick = [this, i] {
      nElegido = i;
      Close();
    };
    btnMedios.append(b);
    column->addWidget(b);
  }
  column->addStretch(1);
  btnCancelar = TButton::New(this, QStringLiteral("btnCancelar"));
  btnCancelar->cText = QStringLiteral("Cancelar");
  btnCancelar->oFont = grande;
  btnCancelar->setMinimumSize(200, 80);
  btnCancelar->setFocusPolicy(Qt::NoFocus);
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
