#include "documents/TConvirtiendo.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "toolkit/KioskDialog.h"
#include "toolkit/TFont.h"

void TConvirtiendo::CreateForm() {
  SetClientSize(560, 220);
  cText = QStringLiteral("Abriendo documento");
  KioskDialog::Frame(*this);
  lCloseBox = false;
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 24, 28, 24);
  column->setSpacing(16);
  lblMensaje = KioskDialog::Label(
      this, "lblMensaje", TFont::Create(QStringLiteral("DejaVu Sans"), 14, 0, 700),
      QStringLiteral("Preparando \"%1\" para mostrarlo.\nEspere un momento, por favor.").arg(documento));
  lblMensaje->setAlignment(Qt::AlignCenter);
  column->addWidget(lblMensaje, 1);
  barProgreso = new QProgressBar(this);
  barProgreso->setObjectName(QStringLiteral("barProgreso"));
  barProgreso->setRange(0, 0);  // moving, with no end known
  barProgreso->setMinimumHeight(28);
  barProgreso->setTextVisible(false);
  column->addWidget(barProgreso);
}
