#include "screens/reports/TPoliticas.h"

#include <QFileInfo>

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/StatementValues.h"
#include "mail/TEnviaMail.h"
#include "screens/shared/MailToEmployee.h"
#include "toolkit/Controls.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/TextUtil.h"

TPoliticas::TPoliticas(QWidget* parent) : TSessionForm(parent) {}
TPoliticas::~TPoliticas() = default;

void TPoliticas::CreateForm() {
  SetBounds(267, 182, 884, 602);
  SetClientSize(868, 563);
  cText = QStringLiteral("Politicas");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(4, 4, 862, 558);
  oImage1->oPicture = QStringLiteral("Politicas");

  oGroupBox1 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(164, 100, 554, 234);
  arrayPoliticas = TArrayBrowse::New(oGroupBox1, QStringLiteral("arrayPoliticas"));
  arrayPoliticas->SetBounds(4, 8, 550, 214);
  struct ColumnDef {
    const char* header;
    int width;
    bool hidden;
  };
  const ColumnDef columns[] = {
      {"Column1", 57, true}, {"Column2", 57, true}, {"Nombre", 350, false}, {"Column4", 57, true}};
  for (const ColumnDef& c : columns) arrayPoliticas->AddColumn(QString::fromLatin1(c.header), c.width)->lHide = c.hidden;

  // The background draws the faces of the three buttons.
  auto flat = [this](const char* name, int x, int y, int w, int h) {
    TBtnBmp* b = TBtnBmp::New(oImage1, QString::fromLatin1(name));
    b->SetBounds(x, y, w, h);
    b->lFlat = true;
    return b;
  };
  btnImprimir = flat("btnImprimir", 272, 344, 118, 122);
  btnImprimir->OnClick = [this] { btnImprimirClick(); };
  btnEnviaMail = flat("btnEnviaMail", 456, 344, 118, 122);
  btnEnviaMail->OnClick = [this] { btnEnviaMailClick(); };
  btnSalir = flat("btnSalir", 752, 452, 82, 86);
  btnSalir->OnClick = [this] { btnSalirClick(); };
}

void TPoliticas::FormInitialize() {
  CargaPoliticas();
  objEnviaMail = std::make_unique<TEnviaMail>();
  objEnviaMail->CargaConfiguracionMail(Text::Transform(Text::Val(empresa), QStringLiteral("9999999999")));
}

void TPoliticas::CargaPoliticas() {
  arrayPoliticas->SetArray(
      ResultShapes::RowsOf(QStringLiteral(" exec PortalEmpleadoListadoPoliticas ") + StatementValues::Held(empresa)));
}

// The path as the administrator stored it (a padded column loses only its trailing blanks).
QString TPoliticas::rutaSeleccionada() const { return Text::RTrim(Text::ToText(arrayPoliticas->CurrentRow().col(4))); }

bool TPoliticas::haySeleccion() const { return arrayPoliticas->CurrentRow().count() > 0; }

void TPoliticas::btnImprimirClick() {
  if (!haySeleccion()) return;
  const QString ruta = rutaSeleccionada();
  // Only a file is handed to the viewer; a folder or nothing at all is no policy.
  if (ruta.isEmpty() || !QFileInfo(ruta).isFile()) {
    MsgInfo(QStringLiteral("No existe el archivo"));
    return;
  }
  aHWnd = DocumentOpener::Open(ruta);
}

void TPoliticas::btnEnviaMailClick() {
  if (!haySeleccion()) return;
  // The policy file is attached where it is and never deleted.
  MailToEmployee::Send(*objEnviaMail, QStringLiteral("Portal del Empleado - Políticas de la Empresa"),
                       QStringLiteral("Políticas enviadas desde el Portal del Empleado ZELK"), rutaSeleccionada());
}

void TPoliticas::btnSalirClick() { Close(); }
