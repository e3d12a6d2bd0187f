#include "screens/login/TRegistro.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>

#include "app/AppData.h"
#include "app/Startup.h"
#include "data/Scramble.h"
#include "data/TDataSource.h"
#include "data/clsConexion.h"
#include "data/clsUsuario.h"
#include "data/mdlConexion.h"
#include "data/mdlNomina.h"
#include "data/mdlOperacion.h"
#include "screens/admin/TAdministrador.h"
#include "screens/login/LoginThrottle.h"
#include "screens/menu/TPrincipal.h"
#include "screens/shared/OnScreenKeyboard.h"
#include "screens/shared/TempFiles.h"
#include "toolkit/Controls.h"
#include "toolkit/IdleLogout.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"
#include "update/TActualiza.h"

using Text::AllTrim;

const QStringList TRegistro::kSupersededScripts = {
    QStringLiteral("ActualDB/ActualizaPortalEmpleado1.sql"),
    QStringLiteral("ActualDB/ActualizaPortalEmpleado1_usuarios.sql"),
    QStringLiteral("ActualDB/ActualizaPortalEmpleadoConfigEmail.sql"),
    QStringLiteral("ActualDB/ActualizaPortalEmpleado2.sql"),
    QStringLiteral("ActualDB/ActualizaPortalEmpleado_01 Inicial.sql"),
    QStringLiteral("ActualDB/ActualizaPortalEmpleado_02 Procedures.sql"),
    QStringLiteral("ActualDB/ActualizaPortalEmpleado_02 ProceduresAut.sql"),
    QStringLiteral("ActualDB/ActualizaPortalEmpleado_02 ProceduresEcon.sql"),
    QStringLiteral("ActualDB/ActualizaPortalEmpleado_03 RH 1.sql"),
    QStringLiteral("ActualDB/ActualizaPortalEmpleado_04 RH 2.sql"),
    QStringLiteral("ActualDB/ActualizaPortalEmpleado_05 RH 3.sql"),
};

TRegistro::TRegistro(QWidget* parent) : TForm(parent) {}
TRegistro::~TRegistro() = default;

QString TRegistro::NuevaLlave() {
  return Text::PadL(QString::number(QRandomGenerator::global()->bounded(1, 100001)), 6);
}

void TRegistro::CreateForm() {
  SetBounds(247, 76, 1033, 737);
  SetClientSize(1017, 698);
  cText = QStringLiteral("Portal del Empleado - Última actualización: 26/01/2024");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  oBkgnd = QStringLiteral("ImagenLoginMayusculasNumeros");
  oIcon = Application::Icon();
  lParentIcon = false;
  lAppWindow = true;
  lCentered = true;
  lCloseBox = false;
  OnInitialize = [this] { FormInitialize(); };
  OnActivate = [this] { FormActivate(); };
  OnShow = [this] { FormShow(); };

  const QString tip = QStringLiteral(
      "Si es la primer vez que entra al sistema escriba como password su RFC incluyendo la homoclave.");
  txtEmpleado = TEdit::New(this, QStringLiteral("txtEmpleado"));
  txtEmpleado->SetBounds(380, 188, 210, 40);
  txtEmpleado->oFont = TFont::Create(QStringLiteral("Tahoma"), 18);
  txtEmpleado->cToolTip = tip;
  txtEmpleado->nMaxLength = 13;
  txtEmpleado->OnClick = [this] { txtEmpleadoClick(); };

  txtPassword = TEdit::New(this, QStringLiteral("txtPassword"));
  txtPassword->SetBounds(380, 260, 210, 40);
  txtPassword->oFont = TFont::Create(QStringLiteral("Tahoma"), 18);
  txtPassword->cToolTip = tip;
  txtPassword->lPassword = true;
  txtPassword->nMaxLength = 13;
  txtPassword->OnClick = [this] { txtPasswordClick(); };

  btnAceptar = TBtnBmp::New(this, QStringLiteral("btnAceptar"));
  btnAceptar->SetBounds(596, 188, 110, 70);
  btnAceptar->lFlat = true;
  btnAceptar->cToolTip = QStringLiteral("Presione el botpon Aceptar para cargar la información.");
  btnAceptar->OnClick = [this] { btnAceptarClick(); };

  oLabel1 = TLabel::New(this, QStringLiteral("oLabel1"));
  oLabel1->SetBounds(172, 104, 648, 65);
  oLabel1->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 10, 0, 700);
  oLabel1->lMultiline = true;
  oLabel1->cText = QStringLiteral(
      "Ingrese su CODIGO DE EMPLEADO y su CONTRASEÑA para entrar al Portal del Empleado.\r\n\r\n"
      "Si es la primera vez, la contraseña es su RFC con homoclave, en mayúsculas y sin espacion. "
      "Una vez dentro del portal, se recomienda cambiar su contraseña inmediatamente.");

  lblEtiquetaMayusculas = TLabel::New(this, QStringLiteral("lblEtiquetaMayusculas"));
  lblEtiquetaMayusculas->SetBounds(596, 272, 206, 26);
  lblEtiquetaMayusculas->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 12, 0, 700);
  lblEtiquetaMayusculas->nClrText = 255;

  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(892, 598, 74, 78);
  btnSalir->lFlat = true;
  btnSalir->OnClick = [this] { btnSalirClick(); };

  m_keys = std::make_unique<OnScreenKeyboard>(this, QStringLiteral("TRegistro"), lblEtiquetaMayusculas);

  m_espera = new QTimer(this);
  m_espera->setInterval(1000);
  connect(m_espera, &QTimer::timeout, this, [this] { ActualizaEspera(); });
}

void TRegistro::FormInitialize() {
  AppData.oConexion = std::make_shared<mdlConexion>();
  AppData.oNomina = std::make_shared<mdlNomina>();
  AppData.oOperacion = std::make_shared<mdlOperacion>();

  for (const QString& script : kSupersededScripts) QFile::remove(script);
  // Temporary files and mail folders that a crash may have left (at start and after logout).
  TempFiles::Delete();

  const TIni ini(QStringLiteral("config.ini"));
  if (ini.GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("SalirActivado")).isEmpty())
    ini.SetEntry(QStringLiteral("VARIABLES"), QStringLiteral("SalirActivado"), QStringLiteral("Si"));
  btnSalir->lEnabled = ini.GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("SalirActivado")) == u"Si";

  AppData.oLlaveTemporal = NuevaLlave();
  AppData.Historial = ini.GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Historial")) == u"Si";

  m_keys->SetLock(true);
  m_keys->SetActive(txtEmpleado);

  IdleLogout::SetHome(this, [this] { LimpiaCaptura(); },
                      [this] { return !txtEmpleado->Value().isEmpty() || !txtPassword->Value().isEmpty(); });
  txtEmpleado->OnChange = [this] { ActualizaEspera(); };
  ActualizaEspera();
}

void TRegistro::FormShow() {
  if (m_preparado) return;
  // Let the window appear before the connection and the update hold the thread.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  PortalLoginPainted();
  Prepara();
}

void TRegistro::Prepara() {
  if (m_preparado) return;
  m_preparado = true;
  abreConexion();
  // Pending update scripts are applied now; their window shows only while one runs.
  TActualiza::AlIniciar();
}

void TRegistro::LimpiaCaptura() {
  txtEmpleado->Value = QString();
  txtPassword->Value = QString();
  m_keys->SetActive(txtEmpleado);
  ActualizaEspera();
}

void TRegistro::ActualizaEspera() {
  const int left = LoginThrottle::Terminal().SecondsLeft(LoginThrottle::KeyOf(txtEmpleado->Value()));
  if (left > 0) {
    // A raised face over the pictured key, so that the countdown reads clearly.
    btnAceptar->lFlat = false;
    btnAceptar->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 12, 0, 700);
    QPalette colours = btnAceptar->palette();
    colours.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(160, 0, 0));
    btnAceptar->setPalette(colours);
    btnAceptar->cText = QStringLiteral("Espere\n%1 s").arg(left);
    btnAceptar->lEnabled = false;
    if (!m_espera->isActive()) m_espera->start();
    return;
  }
  m_espera->stop();
  btnAceptar->setFont(QFont());
  btnAceptar->setPalette(QPalette());
  btnAceptar->lFlat = true;
  btnAceptar->cText = QString();
  btnAceptar->lEnabled = true;
}

void TRegistro::abreConexion() {
  mdlConexion& c = *AppData.oConexion;
  const TIni ini(QStringLiteral("config.ini"));
  c.cServidor = ini.GetEntry(QStringLiteral("Config"), QStringLiteral("Server"), QString());
  c.cBaseDeDatos = ini.GetEntry(QStringLiteral("Config"), QStringLiteral("BD"), QString());
  c.cUsuario = ini.GetEntry(QStringLiteral("Config"), QStringLiteral("ID"), QString());
  c.cPassword = ini.GetEntry(QStringLiteral("Config"), QStringLiteral("PWD"), QString());
  c.lAutowin = ini.GetEntry(QStringLiteral("Config"), QStringLiteral("AutoWin"));
  AppData.CDATABASE = c.cBaseDeDatos;
  AppData.oAdo = c.Conecta();
}

void TRegistro::FormActivate() {
  m_keys->SetLock(true);
  if (AppData.UsuarioGet.isEmpty()) lCloseBox = false;
}

void TRegistro::txtEmpleadoClick() { m_keys->SetActive(txtEmpleado); }
void TRegistro::txtPasswordClick() { m_keys->SetActive(txtPassword); }
void TRegistro::btnSalirClick() { Close(); }

void TRegistro::btnAceptarClick() {
  if (AllTrim(txtEmpleado->Value()).isEmpty()) {
    MsgInfo(QStringLiteral("Debe indicar código del empleado"));
    return;
  }
  if (AllTrim(txtPassword->Value()).isEmpty()) {
    MsgInfo(QStringLiteral(" Debe indicar el password del empleado, \r si es la primera vez que entra al sistema digite su RFC."));
    return;
  }
  Prepara();
  // Repeated failures for this number make the next attempt wait; nothing is asked meanwhile.
  LoginThrottle& throttle = LoginThrottle::Terminal();
  const QString key = LoginThrottle::KeyOf(txtEmpleado->Value());
  if (throttle.SecondsLeft(key) > 0) {
    ActualizaEspera();
    return;
  }
  CNX = clsConexion::New();

  const QString typed = txtEmpleado->Value();
  if (typed == u"Administrador" || typed == u"administrador") {
    if (ValidaAdministrador()) throttle.Succeeded(key);
    else throttle.Failed(key);
    Close();
    return;
  }
  if (Text::Val(typed) == 0) {
    MsgInfo(QStringLiteral("El codigo de empleado debe ser numerico"));
    return;
  }
  if (!ValidaEmpleado()) {
    throttle.Failed(key);
    MsgInfo(QStringLiteral("Usuario o contraseña Invalida."));
    AppData.oLlaveTemporal = NuevaLlave();
    ActualizaEspera();
    return;
  }
  throttle.Succeeded(key);
  auto* menu = TForm::New<TPrincipal>(nullptr, [this](TPrincipal& m) {
    m.CNX = CNX;
    m.empresa = empresa;
  });
  menu->Show();
  Close();
}

bool TRegistro::ValidaEmpleado() {
  const QString password = AllTrim(txtPassword->Value());
  // The employee number goes into the statement bare: only digits may reach it.
  const QString numero = AllTrim(txtEmpleado->Value());
  for (QChar c : numero)
    if (c < u'0' || c > u'9') return false;
  const Rows rows = AppData.oOperacion->peValidaEntrada(numero, EncriptaPWD(password));
  if (rows.isEmpty()) return false;
  const Row& r = rows.row(1);
  if (Text::ToText(r.col(4)).startsWith(QStringLiteral("No Existe"))) return false;

  empresa = Text::Transform(Text::Val(r.col(1)), QStringLiteral("99999999"));
  AppData.Empresa = empresa;
  AppData.RegistroPatronalEmpresa = Text::ToText(r.col(2));
  AppData.Codigo = Text::PadL(AllTrim(Text::ToText(r.col(3))), 10);
  AppData.NombreEmpresa = Text::ToText(r.col(4));
  AppData.oPassword = EncriptaPWD(password);
  AppData.Afiliacion = Text::ToText(r.col(6));
  AppData.NombreTrabajador = Text::ToText(r.col(8));
  AppData.email = Text::ToText(r.col(9));
  // A fixed-width column pads the stored password with blanks that are not part of it.
  QString expected = Text::RTrim(Text::ToText(r.col(5)));

  if (!ValidaPasswordNulo()) expected = Desencripta(expected);

  AppData.oAdo->Execute(QStringLiteral(" exec PortalPatronInsertaEmpresasSeleccionadas ") + AppData.oLlaveTemporal +
                        u',' + empresa);
  return expected == password;
}

bool TRegistro::ValidaPasswordNulo() {
  const Rows rows = AppData.oOperacion->peValidaPasswordNulo(AppData.Codigo, empresa);
  return rows.isEmpty() || AllTrim(Text::ToText(rows.row(1).col(1))).isEmpty();
}

bool TRegistro::ValidaAdministrador() {
  objUsuario = clsUsuario::New();
  objUsuario->SetUsuario(txtEmpleado->Value());
  objUsuario->SetPwd(txtPassword->Value());
  if (!objUsuario->Login()) {
    MsgInfo(QStringLiteral("El usuario o la contraseña del administrador no es correcto"));
    return false;
  }
  auto* admin = TForm::New<TAdministrador>(nullptr, [this](TAdministrador& a) {
    a.CNX = CNX;
    a.empresa = empresa;
  });
  admin->Show();
  return true;
}
