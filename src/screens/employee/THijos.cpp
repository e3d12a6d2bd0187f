#include "screens/employee/THijos.h"

#include <QAbstractItemView>

#include "app/AppData.h"
#include "data/StatementValues.h"
#include "data/clsConexion.h"
#include "screens/shared/DirectRows.h"
#include "screens/shared/OnScreenKeyboard.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

THijos::THijos(QWidget* parent) : TForm(parent) {}
THijos::~THijos() = default;

void THijos::CreateForm() {
  SetBounds(375, 57, 1035, 746);
  SetClientSize(1019, 707);
  cText = QStringLiteral("Hijos");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(0, 0, 1010, 694);
  oImage1->oPicture = QStringLiteral("Teclado");

  arrayHijos = TArrayBrowse::New(oImage1, QStringLiteral("arrayHijos"));
  arrayHijos->SetBounds(8, 88, 702, 166);
  arrayHijos->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 10);
  arrayHijos->lRecordSelector = true;
  arrayHijos->nRecSelWidth = 15;
  arrayHijos->AddColumn(QStringLiteral("id"), 47)->lHide = true;
  arrayHijos->AddColumn(QStringLiteral("Nombre"), 467);
  arrayHijos->AddColumn(QStringLiteral("Column3"), 57)->lHide = true;
  arrayHijos->AddColumn(QStringLiteral("Edad"), 57);
  arrayHijos->nRowDividerStyle = 4;
  arrayHijos->nColDividerStyle = 4;
  arrayHijos->nMarqueeStyle = 4;
  arrayHijos->nRowHeight = 35;
  arrayHijos->OnChange = [this] { arrayHijosChange(); };
  // A touch on the row that is already current selects that child too (after a reload the
  // first row is current, and the only child of a one-child list can be touched no other way).
  connect(arrayHijos->View(), &QAbstractItemView::clicked, this, [this] { arrayHijosChange(); });

  auto button = [this](QWidget* parent, TBtnBmp*& b, const char* name, int x, int y, const QString& text,
                       const char* picture, void (THijos::*click)()) {
    b = TBtnBmp::New(parent, QString::fromLatin1(name));
    b->SetBounds(x, y, 154, 50);
    b->cText = text;
    b->oBitmaps = QString::fromLatin1(picture);
    b->OnClick = [this, click] { (this->*click)(); };
  };
  button(oImage1, btnNuevo, "btnNuevo", 736, 88, QStringLiteral("Nuevo"), "perfilmas", &THijos::btnNuevoClick);
  button(oImage1, btnEliminar, "btnEliminar", 736, 148, QStringLiteral("Eliminar"), "perfilmenos", &THijos::btnEliminarClick);

  oGroupBox1 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(8, 260, 934, 66);
  oLabel2 = TLabel::New(oGroupBox1, QStringLiteral("oLabel2"));
  oLabel2->SetBounds(12, 26, 38, 14);
  oLabel2->lMultiline = false;
  oLabel2->cText = QStringLiteral("Nombre");
  txtNombre = TEdit::New(oGroupBox1, QStringLiteral("txtNombre"));
  txtNombre->SetBounds(60, 20, 426, 24);
  txtNombre->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 12);
  txtNombre->OnClick = [this] { txtNombreClick(); };
  txtId = TEdit::New(oGroupBox1, QStringLiteral("txtId"));
  txtId->SetBounds(60, 0, 90, 20);
  txtId->lVisible = false;
  oLabel1 = TLabel::New(oGroupBox1, QStringLiteral("oLabel1"));
  oLabel1->SetBounds(508, 26, 87, 14);
  oLabel1->lMultiline = false;
  oLabel1->cText = QStringLiteral("Fecha Nacimiento");
  dtpFechaNacimiento = TDatePicker::New(oGroupBox1, QStringLiteral("dtpFechaNacimiento"));
  dtpFechaNacimiento->SetBounds(604, 23, 90, 20);
  button(oGroupBox1, btnAgregar, "btnAgregar", 724, 8, QStringLiteral("Guardar "), "correcto", &THijos::btnAgregarClick);

  lblEtiquetaMayusculas = TLabel::New(oImage1, QStringLiteral("lblEtiquetaMayusculas"));
  lblEtiquetaMayusculas->SetBounds(476, 60, 178, 22);
  lblEtiquetaMayusculas->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 10);
  lblEtiquetaMayusculas->nClrText = 255;
  oLabel3 = TLabel::New(oImage1, QStringLiteral("oLabel3"));
  oLabel3->SetBounds(472, 16, 178, 22);
  oLabel3->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 10);
  oLabel3->nClrText = 255;

  btnSalir = TBtnBmp::New(oImage1, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(888, 588, 102, 86);
  btnSalir->lFlat = true;
  btnSalir->OnClick = [this] { Close(); };

  m_keys = std::make_unique<OnScreenKeyboard>(oImage1, QStringLiteral("THijos"), lblEtiquetaMayusculas);
  m_keys->lBlankStays = true;
}

void THijos::FormInitialize() {
  Cargarhijos();
  // Children hang from the employee's catalogue row: without one a new child would belong
  // to nobody and never show, so there is nothing to add.
  const bool conCatalogo = catalogoEmpleado().isValid();
  btnNuevo->lEnabled = conCatalogo;
  btnAgregar->lEnabled = conCatalogo;
  // Upper case from the start, while the label stays empty until a case key is pressed.
  m_keys->SetLock(true, false);
  m_keys->SetActive(txtNombre);
}

void THijos::txtNombreClick() { m_keys->SetActive(txtNombre); }

void THijos::Cargarhijos() {
  const QString codigo = AppData.Codigo;
  arrayHijos->SetArray(DirectRows::Of(
      *CNX, QStringLiteral(" select h.id_familia, h.nombre, isnull(c.idcatalogo,0), DATEDIFF(YY,fch_nac,GETDATE()) as edad "
                           " from rhcatalogo c, rhfamiliar h  where c.codigo= ") +
                codigo + QStringLiteral(" and c.empresa= ") + empresa + QStringLiteral(" and c.idcatalogo = h.idcatalogo ") +
                QStringLiteral(" and h.idparentesco = 3 ")));
  // The grid shows as current the child being edited, when the list still holds it.
  const QString id = AllTrim(txtId->Value());
  const Rows shown = arrayHijos->aArrayData();
  for (int i = 1; !id.isEmpty() && i <= shown.size(); ++i)
    if (AllTrim(ToText(shown.row(i).col(1))) == id) arrayHijos->nArrayAt = i;
}

void THijos::arrayHijosChange() {
  if (arrayHijos->Len() == 0 || arrayHijos->nArrayAt() == 0) return;
  const Row r = arrayHijos->CurrentRow();
  txtId->Value = AllTrim(ToText(r.col(1)));
  txtNombre->Value = ToText(r.col(2));
}

void THijos::btnNuevoClick() {
  txtId->Value = QString();
  txtNombre->Value = QString();
}

qlonglong THijos::SiguienteNumero() {
  return static_cast<qlonglong>(
             Text::Val(DirectRows::First(*CNX, QStringLiteral(" select isnull(max(id_familia),0) from rhfamiliar"), 0))) +
         1;
}

// The catalogue id of the child whose number stands in the id field, as the list holds it;
// the employee's own when the list no longer holds that child.
QVariant THijos::catalogoDe(const QString& idFamilia) {
  for (const Row& r : arrayHijos->aAllData())
    if (AllTrim(ToText(r.col(1))) == idFamilia) return AllTrim(ToText(r.col(3)));
  return AllTrim(ToText(catalogoEmpleado(0)));
}

QVariant THijos::catalogoEmpleado(const QVariant& ninguno) {
  return DirectRows::First(*CNX, QStringLiteral(" select idcatalogo  from rhcatalogo where empresa= ") + AppData.Empresa +
                                     QStringLiteral(" and codigo=") + AppData.Codigo, ninguno);
}

void THijos::btnAgregarClick() {
  const QString nombre = Text::EscapeQuotes(AllTrim(txtNombre->Value()));
  const QString fecha = Text::DToS(dtpFechaNacimiento->dValue());
  const QString id = AllTrim(txtId->Value());
  bool hecho = false;
  if (id.isEmpty()) {
    const qlonglong siguiente = SiguienteNumero();
    const QVariant catalogo = catalogoEmpleado(0);
    hecho = CNX->Ejecuta(QStringLiteral(" INSERT INTO rhfamiliar (id_familia, nombre,Idcatalogo,idparentesco,fch_nac) values(") +
                 DirectRows::Whole(siguiente, 5) + u',' + u'\'' + nombre + QStringLiteral("',") +
                 DirectRows::Whole(catalogo, 8) + QStringLiteral(",3,'") + fecha + QStringLiteral("')"));
  } else {
    hecho = CNX->Ejecuta(QStringLiteral("update rhfamiliar set nombre='") + nombre + QStringLiteral("', fch_nac='") + fecha +
                 QStringLiteral("' where id_familia='") + Text::EscapeQuotes(id) + QStringLiteral("' and Idcatalogo=") + ToText(catalogoDe(id)));
  }
  // A failed write has shown its stop box; the list and the typed name stay as they were.
  if (hecho) Cargarhijos();
}

void THijos::btnEliminarClick() {
  const QString id = AllTrim(txtId->Value());
  if (id.isEmpty()) {
    MsgInfo(QStringLiteral("Debe seleccionar un hijo a eliminar."));
    return;
  }
  if (!MsgYesNo(QStringLiteral("¿Desea Borrar el registro?"))) return;
  const bool borrado = CNX->Ejecuta(QStringLiteral("Delete from rhfamiliar   where id_familia=") + StatementValues::Held(id) +
                                    QStringLiteral(" and idcatalogo=") + ToText(catalogoDe(id)));
  // A failed delete has shown its stop box; the child and the fields stay as they were.
  if (!borrado) return;
  Cargarhijos();
  txtId->Value = QString();
  txtNombre->Value = QString();
  arrayHijosChange();
  MsgInfo(QStringLiteral("Registro Borrado"));
}
