#include "screens/admin/TAgregaPersonasAsignadas.h"

#include "app/AppData.h"
#include "data/mdlAdministracion.h"
#include "data/mdlOperacion.h"
#include "screens/admin/MarcaSeleccion.h"
#include "screens/admin/TNombresTipo.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

void TAgregaPersonasAsignadas::CreateForm() {
  SetBounds(220, 120, 847, 619);
  SetClientSize(831, 580);
  cText = QStringLiteral("Agregar Personas Asignadas");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;  // the kiosk's one window style: fixed, without minimize or maximize boxes
  OnInitialize = [this] { FormInitialize(); };

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(12, 4, 798, 514);
  oLabel1 = TLabel::New(oGroupBox1, QStringLiteral("oLabel1"));
  oLabel1->SetBounds(20, 16, 47, 14);
  oLabel1->lMultiline = false;  // one line, widened to its text
  oLabel1->cText = QStringLiteral("Filtrar por:");
  cmbFiltrarPor = TComboBox::New(oGroupBox1, QStringLiteral("cmbFiltrarPor"));
  cmbFiltrarPor->SetBounds(72, 12, 110, 21);
  cmbFiltrarPor->OnChange = [this](TComboBox*) { cmbFiltrarPorChange(); };
  lblBuscar = TLabel::New(oGroupBox1, QStringLiteral("lblBuscar"));
  lblBuscar->SetBounds(30, 42, 37, 14);
  lblBuscar->cText = QStringLiteral("Buscar:");
  txtNombre = TEdit::New(oGroupBox1, QStringLiteral("txtNombre"));
  txtNombre->SetBounds(72, 40, 310, 20);
  txtNombre->lEnabled = false;
  txtID = TEdit::New(oGroupBox1, QStringLiteral("txtID"));
  txtID->SetBounds(316, 16, 66, 20);
  txtID->lEnabled = false;
  txtID->Hide();
  auto button = [this](TBtnBmp*& b, const char* name, int x, int y, int w, int h, const QString& text,
                       const char* picture) {
    b = TBtnBmp::New(oGroupBox1, QString::fromLatin1(name));
    b->SetBounds(x, y, w, h);
    b->cText = text;
    b->oBitmaps = QString::fromLatin1(picture);
  };
  button(btnBuscar, "btnBuscar", 384, 36, 38, 25, QString(), "buscar2");
  btnBuscar->OnClick = [this] { btnBuscarClick(); };
  button(btnCargar, "btnCargar", 428, 20, 90, 42, QStringLiteral("Cargar"), "correcto");
  btnCargar->OnClick = [this] { btnCargarClick(); };
  // A little wider than drawn: the two-line captions beside their pictures need the room.
  button(btnMarcarTodos, "btnMarcarTodos", 588, 20, 100, 42, QStringLiteral("Marcar\nTodos"), "angulo2");
  btnMarcarTodos->OnClick = [this] { Marca(true); };
  button(btnDesmarcarTodos, "btnDesmarcarTodos", 692, 20, 102, 42, QStringLiteral("Desmarcar\nTodos"), "tacha33");
  btnDesmarcarTodos->OnClick = [this] { Marca(false); };
  lblNombreTabla = TLabel::New(oGroupBox1, QStringLiteral("lblNombreTabla"));
  lblNombreTabla->SetBounds(8, 68, 246, 18);

  arreglo = TArrayBrowse::New(oGroupBox1, QStringLiteral("arreglo"));
  arreglo->SetBounds(4, 88, 790, 418);
  arreglo->lRecordSelector = true;
  arreglo->nRowDividerStyle = 4;
  arreglo->nMarqueeStyle = 4;
  arreglo->nRowHeight = 30;
  struct Def {
    const char* header;
    int width;
    const char* picture;
  };
  const Def defs[] = {{"Empresa", 66, "99999999"}, {"Código", 75, "99999999"}, {"Nombre", 258, nullptr},
                      {"Centro", 137, nullptr},    {"Puesto", 127, nullptr},   {"Seleccion", 73, nullptr},
                      {"Supervisor", 57, nullptr}};
  for (const Def& d : defs) {
    TArrayBrwColumn* c = arreglo->AddColumn(QString::fromUtf8(d.header), d.width);
    c->nAlignment = 64;
    if (d.picture) c->cPicture = QString::fromLatin1(d.picture);
  }
  MarcaSeleccion::Prepara(arreglo->Column(6));
  arreglo->Column(6)->OnDataDblClick = [this](TArrayBrwColumn*) { arregloColumn6DataDblClick(); };
  arreglo->Column(7)->lHide = true;

  btnGuardar = TBtnBmp::New(this, QStringLiteral("btnGuardar"));
  btnGuardar->SetBounds(552, 520, 118, 42);
  btnGuardar->cText = QStringLiteral("Gurardar");
  btnGuardar->oBitmaps = QStringLiteral("correcto");
  btnGuardar->OnClick = [this] { btnGuardarClick(); };
  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(688, 520, 118, 42);
  btnSalir->cText = QStringLiteral("Salir");
  btnSalir->oBitmaps = QStringLiteral("salir");
  btnSalir->OnClick = [this] { Close(); };
}

void TAgregaPersonasAsignadas::FormInitialize() {
  const bool supervisores = Text::AllTrim(idTipoSolicitud) == u"4";
  oLabel1->lVisible = !supervisores;
  cmbFiltrarPor->lVisible = !supervisores;
  txtNombre->lVisible = !supervisores;
  lblNombreTabla->cText = supervisores ? QStringLiteral("Supervisores disponibles") : QStringLiteral("Empleados disponibles");
  cmbFiltrarPor->SetItems({QStringLiteral("Todos"), QStringLiteral("Departamento"), QStringLiteral("Puesto")});
  cmbFiltrarPor->nIndex = 1;
  txtNombre->Hide();
  lblBuscar->Hide();
  btnBuscar->Hide();
  arreglo->SetArray(Rows());
}

QString TAgregaPersonasAsignadas::IdFiltro() const {
  const QString f = cmbFiltrarPor->cText();
  if (f == u"Departamento") return QStringLiteral("1");
  if (f == u"Puesto") return QStringLiteral("2");
  return QStringLiteral("0");
}

void TAgregaPersonasAsignadas::cmbFiltrarPorChange() {
  txtNombre->Value = QString();
  const bool filtra = cmbFiltrarPor->nIndex() == 2 || cmbFiltrarPor->nIndex() == 3;
  txtNombre->lVisible = filtra;
  lblBuscar->lVisible = filtra;
  btnBuscar->lVisible = filtra;
}

void TAgregaPersonasAsignadas::btnBuscarClick() {
  auto* dlg = TForm::New<TNombresTipo>(this, [this](TNombresTipo& d) {
    d.CNX = CNX;
    d.empresa = empresa;
    d.idFlujo = idflujo;
    d.idTipoSolicitud = idTipoSolicitud;
    d.idfiltro = IdFiltro();
  });
  dlg->ShowModal();
  // Leaving the list without a choice keeps what was chosen before.
  if (!dlg->id.isNull()) {
    txtID->Value = dlg->id;
    txtNombre->Value = dlg->nombre;
  }
}

void TAgregaPersonasAsignadas::btnCargarClick() {
  Rows rows = AppData.oOperacion->cargaEmpleadosFlujoDisponibles(empresa, idTipoSolicitud, idflujo, IdFiltro(),
                                                                 txtID->Value());
  for (Row& r : rows) r.setCol(6, MarcaSeleccion::kNoMarcado);
  arreglo->SetArray(rows);
  arreglo->Refresh();
}

void TAgregaPersonasAsignadas::arregloColumn6DataDblClick() { MarcaSeleccion::Alterna(arreglo); }

void TAgregaPersonasAsignadas::Marca(bool marcado) {
  MarcaSeleccion::Todas(arreglo, marcado);
}

void TAgregaPersonasAsignadas::btnGuardarClick() {
  mdlAdministracion adm;
  bool ok = true;
  for (const Row& r : arreglo->aArrayData())
    if (MarcaSeleccion::Marcado(r))
      ok = adm.AgregaEmpleadoFlujo(empresa, idTipoSolicitud, idflujo,
                                   r.col(2)) && ok;
  if (!ok) MsgInfo(QStringLiteral("Error al guardar"));
  Close();
}
