#include "screens/reports/TMuestraXML.h"

#include "toolkit/Controls.h"

void TMuestraXML::CreateForm() {
  SetBounds(270, 122, 857, 561);
  SetClientSize(841, 523);
  cText = QStringLiteral("Muestra XML");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  txtTexto = TRichEdit::New(this, QStringLiteral("txtTexto"));
  txtTexto->SetBounds(12, 24, 814, 442);
  txtTexto->oFont = TFont::Create(QStringLiteral("Arial"), 10, 0, 400);
  txtTexto->lReadOnly = true;
  txtTexto->setLineWrapMode(QTextEdit::WidgetWidth);

  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(712, 480, 110, 29);
  btnSalir->oBitmaps = QStringLiteral("puertasalida");
  btnSalir->cText = QStringLiteral("Salir");
  btnSalir->OnClick = [this] { btnSalirClick(); };
}

void TMuestraXML::FormInitialize() {
  // As received: no parsing, no pretty-printing.
  txtTexto->SetText(datos);
}

void TMuestraXML::btnSalirClick() { Close(); }
