#include "printing/TConfirmaImpresion.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "toolkit/KioskDialog.h"
#include "toolkit/TButtons.h"
#include "toolkit/TFont.h"

void TConfirmaImpresion::CreateForm() {
  SetClientSize(620, 400);
  cText = QStringLiteral("Imprimir");
  KioskDialog::Frame(*this);

  const QFont texto = TFont::Create(QStringLiteral("DejaVu Sans"), 14);
  const QFont fuerte = TFont::Create(QStringLiteral("DejaVu Sans"), 16, 0, 700);
  auto label = [this](const char* name, const QFont& font, const QString& text) {
    return KioskDialog::Label(this, name, font, text);
  };
  auto button = [&](const char* name, const QString& text, int w, int h) {
    return KioskDialog::Button(this, name, text, fuerte, QSize(w, h));
  };

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 20, 28, 20);
  column->setSpacing(12);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(12);
  grid->addWidget(label("lblTituloImpresora", texto, QStringLiteral("Impresora:")), 0, 0);
  lblImpresora = label("lblImpresora", fuerte, impresora);
  grid->addWidget(lblImpresora, 0, 1);
  grid->addWidget(label("lblTituloDocumento", texto, QStringLiteral("Documento:")), 1, 0);
  lblDocumento = label("lblDocumento", texto, documento);
  grid->addWidget(lblDocumento, 1, 1);
  grid->setColumnStretch(1, 1);
  column->addLayout(grid);

  auto* copies = new QHBoxLayout;
  copies->setSpacing(16);
  copies->addWidget(label("lblTituloCopias", texto, QStringLiteral("Copias:")));
  copies->addStretch(1);
  const QFont signo = TFont::Create(QStringLiteral("DejaVu Sans"), 28, 0, 700);
  btnMenos = button("btnMenos", QStringLiteral("−"), 88, 72);
  btnMenos->oFont = signo;
  btnMenos->OnClick = [this] { btnMenosClick(); };
  copies->addWidget(btnMenos);
  lblCopias = label("lblCopias", TFont::Create(QStringLiteral("DejaVu Sans"), 30, 0, 700), QString());
  lblCopias->setAlignment(Qt::AlignCenter);
  lblCopias->setMinimumWidth(90);
  copies->addWidget(lblCopias);
  btnMas = button("btnMas", QStringLiteral("+"), 88, 72);
  btnMas->oFont = signo;
  btnMas->OnClick = [this] { btnMasClick(); };
  copies->addWidget(btnMas);
  copies->addStretch(1);
  column->addLayout(copies);
  column->addStretch(1);

  auto* bar = new QHBoxLayout;
  bar->setSpacing(24);
  btnImprimir = button("btnImprimir", QStringLiteral("Imprimir"), 200, 80);
  btnImprimir->OnClick = [this] { btnImprimirClick(); };
  btnCancelar = button("btnCancelar", QStringLiteral("Cancelar"), 200, 80);
  btnCancelar->OnClick = [this] { btnCancelarClick(); };
  bar->addStretch(1);
  bar->addWidget(btnImprimir);
  bar->addWidget(btnCancelar);
  bar->addStretch(1);
  column->addLayout(bar);
  muestraCopias();
}

void TConfirmaImpresion::btnMenosClick() {
  if (copias > 1) --copias;
  muestraCopias();
}

void TConfirmaImpresion::btnMasClick() {
  if (copias < kMaxCopias) ++copias;
  muestraCopias();
}

void TConfirmaImpresion::btnImprimirClick() {
  lAceptado = true;
  Close();
}

void TConfirmaImpresion::muestraCopias() {
  lblCopias->setText(QString::number(copias));
  btnMenos->setEnabled(copias > 1);
  btnMas->setEnabled(copias < kMaxCopias);
}
