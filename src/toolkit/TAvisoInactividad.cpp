#include "toolkit/TAvisoInactividad.h"

#include <QLabel>
#include <QVBoxLayout>

#include "toolkit/TButtons.h"
#include "toolkit/KioskDialog.h"
#include "toolkit/TFont.h"

TAvisoInactividad::TAvisoInactividad(QWidget* parent) : TForm(parent) {}

void TAvisoInactividad::CreateForm() {
  SetClientSize(560, 330);
  cText = QStringLiteral("Sesión inactiva");
  KioskDialog::Frame(*this, QColor(255, 248, 220));
  lCloseBox = false;
  setWindowFlag(Qt::WindowStaysOnTopHint);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(24, 20, 24, 20);
  column->setSpacing(8);
  lblMensaje = new QLabel(this);
  lblMensaje->setObjectName(QStringLiteral("lblMensaje"));
  lblMensaje->setFont(TFont::Create(QStringLiteral("DejaVu Sans"), 15, 0, 700));
  lblMensaje->setAlignment(Qt::AlignCenter);
  lblMensaje->setWordWrap(true);
  lblMensaje->setText(QStringLiteral("No se ha usado el portal en un rato.\nPor seguridad su sesión se cerrará en"));
  column->addWidget(lblMensaje);
  lblSegundos = new QLabel(this);
  lblSegundos->setObjectName(QStringLiteral("lblSegundos"));
  lblSegundos->setFont(TFont::Create(QStringLiteral("DejaVu Sans"), 40, 0, 700));
  lblSegundos->setAlignment(Qt::AlignCenter);
  QPalette red = lblSegundos->palette();
  red.setColor(QPalette::WindowText, QColor(180, 0, 0));
  lblSegundos->setPalette(red);
  column->addWidget(lblSegundos, 1);
  btnContinuar = TButton::New(this, QStringLiteral("btnContinuar"));
  btnContinuar->cText = QStringLiteral("Toque aquí para continuar");
  btnContinuar->oFont = TFont::Create(QStringLiteral("DejaVu Sans"), 16, 0, 700);
  btnContinuar->setMinimumHeight(72);
  btnContinuar->setFocusPolicy(Qt::NoFocus);
  column->addWidget(btnContinuar);
}

void TAvisoInactividad::MuestraSegundos(int segundos) {
  lblSegundos->setText(segundos == 1 ? QStringLiteral("1 segundo") : QStringLiteral("%1 segundos").arg(segundos));
}
