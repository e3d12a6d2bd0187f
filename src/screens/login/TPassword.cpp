#include "screens/login/TPassword.h"

#include "app/AppData.h"
#include "data/Scramble.h"
#include "data/TDataSource.h"
#include "screens/shared/OnScreenKeyboard.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

TPassword::TPassword(QWidget* parent) : TSessionForm(parent) {}
TPassword::~TPassword() = default;

void TPassword::CreateForm() {
  SetBounds(202, 32, 1029, 732);
  SetClientSize(1013, 693);
  cText = QStringLiteral("Cambiar Password");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lParentIcon = false;
  oIcon = Application::Icon();
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  // The picture drawn for this screen's own key rectangles, so faces and keys line up.
  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(0, 0, 1006, 686);
  oImage1->oPicture = QStringLiteral("ImagenNuevoPassword");

  btnExit = TBtnBmp::New(oImage1, QStringLiteral("btnExit"));
  btnExit->SetBounds(884, 592, 90, 70);
  btnExit->lFlat = true;
  btnExit->OnClick = [this] { btnExitClick(); };

  oPanel1 = TPanel::New(oImage1, QStringLiteral("oPanel1"));
  oPanel1->SetBounds(92, 88, 794, 218);
  oPanel1->nClrPane = 16777215;  // the caption-text colour of the classic desktop: white
  oPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  oPanel1->setLineWidth(2);

  auto label = [this](const char* name, int x, int y, int w, int h, const QString& text, int size, int color) {
    TLabel* l = TLabel::New(oPanel1, QString::fromLatin1(name));
    l->SetBounds(x, y, w, h);
    l->cText = text;
    l->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), size);
    l->nClrText = color;
    l->lMultiline = false;
    return l;
  };
  label("oLabel4", 40, 23, 93, 25, QStringLiteral("Empleado:"), 14, 0);
  lblCodigo = label("lblCodigo", 144, 19, 97, 30, QStringLiteral("CODIGO"), 18, 8388608);
  lblCodigo->setMinimumWidth(97);
  label("oLabel5", 40, 64, 244, 25, QStringLiteral("Indique su nueva contraseña"), 14, 0);
  label("oLabel6", 40, 107, 159, 25, QStringLiteral("Nueva contraseña:"), 14, 0);
  label("oLabel3", 40, 155, 185, 25, QStringLiteral("Confirmar contraseña:"), 14, 0);

  auto edit = [this](const char* name, int y, void (TPassword::*click)()) {
    TEdit* e = TEdit::New(oPanel1, QString::fromLatin1(name));
    e->SetBounds(248, y, 246, 34);
    e->oFont = TFont::Create(QStringLiteral("Tahoma"), 18);
    e->lPassword = true;
    e->lNumeric = true;
    e->lAutoSelect = true;
    e->OnClick = [this, click] { (this->*click)(); };
    return e;
  };
  txtPassword = edit("txtPassword", 104, &TPassword::txtPasswordClick);
  txtConfirmar = edit("txtConfirmar", 152, &TPassword::txtConfirmarClick);

  btnGuardar = TBtnBmp::New(oPanel1, QStringLiteral("btnGuardar"));
  btnGuardar->SetBounds(508, 100, 170, 46);
  btnGuardar->cText = QStringLiteral("Guardar");
  btnGuardar->oBitmaps = QStringLiteral("correcto");
  btnGuardar->OnClick = [this] { btnGuardarClick(); };

  lblEtiquetaMayusculas = label("lblEtiquetaMayusculas", 512, 164, 178, 22, QString(), 14, 255);

  m_keys = std::make_unique<OnScreenKeyboard>(oImage1, QStringLiteral("TPassword"), lblEtiquetaMayusculas);
}

void TPassword::FormInitialize() {
  m_keys->SetLock(true);
  m_keys->SetActive(txtPassword);
  lblCodigo->cText = AppData.Codigo;
}

void TPassword::txtPasswordClick() { m_keys->SetActive(txtPassword); }
void TPassword::txtConfirmarClick() { m_keys->SetActive(txtConfirmar); }
void TPassword::btnExitClick() { Close(); }

void TPassword::btnGuardarClick() {
  const QString nueva = Text::AllTrim(txtPassword->Value());
  if (nueva != Text::AllTrim(txtConfirmar->Value())) {
    MsgInfo(QStringLiteral("Las contraseñas no coinciden."));
    return;
  }
  const bool saved = AppData.oAdo->Execute(QStringLiteral(" exec portalEmpleadoActualizaPassword ") +
                                           Text::Quoted(EncriptaPWD(nueva)) + u',' + AppData.Codigo + u',' + empresa);
  // The data source's alert has already told what failed; the window stays for another try.
  if (!saved) return;
  MsgInfo(QStringLiteral("Password guardado correctamente"));
  Close();
}
