#include "screens/requests/TSolicitarDetalle.h"

#include <QRegularExpression>

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/StatementValues.h"
#include "screens/shared/AvisoSolicitud.h"
#include "screens/shared/TiposSolicitud.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

void TSolicitarDetalle::CreateForm() {
  SetBounds(543, 314, 450, 235);
  SetClientSize(434, 196);
  cText = QStringLiteral("Solicitar");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(8, 4, 414, 126);
  auto label = [this](const char* name, int x, int y, int w, int h, const QString& text) {
    TLabel* l = TLabel::New(oGroupBox1, QString::fromLatin1(name));
    l->SetBounds(x, y, w, h);
    l->lMultiline = false;  // one line, widened to its text
    l->cText = text;
    return l;
  };
  lblDiasSolicitados = label("lblDiasSolicitados", 22, 27, 76, 14, QStringLiteral("Días solicitados"));
  txtDiasSolicitados = TMaskEdit::New(oGroupBox1, QStringLiteral("txtDiasSolicitados"));
  txtDiasSolicitados->SetBounds(118, 22, 62, 22);
  txtDiasSolicitados->cPicture = QStringLiteral("99999");
  txtDiasSolicitados->nMaxLength = 5;
  txtDiasSolicitados->nAlignment = 2;
  lblimporte = label("lblimporte", 22, 27, 88, 14, QStringLiteral("Importe solicitados"));
  txtImporteSolicitado = TMaskEdit::New(oGroupBox1, QStringLiteral("txtImporteSolicitado"));
  txtImporteSolicitado->SetBounds(118, 22, 90, 22);
  txtImporteSolicitado->cPicture = QStringLiteral("9,999,999,999.99");
  txtImporteSolicitado->nMaxLength = 16;
  txtImporteSolicitado->nAlignment = 2;
  oLabel2 = label("oLabel2", 22, 57, 89, 14, QStringLiteral("Motivo de solicitud"));
  txtMotivo = TMaskEdit::New(oGroupBox1, QStringLiteral("txtMotivo"));
  txtMotivo->SetBounds(118, 54, 274, 20);
  txtMotivo->nMaxLength = kMaxMotivo;
  oLabel3 = label("oLabel3", 22, 87, 175, 14, QStringLiteral("Fecha de inicio de los días a solicitar"));
  dtpFechaSolicitud = TDatePicker::New(oGroupBox1, QStringLiteral("dtpFechaSolicitud"));
  dtpFechaSolicitud->SetBounds(210, 84, 90, 20);

  auto button = [this](TBtnBmp*& b, const char* name, int x, const QString& text, const char* picture) {
    b = TBtnBmp::New(this, QString::fromLatin1(name));
    b->SetBounds(x, 144, 110, 42);
    b->cText = text;
    b->oBitmaps = QString::fromLatin1(picture);
  };
  button(btnGuardar, "btnGuardar", 108, QStringLiteral("Guardar"), "correcto");
  btnGuardar->OnClick = [this] { btnGuardarClick(); };
  button(btnSalir, "btnSalir", 240, QStringLiteral("Salir"), "salir");
  btnSalir->OnClick = [this] { Close(); };
}

void TSolicitarDetalle::FormInitialize() { Limpia(); }

void TSolicitarDetalle::Limpia() {
  txtImporteSolicitado->Value = QStringLiteral("0");
  txtDiasSolicitados->Value = QStringLiteral("0");
  txtMotivo->Value = QString();
  dtpFechaSolicitud->dValue = QDate::currentDate();
  const bool dias = TiposSolicitud::EsDeDias(tipoSolicitud);
  lblDiasSolicitados->lVisible = dias;
  txtDiasSolicitados->lVisible = dias;
  lblimporte->lVisible = !dias;
  txtImporteSolicitado->lVisible = !dias;
}

void TSolicitarDetalle::btnGuardarClick() {
  if (ValidaRequeridos()) Guarda();
}

QString TSolicitarDetalle::ImportePlano(const QString& texto) {
  QString t = AllTrim(texto);
  t.remove(u',');
  if (t.isEmpty()) return QStringLiteral("0");
  static const QRegularExpression numero(QStringLiteral("^-?(\\d+\\.?\\d*|\\.\\d+)$"));
  if (!numero.match(t).hasMatch()) return QString();
  return QString::number(t.toDouble(), 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

std::optional<int> TSolicitarDetalle::DiasEnteros(const QString& texto) {
  const QString t = AllTrim(texto);
  if (t.isEmpty()) return 0;
  static const QRegularExpression entero(QStringLiteral("^-?\\d{1,9}$"));
  if (!entero.match(t).hasMatch()) return std::nullopt;
  return t.toInt();
}

bool TSolicitarDetalle::ValidaRequeridos() {
  if (tipoSolicitud == TiposSolicitud::Prestamos) {
    const QString importe = ImportePlano(txtImporteSolicitado->Value());
    // Letters, a negative or a zero amount: no amount was given.
    if (importe.isEmpty() || importe.toDouble() <= 0) {
      MsgInfo(QStringLiteral("Por favor indica el importe"));
      return false;
    }
  } else {
    const std::optional<int> dias = DiasEnteros(txtDiasSolicitados->Value());
    if (!dias || *dias <= 0) {
      MsgInfo(QStringLiteral("Por favor indica los días a solicitar"));
      return false;
    }
    if (tipoSolicitud == TiposSolicitud::Vacaciones) {
      const QString maximo = AllTrim(ToText(DiasMaximosASolicitar));
      if (*dias > Text::Val(maximo)) {
        MsgInfo(QStringLiteral("No se pueden solicitar mas días de los permitidos en tu saldo:") + maximo);
        return false;
      }
    }
  }
  const QString motivo = AllTrim(txtMotivo->Value());
  if (motivo.isEmpty()) {
    MsgInfo(QStringLiteral("Por favor indica el motivo de tu solicitud"));
    return false;
  }
  if (motivo.size() > kMaxMotivo) {
    MsgInfo(QStringLiteral("El motivo de tu solicitud no puede pasar de %1 caracteres; tiene %2.")
                .arg(kMaxMotivo)
                .arg(motivo.size()));
    return false;
  }
  return true;
}

void TSolicitarDetalle::Guarda() {
  const bool dias = TiposSolicitud::EsDeDias(tipoSolicitud);
  const QString diasTexto = dias ? QString::number(*DiasEnteros(txtDiasSolicitados->Value())) : QStringLiteral("0");
  const QString importe = dias ? QStringLiteral("0") : ImportePlano(txtImporteSolicitado->Value());
  const QString statement =
      QStringLiteral(" exec dbo.PortalEmpleado_AgregaSolicitudVPA  @empresa=") + StatementValues::Held(empresa) +
      QStringLiteral(",  @codigo=") + StatementValues::Held(AppData.Codigo) + QStringLiteral(", @fecha='") +
      Text::DToS(dtpFechaSolicitud->dValue()) +
      QStringLiteral("', @dias=") + diasTexto + QStringLiteral(", @fechaReal='") + Text::DToS(QDate::currentDate()) +
      QStringLiteral("', @causa=") + Text::Quoted(txtMotivo->Value()) + QStringLiteral(", @importe=") + importe +
      QStringLiteral(", @tipoSol=") + QString::number(tipoSolicitud);
  const Rows rows = ResultShapes::RowsOf(statement);
  if (rows.isEmpty()) {
    Close();
    return;
  }
  const Row& r = rows.row(1);
  const QString mensaje = ToText(r.col(4));
  if (!AllTrim(ToText(r.col(3))).startsWith(u'S')) {
    MsgInfo(mensaje);  // refused: the entries stay for another try
    return;
  }
  if (AllTrim(ToText(AppData.gsEnviaSolicitudCorreo)).startsWith(u'1')) {
    const QString resultado =
        AvisoSolicitud::GeneraSol(r.col(6), true, r.col(7), 1, 1, AvisoSolicitud::Variante::Solicitud());
    if (AvisoSolicitud::Exito(resultado))
      MsgInfo(QStringLiteral("Soliciud guardada y correo(s) electrónico(s) enviado."));
    else
      MsgInfo(QStringLiteral("Solicitud guardada, pero el correo electrónico no pudo ser enviado."));
  } else {
    MsgInfo(mensaje);
  }
  Close();
}
