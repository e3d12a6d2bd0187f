#include "documents/TConvirtiendo.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "toolkit/TFont.h"

void TConvirtiendo::CreateForm() {
  SetClientSize(560, 220);
  cText = QStringLiteral("Abriendo documento");
  nBorderStyle = 3;
  lCloseBox = false;
  lCentered = true;
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(236, 242, 250));
  setPalette(pal);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 24, 28, 24);
  column->setSpacing(16);
  lblMensaje = new QLabel(
      QStringLiteral("Preparando \"%1\" para mostrarlo.\nEspere un momento, por favor.").arg(documento), this);
  lblMensaje->setObjectName(QStringLiteral("lblMensaje"));
  lblMensaje->setFont(TFont::Create(QStringLiteral("DejaVu Sans"), 14, 0, 700));
  lblMensaje->setAlignment(Qt::AlignCenter);
  lblMensaje->setWordWrap(true);
  column->addWidget(lblMensaje, 1);
  barProgreso = new QProgressBar(this);
  barProgreso->setObjectName(QStringLiteral("barProgreso"));
  barProgreso->setRange(0, 0);  // moving, with no end known
  barProgreso->setMinimumHeight(28);
  barProgreso->setTextVisible(false);
  column->addWidget(barProgreso);
}
