#include "screens/employee/TInformacionGeneral.h"

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/clsConexion.h"
#include "screens/employee/TEstadoCivil.h"
#include "screens/employee/THijos.h"
#include "screens/employee/TPoblacion.h"
#include "screens/shared/DirectRows.h"
#include "screens/shared/FitText.h"
#include "screens/shared/OnScreenKeyboard.h"
#include "toolkit/Controls.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

namespace {

const QStringList kPalabras = {QStringLiteral("Soltero"), QStringLiteral("Casado"), QStringLiteral("Viudo"),
                               QStringLiteral("Divorciado"), QStringLiteral("Unión Libre")};
const QStringList kCodigos = {QStringLiteral("S"), QStringLiteral("C"), QStringLiteral("V"), QStringLiteral("D"),
                              QStringLiteral("U")};

// The control's text trimmed, ready to go between quotes.
QString valor(const TEdit* e) { return Text::EscapeQuotes(AllTrim(e->Value())); }

}  // namespace

TInformacionGeneral::TInformacionGeneral(QWidget* parent) : TSessionForm(parent) {}
TInformacionGeneral::~TInformacionGeneral() = default;

QString TInformacionGeneral::CodigoEdoCivil(const QString& palabra) {
  const auto i = kPalabras.indexOf(palabra);
  return i < 0 ? QString() : kCodigos[i];
}

void TInformacionGeneral::CreateForm() {
  SetBounds(257, 112, 1021, 726);
  SetClientSize(1005, 687);
  cText = QStringLiteral("Datos Personales del Empleado");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  oBkgnd = QStringLiteral("TecladoEdicionDatos");
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  const QFont arial = TFont::Create(QStringLiteral("Arial"), 10);
  auto edit = [this, &arial](const char* name, int x, int y, int w, int h) {
    TEdit* e = TEdit::New(this, QString::fromLatin1(name));
    e->SetBounds(x, y, w, h);
    e->oFont = arial;
    e->lAutoSelect = true;
    e->OnClick = [this, e] { m_keys->SetActive(e); };
    return e;
  };
  auto label = [this](const char* name, int x, int y, int w, int h, const QString& text) {
    TLabel* l = TLabel::New(this, QString::fromLatin1(name));
    l->SetBounds(x, y, w, h);
    l->lMultiline = false;
    l->cText = text;
    // The caption stays clear of the field frame drawn beside it.
    FitText::Shrink(l, text, w);
    return l;
  };
  auto picker = [this](const char* name, int x, int y, int w, int h, const char* picture) {
    TBtnBmp* b = TBtnBmp::New(this, QString::fromLatin1(name));
    b->SetBounds(x, y, w, h);
    b->oBitmaps = QString::fromLatin1(picture);
    return b;
  };

  txtDomicilio = edit("txtDomicilio", 84, 82, 330, 28);
  label("oLabel21", 32, 89, 43, 14, QStringLiteral("Domicilio"));
  txtColonia = edit("txtColonia", 84, 118, 330, 28);
  label("oLabel22", 32, 126, 36, 14, QStringLiteral("Colonia"));
  txtPoblacion = edit("txtPoblacion", 84, 154, 282, 28);
  txtPoblacion->lEnabled = false;
  label("oLabel23", 32, 162, 48, 14, QStringLiteral("Población"));
  btnPoblacion = picker("btnPoblacion", 372, 152, 42, 38, "buscar2");
  btnPoblacion->OnClick = [this] { btnPoblacionClick(); };
  txtMunicipio = edit("txtMunicipio", 84, 191, 282, 28);
  label("oLabel76", 32, 199, 46, 14, QStringLiteral("Municipio"));
  txtLocalidad = edit("txtLocalidad", 84, 227, 282, 28);
  label("lblLocalidad", 32, 235, 47, 14, QStringLiteral("Localidad"));
  txtCP = edit("txtCP", 84, 264, 90, 28);
  label("oLabel27", 32, 272, 21, 14, QStringLiteral("C.P."));
  txtTel = edit("txtTel", 252, 264, 162, 28);
  label("oLabel26", 188, 271, 43, 14, QStringLiteral("Teléfono"));
  txtEmail = edit("txtEmail", 84, 300, 330, 28);
  label("oLabel31", 32, 308, 29, 14, QStringLiteral("E-mail"));
  txtEdoCivil = edit("txtEdoCivil", 480, 60, 186, 28);
  txtEdoCivil->lEnabled = false;
  txtEdoCivil->lReadOnly = true;
  label("oLabel28", 432, 68, 45, 14, QStringLiteral("Edo. Civil"));
  btnEstadoCivil = picker("btnEstadoCivil", 672, 52, 42, 38, "buscar2");
  btnEstadoCivil->OnClick = [this] { btnEstadoCivilClick(); };
  txtConyuge = edit("txtConyuge", 480, 95, 414, 28);
  label("oLabel75", 432, 104, 43, 14, QStringLiteral("Cónyuge"));
  txtHijos = edit("txtHijos", 480, 129, 310, 70);
  txtHijos->lMultiline = true;
  txtHijos->lAutoSelect = false;
  label("oLabel30", 432, 158, 24, 14, QStringLiteral("Hijos"));
  btnHijo = picker("btnHijo", 796, 132, 94, 54, "perfilmas");
  btnHijo->cText = QStringLiteral("Agregar\r\nHijo/a");
  btnHijo->OnClick = [this] { btnHijoClick(); };
  txtMadre = edit("txtMadre", 480, 206, 414, 28);
  label("oLabel29", 432, 212, 31, 14, QStringLiteral("Madre"));
  txtPadre = edit("txtPadre", 480, 240, 414, 28);
  label("oLabel74", 432, 247, 29, 14, QStringLiteral("Padre"));
  btnGuardarCambio = picker("btnGuardarCambio", 748, 276, 146, 54, "correcto");
  btnGuardarCambio->cText = QStringLiteral("Guardar ");
  btnGuardarCambio->OnClick = [this] { btnGuardarCambiosClick(); };

  lblEtiquetaMayusculas = TLabel::New(this, QStringLiteral("lblEtiquetaMayusculas"));
  lblEtiquetaMayusculas->SetBounds(472, 16, 178, 22);
  lblEtiquetaMayusculas->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 10);
  lblEtiquetaMayusculas->nClrText = 255;

  btnSalida = TBtnBmp::New(this, QStringLiteral("btnSalida"));
  btnSalida->SetBounds(920, 596, 62, 74);
  btnSalida->lFlat = true;
  btnSalida->OnClick = [this] { Close(); };

  m_keys = std::make_unique<OnScreenKeyboard>(this, QStringLiteral("TInformacionGeneral"), lblEtiquetaMayusculas);
  m_keys->lBlankStays = true;
}

void TInformacionGeneral::FormInitialize() {
  txtMadre->Value = QString();
  txtPadre->Value = QString();
  m_keys->SetLock(false);
  // The screen opens on its own picture; once a case key is used the key faces follow the
  // case: shifted symbols and capitals while upper case is on.
  m_keys->OnLock = [this](bool on) {
    oBkgnd = on ? QStringLiteral("TecladoEdicionDatos") : QStringLiteral("DATOSPERSONALES");
  };
  m_keys->SetActive(txtDomicilio);
  const QString modifica =
      AllTrim(TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Modifica"))).toUpper();
  const bool cargado = CargaDetalle();
  // Without the employee's row every field is empty: saving would blank the stored data.
  btnGuardarCambio->lEnabled = modifica.startsWith(QStringLiteral("SI")) && cargado;
  CargaHijos();
}

bool TInformacionGeneral::CargaDetalle() {
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("exec peInformacionGeneral ") + empresa + u',' + codigo);
  if (rows.isEmpty()) return false;
  const Row& r = rows.row(1);
  txtDomicilio->Value = ToText(r.col(14));
  txtColonia->Value = ToText(r.col(15));
  txtPoblacion->Value = ToText(r.col(16));
  txtCP->Value = Text::Transform(r.col(17), QStringLiteral("99999"));
  txtEdoCivil->Value = AllTrim(ToText(r.col(18)));
  txtTel->Value = ToText(r.col(19));
  txtEmail->Value = ToText(r.col(21));
  txtPadre->Value = ToText(r.col(30));
  txtMadre->Value = ToText(r.col(31));
  txtConyuge->Value = ToText(r.col(33));
  txtMunicipio->Value = ToText(r.col(34));
  txtLocalidad->Value = ToText(r.col(35));
  return true;
}

void TInformacionGeneral::CargaHijos() {
  QStringList nombres;
  for (const Row& r : DirectRows::Of(*CNX, QStringLiteral(" select h.nombre  from rhcatalogo c, rhfamiliar h where c.codigo= ") +
                                               codigo + QStringLiteral(" and c.empresa= ") + empresa +
                                               QStringLiteral(" and c.idcatalogo = h.idcatalogo ") +
                                               QStringLiteral(" and h.idparentesco = 3 ")))
    nombres << AllTrim(ToText(r.col(1)));
  txtHijos->Value = nombres.join(QStringLiteral(", "));
}

void TInformacionGeneral::btnPoblacionClick() {
  auto* dlg = TForm::New<TPoblacion>(this, [this](TPoblacion& d) {
    d.CNX = CNX;
    d.Empresa = empresa;
  });
  dlg->ShowModal();
  if (dlg->valor.isValid()) txtPoblacion->Value = ToText(dlg->valor);
}

void TInformacionGeneral::btnEstadoCivilClick() {
  const QString actual = txtEdoCivil->Value();
  const bool conocido = kPalabras.contains(actual) || actual == u"Separado";
  auto* dlg = TForm::New<TEstadoCivil>(this, [this, &actual, conocido](TEstadoCivil& d) {
    d.CNX = CNX;
    d.Empresa = empresa;
    d.codigo = codigo;
    d.inicializa = conocido ? actual : QString();
  });
  dlg->ShowModal();
  if (!dlg->valor.isEmpty()) txtEdoCivil->Value = dlg->valor;
}

void TInformacionGeneral::btnHijoClick() {
  TForm::New<THijos>(this, [this](THijos& h) {
    h.CNX = CNX;
    h.empresa = empresa;
  })->ShowModal();
  CargaHijos();
}

QVariant TInformacionGeneral::idCatalogo() {
  return DirectRows::First(*CNX, QStringLiteral(" select idcatalogo from rhcatalogo   where empresa=") + empresa +
                                     QStringLiteral(" and codigo=") + codigo, QVariant());
}

void TInformacionGeneral::btnGuardarCambiosClick() {
  if (!MsgYesNo(QStringLiteral("¿Desea guardar los cambios?"))) return;
  const QVariant catalogo = idCatalogo();
  // A status the five words do not name keeps the code the database holds.
  const QString edoCivil = CodigoEdoCivil(txtEdoCivil->Value());
  // Each statement runs by itself: one that fails has shown its box, and the others still run.
  CNX->Ejecuta(QStringLiteral(" update datosemps set  domicilio='") + valor(txtDomicilio) + QStringLiteral("',") +
               QStringLiteral(" colonia='") + valor(txtColonia) + QStringLiteral("',") +
               (edoCivil.isEmpty() ? QString() : QStringLiteral(" edocivil='") + edoCivil + QStringLiteral("',")) +
               QStringLiteral(" poblacion='") + valor(txtPoblacion) + QStringLiteral("',") + QStringLiteral(" municipio='") +
               valor(txtMunicipio) + QStringLiteral("',") + QStringLiteral(" localidad='") + valor(txtLocalidad) +
               QStringLiteral("',") + QStringLiteral(" codpostal='") + valor(txtCP) + QStringLiteral("',") +
               QStringLiteral(" telefono='") + valor(txtTel) + QStringLiteral("',") + QStringLiteral(" email='") +
               valor(txtEmail) + QStringLiteral("'") + QStringLiteral(" where codigo='") + Text::EscapeQuotes(AllTrim(codigo)) +
               QStringLiteral("'") + QStringLiteral(" and empresa=") + AllTrim(empresa));
  // Family rows hang from the employee's catalogue row; without one they would belong to nobody.
  if (!catalogo.isValid()) return;
  guardaFamiliar(1, valor(txtPadre), catalogo);
  guardaFamiliar(2, valor(txtMadre), catalogo);
  guardaFamiliar(5, valor(txtConyuge), catalogo);
}

// Father (1), mother (2) or spouse (5): the name of the existing row is updated, or a new
// row is added under the next member number of the whole table.
bool TInformacionGeneral::guardaFamiliar(int parentesco, const QString& nombre, const QVariant& catalogo) {
  const QString p = QString::number(parentesco);
  const bool existe = !DirectRows::Of(*CNX, QStringLiteral(" select p.nombre, p.nombre  from rhcatalogo c, rhfamiliar p  where c.codigo= ") +
                                                codigo + QStringLiteral(" and c.empresa= ") + empresa +
                                                QStringLiteral(" and c.idcatalogo = p.idcatalogo ") +
                                                QStringLiteral(" and p.idparentesco = ") + p + u' ')
                           .isEmpty();
  if (existe) {
    return CNX->Ejecuta(QStringLiteral("update rhfamiliar set  nombre='") + nombre + QStringLiteral("'") +
                 QStringLiteral(" where idparentesco=") + p + QStringLiteral(" and Idcatalogo=") + AllTrim(ToText(catalogo)));
  }
  const qlonglong siguiente =
      static_cast<qlonglong>(Text::Val(DirectRows::First(*CNX, QStringLiteral(" select isnull(max(id_familia),0) from rhfamiliar"), 0))) + 1;
  return CNX->Ejecuta(QStringLiteral("INSERT INTO rhfamiliar (id_familia, nombre,Idcatalogo,idparentesco) values(") +
               DirectRows::Whole(siguiente, 9) + u',' + u'\'' + nombre + QStringLiteral("',") + AllTrim(ToText(catalogo)) + u',' + p +
               u')');
}
