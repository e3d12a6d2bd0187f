#include "screens/employee/TInformacionNomina.h"

#include <QDate>
#include <QDateTime>

#include "app/AppData.h"
#include "screens/shared/DirectRows.h"
#include "screens/shared/FitText.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

void TInformacionNomina::CreateForm() {
  SetBounds(0, 0, 1019, 725);
  SetClientSize(1003, 687);
  cText = QStringLiteral("Informacion Nómina del Empleado");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  oBkgnd = QStringLiteral("DatosNomina");
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(244, 92, 490, 486);
  oGroupBox1->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 10);

  auto label = [this](const char* name, int x, int y, int w, int h, const QString& text) {
    TLabel* l = TLabel::New(oGroupBox1, QString::fromLatin1(name));
    l->SetBounds(x, y, w, h);
    l->lMultiline = false;
    l->cText = text;
  };
  label("oLabel1", 32, 44, 50, 17, QStringLiteral("Nombre"));
  field("txtNombre", 116, 40, 322, 20);
  label("oLabel2", 32, 68, 71, 17, QStringLiteral("Ap. Paterno"));
  field("txtPaterno", 116, 64, 322, 20);
  label("oLabel3", 32, 92, 73, 17, QStringLiteral("Ap. Materno"));
  field("txtMaterno", 116, 88, 322, 20);
  label("oLabel4", 32, 116, 37, 17, QStringLiteral("R.F.C."));
  field("txtRFCAlfa", 116, 112, 44, 20);
  label("oLabel5", 164, 113, 5, 17, QStringLiteral("-"));
  field("txtRFCNum", 172, 112, 60, 20);
  label("oLabel6", 234, 113, 5, 17, QStringLiteral("-"));
  field("txtHomo", 242, 112, 42, 20);
  label("oLabel7", 32, 136, 51, 17, QStringLiteral("C.U.R.P."));
  field("txtCURP", 116, 136, 190, 20);
  label("oLabel8", 32, 161, 53, 17, QStringLiteral("Num. Afil"));
  field("txtNumAfil", 116, 160, 82, 20);
  label("oLabel9", 200, 161, 5, 17, QStringLiteral("-"));
  field("txtDV", 208, 160, 24, 20);
  label("umf", 247, 161, 30, 17, QStringLiteral("UMF"));
  field("txtUMF", 284, 160, 86, 20);
  label("oLabel10", 32, 187, 66, 17, QStringLiteral("Ocupación"));
  field("txtOcup", 116, 184, 26, 20);
  field("txtPuesto", 144, 184, 226, 20);
  label("oLabel11", 33, 210, 55, 17, QStringLiteral("Tipo Sal."));
  field("txtTipoSal", 116, 208, 26, 20);
  field("txtNtipoSal", 144, 208, 226, 20);
  label("oLabel12", 32, 233, 79, 17, QStringLiteral("Tipo Nomina"));
  field("txtTipoNom", 116, 232, 26, 20);
  field("txtNtipoNom", 143, 232, 226, 20);
  label("oLabel13", 32, 261, 63, 17, QStringLiteral("Tipo Emp."));
  field("txtTipoEmp", 116, 257, 26, 20);
  field("txtNtipoEmp", 143, 257, 226, 20);
  label("oLabel14", 32, 285, 40, 17, QStringLiteral("Centro"));
  field("txtCentro", 116, 281, 78, 20);
  field("txtNombreCentro", 195, 281, 242, 20);
  label("oLabel15", 32, 308, 46, 17, QStringLiteral("Horario"));
  field("txtHorario", 116, 305, 78, 20);
  field("txtNHorario", 195, 305, 242, 20);
  label("oLabel16", 32, 331, 49, 17, QStringLiteral("Fch.Alta"));
  field("txtFchALta", 117, 329, 78, 20);
  label("lblAnt", 196, 331, 23, 17, QStringLiteral("Ant."));
  field("txtFchAnt", 221, 329, 89, 20);
  label("lblBaja", 316, 331, 29, 17, QStringLiteral("Baja"));
  field("txtFechaBaja", 348, 329, 90, 20)->lEnabled = false;
  label("oLabel17", 32, 356, 40, 17, QStringLiteral("Banco"));
  field("txtBanco", 116, 353, 78, 20);
  field("txtNombreBanco", 195, 353, 242, 20);
  label("oLabel18", 32, 378, 43, 17, QStringLiteral("Cuenta"));
  field("txtCuenta", 116, 376, 174, 20);
  label("oLabel19", 32, 405, 83, 17, QStringLiteral("F. Nacimiento"));
  field("txtFechaNac", 116, 403, 174, 20);
  label("LBLEDAD", 300, 404, 34, 17, QStringLiteral("Edad"));
  field("txtEdad", 344, 402, 94, 20);
  label("oLabel20", 32, 430, 54, 17, QStringLiteral("Edo Nac"));
  field("txtEdoNac", 116, 428, 174, 20);
  label("lblNac", 300, 429, 29, 17, QStringLiteral("Nac."));
  field("txtNaciMIENTO", 344, 427, 94, 20);

  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(896, 596, 62, 74);
  btnSalir->lFlat = true;
  btnSalir->OnClick = [this] { Close(); };
}

TEdit* TInformacionNomina::field(const char* name, int x, int y, int w, int h) {
  TEdit* e = TEdit::New(oGroupBox1, QString::fromLatin1(name));
  e->SetBounds(x, y, w, h);
  e->lReadOnly = true;
  e->lAutoSelect = true;
  m_fields.insert(e->objectName(), e);
  return e;
}

QString TInformacionNomina::NombreTipoSalario(const QString& codigo) {
  const QString c = AllTrim(codigo);
  if (c == u"0") return QStringLiteral("FIJO");
  if (c == u"1") return QStringLiteral("VARIABLE");
  if (c == u"2") return QStringLiteral("DESTAJO");
  return QString();
}

QString TInformacionNomina::NombreTipoEmpleado(const QString& codigo) {
  const QString c = AllTrim(codigo);
  if (c == u"1") return QStringLiteral("ORDINARIO");
  if (c == u"2") return QStringLiteral("EVENTUAL/URBANO/AJENO A LA INDUSTRIA DE LA CONSTRUCCION");
  if (c == u"3") return QStringLiteral("DE LA INDUSTRIA DE LA CONSTRUCCION");
  return QString();
}

QString TInformacionNomina::Edad(const QVariant& nacimiento) {
  int year = 0;
  if (nacimiento.typeId() == QMetaType::QDate) year = nacimiento.toDate().year();
  else if (nacimiento.typeId() == QMetaType::QDateTime) year = nacimiento.toDateTime().date().year();
  else {
    // A date column read as text: "1990-12-05", "1990-12-05 00:00:00" or eight digits.
    const QString t = AllTrim(ToText(nacimiento));
    const QDate d = QDate::fromString(t.left(10), Qt::ISODate);
    if (d.isValid()) year = d.year();
    else if (Text::SToD(t.left(8)).isValid()) year = Text::SToD(t.left(8)).year();
  }
  if (year <= 0) return QString();
  return QString::number(QDate::currentDate().year() - year);
}

void TInformacionNomina::FormInitialize() { cargaDetalle(); }

void TInformacionNomina::cargaDetalle() {
  const Rows rows = DirectRows::Of(
      *CNX,
      QStringLiteral(" select e.nombre, e.ap_paterno, e.ap_materno , e.rfcalfa, e.rfcnum,  e.rfchomo, e.curp, e.afiliacion, "
                     "e.digvera, t.ocupacion, t.actividad,   e.tiposal, ll.tiponom, n.nomina, e.tipo_emp,ll.centro, c.nomdepto,  "
                     "ll.horario, hc.nombre,  CONVERT ( varchar(11) , e.fchalta , 113 ), CONVERT ( varchar(11) , e.fchantigua , "
                     "113 ),  ll.banco, b.nombre, e.cta_bco_no, de.email,  de.domicilio, de.colonia, de.poblacion, "
                     "isnull(de.codpostal,0), de.telefono, de.umf,  CONVERT ( varchar(11) , e.fchnac, 113 ), e.edonac, "
                     "de.nacional, de.edocivil, e.fchnac, CONVERT ( varchar(11) , e.fch_baja, 113 ), e.fch_baja from empleados "
                     "e, llaves ll, centros c, tabulador t, datosemps de,  bancos b, nominas n, horarios_catalogo hc  where "
                     "e.codigo= ") +
          AppData.Codigo + QStringLiteral(" and e.empresa= ") + empresa + QStringLiteral(" and e.codigo=ll.codigo  ") +
          QStringLiteral(" and ll.centro=c.centro  ") + QStringLiteral(" and ll.empresa=c.empresa  ") +
          QStringLiteral(" and ll.ocupacion=t.ocupacion") + QStringLiteral(" and ll.empresa=t.empresa") +
          QStringLiteral(" and ll.banco=b.banco") + QStringLiteral(" and ll.horario=hc.horario") +
          QStringLiteral(" and ll.empresa=hc.empresa") + QStringLiteral(" and ll.codigo=de.codigo") +
          QStringLiteral(" and ll.empresa=de.empresa") + QStringLiteral(" and ll.empresa=n.empresa") +
          QStringLiteral(" and ll.tiponom=n.tiponom"));
  if (rows.isEmpty()) return;
  const Row& r = rows.row(1);
  // Columns counted from 0 in select order.
  const auto put = [this, &r](const char* name, int column) {
    m_fields.value(QString::fromLatin1(name))->Value = AllTrim(ToText(r.col(column + 1)));
  };
  const struct {
    const char* name;
    int column;
  } fields[] = {{"txtNombre", 0},   {"txtPaterno", 1},      {"txtMaterno", 2},       {"txtRFCAlfa", 3},    {"txtRFCNum", 4},
                {"txtHomo", 5},     {"txtCURP", 6},         {"txtNumAfil", 7},       {"txtDV", 8},         {"txtUMF", 30},
                {"txtOcup", 9},     {"txtPuesto", 10},      {"txtTipoSal", 11},      {"txtTipoNom", 12},   {"txtNtipoNom", 13},
                {"txtTipoEmp", 14}, {"txtCentro", 15},      {"txtNombreCentro", 16}, {"txtHorario", 17},   {"txtNHorario", 18},
                {"txtFchALta", 19}, {"txtFchAnt", 20},      {"txtFechaBaja", 36},    {"txtBanco", 21},     {"txtNombreBanco", 22},
                {"txtCuenta", 23},  {"txtFechaNac", 31},    {"txtEdoNac", 32},       {"txtNaciMIENTO", 33}};
  for (const auto& f : fields) put(f.name, f.column);
  Campo(QStringLiteral("txtNtipoSal"))->Value = NombreTipoSalario(ToText(r.col(12)));
  Campo(QStringLiteral("txtNtipoEmp"))->Value = NombreTipoEmpleado(ToText(r.col(15)));
  Campo(QStringLiteral("txtEdad"))->Value = Edad(r.col(36));
  // A value longer than its box is written smaller until it fits (down to 6 points); each
  // field shows the beginning of its value, and the whole value as a tip.
  for (TEdit* e : std::as_const(m_fields)) {
    FitText::Shrink(e, e->Value(), e->width() - 8);
    e->SetCaret(0);
    e->cToolTip = e->Value();
  }
}
