#include "screens/time/TSolicitarVacaciones.h"

#include <QDate>
#include <QFile>

#include "app/AppData.h"
#include "data/StatementValues.h"
#include "data/TQuery.h"
#include "data/mdlOperacion.h"
#include "mail/TEnviaMail.h"
#include "screens/shared/BalancePanels.h"
#include "screens/shared/MailToEmployee.h"
#include "screens/shared/NumericKeypad.h"
#include "screens/shared/TempFiles.h"
#include "toolkit/Controls.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;

namespace {

const QString kExcede = QStringLiteral("No puede solicitar mas dias de los que tiene derecho.");

QString dosDigitos(int n) { return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n); }

// The form's data set list: one entry, "Datos".
ReportSource datos(const TQuery& query) {
  return ReportSource(QList<ReportSource::Pair>{ReportSource::Pair(QStringLiteral("Datos"), query)});
}

}  // namespace

TSolicitarVacaciones::TSolicitarVacaciones(QWidget* parent) : TSessionForm(parent) {}
TSolicitarVacaciones::~TSolicitarVacaciones() = default;

void TSolicitarVacaciones::CreateForm() {
  SetBounds(244, 55, 1046, 753);
  SetClientSize(1030, 714);
  cText = QStringLiteral("Solicitar Vacaciones");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(4, 4, 1014, 698);
  oImage1->oPicture = QStringLiteral("SolicitarVacacionesNuevo");

  const QFont font18 = TFont::Create(QStringLiteral("MS Sans Serif"), 18);
  auto field = [&](const char* name, int x, int y, int w, int h, const QString& text, int maxLength) {
    TEdit* e = TEdit::New(oImage1, QString::fromLatin1(name));
    e->SetBounds(x, y, w, h);
    e->oFont = font18;
    e->nAlignment = 1;
    e->lNumeric = true;
    e->lAutoSelect = true;
    e->nMaxLength = maxLength;
    e->Value = text;
    return e;
  };
  txtNumero = field("txtNumero", 488, 216, 82, 46, QString(), 0);
  txtdia = field("txtdia", 268, 280, 86, 46, QStringLiteral("00"), 2);
  txtmes = field("txtmes", 380, 280, 82, 46, QStringLiteral("00"), 2);
  txtyear = field("txtyear", 488, 280, 86, 42, QStringLiteral(" 2010"), 4);
  txtNumero->OnClick = [this](TEdit*) { txtNumeroClick(); };
  txtdia->OnClick = [this](TEdit*) { txtdiaClick(); };
  txtmes->OnClick = [this](TEdit*) { txtmesClick(); };
  txtyear->OnClick = [this](TEdit*) { txtyearClick(); };
  txtNumero->OnExit = [this](TEdit*) { txtNumeroExit(); };
  txtdia->OnExit = [this](TEdit*) { txtdiaExit(); };
  txtmes->OnExit = [this](TEdit*) { txtmesExit(); };

  teclado = std::make_unique<NumericKeypad>(oImage1, QStringLiteral("TSolicitarVacaciones"));
  teclado->AddField(QStringLiteral("Numero"), txtNumero);
  teclado->AddField(QStringLiteral("Dia"), txtdia);
  teclado->AddField(QStringLiteral("Mes"), txtmes);
  teclado->AddField(QStringLiteral("Año"), txtyear);
  for (const char* key : {"btnUno", "btnDos"})
    teclado->Key(QString::fromLatin1(key))->cToolTip = QStringLiteral("Presione el botpon Aceptar para cargar la información.");

  auto flat = [&](TBtnBmp*& b, const char* name, int x, int y, int w, int h) {
    b = TBtnBmp::New(oImage1, QString::fromLatin1(name));
    b->SetBounds(x, y, w, h);
    b->lFlat = true;
    b->lTabStop = false;
  };
  flat(btnImprimir, "btnImprimir", 216, 384, 170, 106);
  btnImprimir->OnClick = [this] { btnImprimirClick(); };
  flat(btnEnviar, "btnEnviar", 424, 376, 154, 106);
  btnEnviar->OnClick = [this] { btnEnviarClick(); };
  flat(btnSalir, "btnSalir", 888, 592, 74, 78);
  btnSalir->OnClick = [this] { btnSalirClick(); };

  chkSupervisor = TCheckBox::New(oImage1, QStringLiteral("chkSupervisor"));
  chkSupervisor->SetBounds(432, 512, 222, 18);
  chkSupervisor->cText = QStringLiteral("Envía copia al Supervisor");
  chkSupervisor->oFont = TFont::Create(QStringLiteral("Calibri"), 14);
  chkSupervisor->nClrText = Clr::Black;
  chkSupervisor->lChecked = false;

  saldos = std::make_unique<BalancePanels>(oImage1, BalancePanels::Arrangement::Across);
}

void TSolicitarVacaciones::FormInitialize() {
  buscaOpcion();
  CargaDiasSaldo();
  const QDate today = QDate::currentDate();
  txtdia->Value = dosDigitos(today.day());
  txtmes->Value = dosDigitos(today.month());
  txtyear->Value = QString::number(today.year());
  CargaConfiguracionMail();
}

void TSolicitarVacaciones::buscaOpcion() { saldos->buscaOpcion(empresa); }
void TSolicitarVacaciones::CargaDiasSaldo() { saldos->CargaDiasSaldo(); }
void TSolicitarVacaciones::CargaConfiguracionMail() { correo.Carga(empresa); }

QString TSolicitarVacaciones::ObtenMaildeSupervisor() {
  return Text::ToText(AppData.oOperacion->ObtenMaildeSupervisor(AppData.Codigo));
}

void TSolicitarVacaciones::ActualizaUltimoControl() { teclado->ActualizaUltimoControl(); }

void TSolicitarVacaciones::txtNumeroClick() { teclado->Touch(QStringLiteral("Numero")); }
void TSolicitarVacaciones::txtdiaClick() {
  txtdia->lAutoSelect = true;
  teclado->Touch(QStringLiteral("Dia"));
}
void TSolicitarVacaciones::txtmesClick() { teclado->Touch(QStringLiteral("Mes")); }
void TSolicitarVacaciones::txtyearClick() { teclado->Touch(QStringLiteral("Año")); }

bool TSolicitarVacaciones::diaValido() {
  if (Text::Val(txtdia->Value()) <= 31) return true;
  MsgInfo(QStringLiteral("El día no es válido"));
  txtdia->Value = QString::number(QDate::currentDate().day());
  return false;
}

bool TSolicitarVacaciones::mesValido() {
  if (Text::Val(txtmes->Value()) <= 12) return true;
  MsgInfo(QStringLiteral("El mes no es válido"));
  txtmes->Value = QString::number(QDate::currentDate().month());
  return false;
}

void TSolicitarVacaciones::txtdiaExit() { diaValido(); }
void TSolicitarVacaciones::txtmesExit() { mesValido(); }

void TSolicitarVacaciones::txtNumeroExit() {
  if (saldos->Excede(Text::Val(txtNumero->Value()))) MsgInfo(kExcede);
}

// The keypad never takes the focus, so a field can be filled without being left: day and
// month are checked again here.
bool TSolicitarVacaciones::ValidaSolicitud() {
  if (Text::Val(txtyear->Value()) < 2010) {
    MsgInfo(QStringLiteral("Año no valido"));
    return false;
  }
  if (!diaValido() || !mesValido()) return false;
  if (txtNumero->Value().isEmpty()) {
    MsgInfo(QStringLiteral("Debe indicar el número de días a solicitar"));
    return false;
  }
  if (saldos->Excede(Text::Val(txtNumero->Value()))) {
    MsgInfo(kExcede);
    return false;
  }
  return true;
}

QString TSolicitarVacaciones::PlantillaSolicitud() {
  const QString firmas = TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("SolicitudConFirmas"));
  return firmas == u"Si" ? QStringLiteral("peSolicitudVacaciones.fr3") : QStringLiteral("peSolicitudVacacionesSF.fr3");
}

void TSolicitarVacaciones::btnImprimirClick() {
  if (!ValidaSolicitud()) return;
  if (PlantillaSolicitud() == u"peSolicitudVacaciones.fr3") GeneraConFirmas();
  else GeneraSolicitudVacaciones();
}

QString TSolicitarVacaciones::fecha() const {
  return AllTrim(txtdia->Value()) + u'/' + AllTrim(txtmes->Value()) + u'/' + AllTrim(txtyear->Value());
}

bool TSolicitarVacaciones::DatosFormato(std::shared_ptr<TQuery>* query, ReportVariables* variables) {
  if (AllTrim(txtNumero->Value()).isEmpty()) {
    MsgInfo(QStringLiteral("Debe indicar los dias a solicitar"));
    txtNumero->SetFocus();
    return false;
  }
  *query = std::make_shared<TQuery>(AppData.oAdo, QStringLiteral("GENERAL"),
                                    QStringLiteral(" exec peSolicitudVacaciones ") + StatementValues::Held(empresa) + u',' +
                                        StatementValues::Held(AppData.Codigo));
  // Without a balance layout there is no balance to print: it prints as 0.
  const double solicitados = Text::Val(txtNumero->Value());
  const double saldo = Text::Val(saldos->Disponibles());
  const QString quintara = QStringLiteral("Quintara");
  *variables = {
      {quintara, QStringLiteral("Empresa"), Text::Quoted(AppData.NombreEmpresa)},
      {quintara, QStringLiteral("Registro Patronal"), Text::Quoted(AppData.RegistroPatronalEmpresa)},
      {quintara, QStringLiteral("RFC"), Text::Quoted(AppData.RFCEmpresa)},
      {quintara, QStringLiteral("direccionEmpresa"), Text::Quoted(AppData.direccionEmpresa)},
      {quintara, QStringLiteral("entidadEmpresa"), Text::Quoted(AppData.entidadEmpresa)},
      {quintara, QStringLiteral("DiasSolicitar"), Text::Quoted(AllTrim(Text::Transform(solicitados, QStringLiteral("999999"))))},
      {quintara, QStringLiteral("Fecha"), Text::Quoted(fecha())},
      {quintara, QStringLiteral("DiasSaldo"), Text::Quoted(AllTrim(Text::Transform(saldo, QStringLiteral("999999.9"))))},
      {quintara, QStringLiteral("DiasDisponibles"),
       Text::Quoted(AllTrim(Text::Transform(saldo - solicitados, QStringLiteral("999999.9"))))},
      {QStringLiteral("ZELK"), QStringLiteral("Logo"), Text::Quoted(AllTrim(AppData.imagenLogo))},
  };
  return true;
}

void TSolicitarVacaciones::GeneraFormato(const QString& plantilla) {
  std::shared_ptr<TQuery> query;
  ReportVariables variables;
  if (!DatosFormato(&query, &variables) || query->Failed()) return;
  GeneraFastReports(plantilla, ReportSource(), datos(*query), false,
                    variables);
  query->Close();
}

QString TSolicitarVacaciones::textoCorreo() const {
  const QString numero = AppData.Codigo.section(u'.', 0, 0);
  return QStringLiteral("El trabajador ") + numero + QStringLiteral(" - ") + NombreEmpleado + u'\r' +
         QStringLiteral("Solicita ") + txtNumero->Value() + QStringLiteral(" día(s) de vacaciones") + u'\r' +
         QStringLiteral("a partir de la la fecha (dia/mes/año) ") + fecha() + u'\r' + u'\r' +
         QStringLiteral("Portal Empleado ZELK");
}

void TSolicitarVacaciones::btnEnviarClick() {
  if (!ValidaSolicitud()) return;
  TEnviaMail envio;
  envio.CargaConfiguracionMail(empresa);
  if (!envio.ValidaDatosServidor()) {
    MsgInfo(QStringLiteral("Faltan datos de configuración del mail de envío"));
    return;
  }
  envio.titulo = QStringLiteral("Solicitud de Vacaciones - Portal del Empleado");
  if (chkSupervisor->lChecked()) {
    const QString supervisor = ObtenMaildeSupervisor();
    if (!supervisor.isEmpty()) envio.correoDeSupervisor = supervisor;
  }
  const QString correoEmpleado = AppData.email;
  if (correoEmpleado.isEmpty()) {
    MsgInfo(QStringLiteral("Usted no tiene un correo electrónico registrado para el envío. ") + u'\r' +
            QStringLiteral(" Revisar con el departamento de Recursos Humanos."));
    return;
  }
  envio.correoDeEmpleado = correoEmpleado;
  envio.MailRecepcionRH = correo.MailRH;
  envio.TextoMail = textoCorreo();
  const bool enviado = envio.EnviaMail();
  if (enviado) MsgInfo(QStringLiteral("Proceso terminado"));
  else MsgInfo(MailToEmployee::kNoEnviado);
}
