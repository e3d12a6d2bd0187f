// A request's whole road on the demo database: the employee files it (the first approver is
// mailed the form), each approver finds it pending and authorizes it (the next approver is
// mailed) or rejects it (the employee is mailed), and the employee follows its progress.
#include <QDate>

#include "support/BuildPaths.h"
#include "RequestsFixture.h"
#include "screens/requests/TAutorizaciones.h"
#include "screens/requests/TMotivoRechazo.h"
#include "screens/requests/TSolicitarDetalle.h"
#include "screens/requests/TSolicitudes.h"
#include "screens/shared/BalancePanels.h"
#include "screens/shared/TiposSolicitud.h"

using namespace Requests;
using Text::ToText;

namespace {

QString lineas(QString s) {
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  return s.trimmed();
}

QString hoy() { return Text::DToS(QDate::currentDate()); }

// The employee's newest request.
qlonglong ultimaSolicitud(Portal& p) {
  return static_cast<qlonglong>(Text::Val(p.Filas("SELECT max(id) FROM PortalEmpleadoSolicitud WHERE empresa = 1 AND codigo = 5")
                                              .value(0)
                                              .col(1)));
}

// What the employee types on the entry screen.
struct Entrada {
  QString dias, importe, motivo;
  int adelanto;  // days from today to the start date
};

// Fills the entry screen and saves; the window closes when the request was filed.
void presenta(TSolicitarDetalle& d, const Entrada& e) {
  if (!e.dias.isEmpty()) d.txtDiasSolicitados->Value = e.dias;
  if (!e.importe.isEmpty()) d.txtImporteSolicitado->Value = e.importe;
  d.txtMotivo->Value = e.motivo;
  d.dtpFechaSolicitud->dValue = QDate::currentDate().addDays(e.adelanto);
  d.btnGuardar->Press();
}

// An approver's decision on the authorization screen: authorize, or reject with `motivo`.
void decide(Portal& p, TAutorizaciones& a, int tipo, qlonglong id, int paso, bool autoriza, const QString& motivo) {
  a.cmbTipoSolicitud->cText = TiposSolicitud::Nombre(tipo);
  a.btnBuscar->Press();
  ASSERT_GT(Selecciona(a.arregloDAtos, id), 0) << "request " << id << " not pending for " << AppData.Codigo.toStdString();
  const Row fila = a.arregloDAtos->CurrentRow();
  Portal::Mira(&a, QStringLiteral("autorizaciones"));
  EXPECT_EQ(ToText(fila.col(1)), TiposSolicitud::IdTexto(id));
  EXPECT_EQ(ToText(fila.col(3)), kAnaNombre);
  EXPECT_EQ(Text::Val(fila.col(8)), paso);
  EXPECT_EQ(a.arregloDAtos->Column(5)->lHide(), tipo == TiposSolicitud::Prestamos);
  EXPECT_EQ(a.arregloDAtos->Column(6)->lHide(), tipo != TiposSolicitud::Prestamos);
  StatementJournal::Clear();
  if (autoriza) {
    a.btnAutorizar->Press();
  } else {
    TForm::SetModalHook([&](TForm& f) {
      auto* m = qobject_cast<TMotivoRechazo*>(&f);
      ASSERT_NE(m, nullptr);
      EXPECT_EQ(m->idSolicitud, TiposSolicitud::IdTexto(id));
      EXPECT_EQ(m->fechaSolicitud, ToText(fila.col(4)));
      m->txtMotivoRechazo->Value = motivo;
      Portal::Mira(m, QStringLiteral("motivo-rechazo"));
      m->btnGuardar->Press();
      EXPECT_TRUE(m->guardado);
    });
    a.btnRechazar->Press();
    TForm::SetModalHook(nullptr);
  }
  const QString valor = autoriza ? QStringLiteral("'S',''") : QStringLiteral("'N',") + Text::Quoted(motivo);
  EXPECT_EQ(Portal::Enviadas(QStringLiteral("ModificaEstatus")),
            QStringList{"EXEC dbo.PortalEmpleado_ModificaEstatus " + TiposSolicitud::IdTexto(id) + "," +
                        QString::number(paso) + "," + valor});
  // Decided: it leaves this approver's list.
  EXPECT_EQ(Selecciona(a.arregloDAtos, id), 0);
  Q_UNUSED(p);
}

struct Recorrido {
  const char* nombre;
  int tipo;
  Entrada entrada;
  QString statementDias, statementImporte;  // as they reach @dias and @importe
  QList<int> aprobadores;                    // the first authorizes, the second rejects
  QString asunto, prefijo, titulo, cifra;    // mail subject, file prefix, form title, a figure of the form
};

const QString kActualizada = QStringLiteral("Solicitud actualizada correctamente");
const QString kRechazo = QStringLiteral("Rechazo guardado. Ya se ha enviado la notificacion al trabajador");

// Files through the entry screen, authorizes at step 1, rejects at step 2; checks every
// statement, message and mail on the way.
void recorre(Portal& p, const Recorrido& r, const std::function<void(const Entrada&)>& filing) {
  SCOPED_TRACE(r.nombre);
  const QString correoAna = p.Correo(kAna);
  const QString primero = p.Correo(QString::number(r.aprobadores[0]));
  const QString segundo = p.Correo(QString::number(r.aprobadores[1]));
  const qlonglong antes = ultimaSolicitud(p);
  const auto enviados = p.smtp.messages().size();

  filing(r.entrada);
  EXPECT_EQ(MsgSeam::Texts(), QStringList{kGuardada});
  const QString fecha = Text::DToS(QDate::currentDate().addDays(r.entrada.adelanto));
  EXPECT_EQ(Portal::Enviadas(QStringLiteral("AgregaSolicitudVPA")),
            QStringList{" exec dbo.PortalEmpleado_AgregaSolicitudVPA  @empresa=" + p.menu->empresa + ",  @codigo=" +
                        AppData.Codigo + ", @fecha='" + fecha + "', @dias=" + r.statementDias + ", @fechaReal='" + hoy() +
                        "', @causa=" + Text::Quoted(r.entrada.motivo) + ", @importe=" + r.statementImporte +
                        ", @tipoSol=" + QString::number(r.tipo)});
  const qlonglong id = ultimaSolicitud(p);
  ASSERT_GT(id, antes);

  // The first approver is told, with the form attached; the employee gets the same mail.
  auto mensajes = p.smtp.messages();
  ASSERT_EQ(mensajes.size(), enviados + 1);
  const auto& aviso = mensajes.last();
  EXPECT_EQ(aviso.subject, r.asunto);
  EXPECT_EQ(aviso.rcptTos, (QStringList{correoAna, primero}));
  EXPECT_EQ(lineas(aviso.body), r.asunto + " Empleado: " + kAnaNombre + "\n\n Para autorización entrar al portal del empleado.");
  ASSERT_EQ(aviso.attachments.size(), 1);
  EXPECT_EQ(aviso.attachments[0].fileName, r.prefijo + kAna + ".PDF");
  const QString forma = PdfText(aviso.attachments[0].bytes);
  QFile copia(BuildPaths::Binary(QStringLiteral("/screens/aviso-")) + r.prefijo + QStringLiteral(".pdf"));
  if (QDir().mkpath(BuildPaths::Binary(QStringLiteral("/screens"))) && copia.open(QIODevice::WriteOnly))
    copia.write(aviso.attachments[0].bytes);  // kept for people to look at
  copia.close();
  EXPECT_TRUE(forma.contains(r.titulo)) << forma.toStdString();
  EXPECT_TRUE(forma.contains(r.entrada.motivo)) << forma.toStdString();
  EXPECT_TRUE(forma.contains(r.cifra)) << forma.toStdString();
  EXPECT_TRUE(forma.contains(kAnaNombre)) << forma.toStdString();

  // The first approver authorizes; the second is told.
  p.Entra(Aprobador(r.aprobadores[0]));
  const QString autoriza = AppData.NombreTrabajador;
  auto* a = p.Abre<TAutorizaciones>();
  decide(p, *a, r.tipo, id, 1, true, QString());
  EXPECT_EQ(MsgSeam::Texts(), QStringList{kActualizada});
  mensajes = p.smtp.messages();
  ASSERT_EQ(mensajes.size(), enviados + 2);
  const auto& siguiente = mensajes.last();
  EXPECT_EQ(siguiente.subject, r.asunto);
  EXPECT_EQ(siguiente.rcptTos, (QStringList{correoAna, segundo}));
  EXPECT_EQ(lineas(siguiente.body), r.asunto + " Empleado: " + kAnaNombre + "\n\n" + autoriza +
                                        " ha autorizado su solicitud. \n\nLa solicitud continua con el proceso.\n\nZELK SISTEMAS");
  ASSERT_EQ(siguiente.attachments.size(), 1);
  EXPECT_EQ(siguiente.attachments[0].fileName, r.prefijo + QString::number(r.aprobadores[0]) + ".PDF");
  EXPECT_TRUE(PdfText(siguiente.attachments[0].bytes).contains(r.entrada.motivo));
  a->Close();

  // The second approver rejects with a reason that holds a quote; the employee is told.
  p.Entra(Aprobador(r.aprobadores[1]));
  a = p.Abre<TAutorizaciones>();
  const QString motivo = QStringLiteral("No hay quien cubra el 'cierre' de mes");
  const QString inicio = QDate::currentDate().addDays(r.entrada.adelanto).toString(u"dd/MM/yyyy");
  decide(p, *a, r.tipo, id, 2, false, motivo);
  EXPECT_EQ(MsgSeam::Texts(), QStringList{kRechazo});
  mensajes = p.smtp.messages();
  ASSERT_EQ(mensajes.size(), enviados + 3);
  const auto& rechazo = mensajes.last();
  const QString mailAna = ToText(p.Filas("select mail from empleados where empresa= 1 and codigo=5").value(0).col(1));
  EXPECT_EQ(rechazo.subject, QStringLiteral("Solicitud Vacaciones"));
  EXPECT_EQ(rechazo.rcptTos, (QStringList{mailAna, kRh}));
  EXPECT_EQ(lineas(rechazo.body), "Solicitud Vacaciones Empleado: " + kAnaNombre + "\n\nSu solicitud de vacaciones del día " +
                                      inicio + " ha sido rechazada.\n\nZELK SISTEMAS");
  EXPECT_TRUE(rechazo.attachments.isEmpty());
  a->Close();

  // Its progress: authorized, then rejected with the reason as typed; no longer open.
  const Rows progreso = p.Filas("EXEC dbo.PortaEmpleado_ProgresoSolicitud " + QString::number(id));
  ASSERT_GE(progreso.size(), 2);
  EXPECT_EQ(TSolicitudes::ImagenEstatus(progreso.row(1).col(1)), 2);
  EXPECT_EQ(TSolicitudes::ImagenEstatus(progreso.row(2).col(1)), 3);
  EXPECT_TRUE(ToText(progreso.row(2).col(2)).endsWith(motivo));
  for (const Row& abierta : p.Filas("EXEC dbo.PortaEmpleado_ListadoSolicitudes 1,5," + QString::number(r.tipo)))
    EXPECT_NE(static_cast<qlonglong>(Text::Val(abierta.col(2))), id);

  // The form files went with their folders.
  const QStringList restos = QDir(p.terminal.path()).entryList({QStringLiteral("TEMP*")}, QDir::AllEntries | QDir::NoDotAndDotDot);
  EXPECT_TRUE(restos.isEmpty()) << restos.join(' ').toStdString();
}

}  // namespace

class RequestJourney : public OnBothDbPaths {};

TEST_P(RequestJourney, VacationFiledFromTheMenuAuthorizedThenRejected) {
  Portal p;
  ASSERT_TRUE(p.started) << p.smtp.errorString().toStdString();
  ASSERT_NE(p.Entra(kAna, kAnaClave), nullptr);
  const Recorrido r{"vacaciones", TiposSolicitud::Vacaciones, {"2", "", "Boda de mi hermana en Oaxaca", 20}, "2", "0",
                    {3, 1}, "Solicitud Vacaciones", "SolicitudVac", "Solicitud de Vacaciones", "A partir del día"};
  QStringList abiertasAntes, abiertasDespues;
  QString disponibles;
  bool visto = false;
  // The employee files from the requests screen opened on the menu.
  recorre(p, r, [&](const Entrada& e) {
    TForm::SetModalHook([&](TForm& f) {
      if (auto* s = qobject_cast<TSolicitudes*>(&f)) {
        visto = true;
        EXPECT_EQ(s->cmbTipoSolicitud->aItems(), QStringList{"VACACIONES"});
        EXPECT_TRUE(s->saldos->Activa());
        disponibles = s->saldos->Disponibles();
        EXPECT_GE(Text::Val(disponibles), 2) << disponibles.toStdString();
        abiertasAntes = s->cmbSolicitudes->aItems();
        Portal::Mira(s, QStringLiteral("solicitudes"));
        s->btnNueva->Press();
        abiertasDespues = s->cmbSolicitudes->aItems();
        s->Close();
      } else if (auto* d = qobject_cast<TSolicitarDetalle*>(&f)) {
        EXPECT_EQ(d->tipoSolicitud, 1);
        EXPECT_EQ(ToText(d->DiasMaximosASolicitar), disponibles);
        EXPECT_TRUE(d->txtDiasSolicitados->lVisible());
        EXPECT_FALSE(d->txtImporteSolicitado->lVisible());
        presenta(*d, e);
        Portal::Mira(d, QStringLiteral("solicitar"));
        EXPECT_FALSE(d->isVisible());
      }
    });
    p.menu->btnSolicitudes->Press();
    TForm::SetModalHook(nullptr);
  });
  EXPECT_TRUE(visto);
  // The new request joined the open list: "<id> - <start date>".
  ASSERT_EQ(abiertasDespues.size(), abiertasAntes.size() + 1);
  EXPECT_TRUE(abiertasDespues.last().endsWith(" - " + QDate::currentDate().addDays(20).toString(u"dd/MM/yyyy")));
}

TEST_P(RequestJourney, EmployeeFollowsTheProgressBetweenTwoDecisions) {
  Portal p;
  ASSERT_TRUE(p.started);
  p.Entra(kAna, kAnaClave);
  auto* s = p.Abre<TSolicitudes>();
  TForm::SetModalHook([](TForm& f) {
    if (auto* d = qobject_cast<TSolicitarDetalle*>(&f)) presenta(*d, {"1", "", "Trámite en el SAT", 9});
  });
  s->btnNueva->Press();
  TForm::SetModalHook(nullptr);
  const qlonglong id = ultimaSolicitud(p);
  s->Close();

  p.Entra(Aprobador(3));
  auto* a = p.Abre<TAutorizaciones>();
  decide(p, *a, 1, id, 1, true, QString());
  a->Close();

  p.Entra(kAna, kAnaClave);
  s = p.Abre<TSolicitudes>();
  const QStringList items = s->cmbSolicitudes->aItems();
  const qsizetype at = items.indexOf(QString::number(id) + " - " + QDate::currentDate().addDays(9).toString(u"dd/MM/yyyy"));
  ASSERT_GE(at, 0) << items.join('|').toStdString();
  EXPECT_EQ(s->cmbSolicitudes->nIndex(), 0);
  s->cmbSolicitudes->UserSelect(static_cast<int>(at) + 1);
  EXPECT_EQ(s->txtDiasSolicitados->Value(), "1");
  EXPECT_EQ(s->txtMotivo->Value(), "Trámite en el SAT");
  EXPECT_TRUE(s->txtEstatus->Value().startsWith("PENDIENTE")) << s->txtEstatus->Value().toStdString();
  QList<int> imagenes;
  for (const Row& r : s->arregloProgreso->aArrayData()) imagenes << static_cast<int>(Text::Val(r.col(1)));
  EXPECT_EQ(imagenes, (QList<int>{2, 4}));  // authorized, then pending
  Portal::Mira(s, QStringLiteral("solicitudes-progreso"));

  // Cancelling ends it: it leaves the list, nothing is selected, the detail stays.
  StatementJournal::Clear();
  s->btnBorrar->Press();
  EXPECT_EQ(Portal::Enviadas("ModificaEstatus"),
            QStringList{"EXEC dbo.PortalEmpleado_ModificaEstatus " + QString::number(id) + " ,1,'N','CANCELADA POR EL USUARIO'"});
  EXPECT_EQ(MsgSeam::Texts(), QStringList{"Solicitud cancelada"});
  EXPECT_EQ(s->cmbSolicitudes->aItems().indexOf(items[at]), -1);
  EXPECT_EQ(s->cmbSolicitudes->nIndex(), 0);
  EXPECT_EQ(s->txtMotivo->Value(), "Trámite en el SAT");
  EXPECT_EQ(s->arregloProgreso->Len(), 2);
  const Rows progreso = p.Filas("EXEC dbo.PortaEmpleado_ProgresoSolicitud " + QString::number(id));
  EXPECT_EQ(ToText(progreso.row(2).col(1)), "RECHAZADA");
  EXPECT_TRUE(ToText(progreso.row(2).col(2)).endsWith("CANCELADA POR EL USUARIO"));
  s->Close();
}

TEST_P(RequestJourney, LeaveAndLoanTakeTheSameRoad) {
  const Recorrido casos[] = {
      {"permiso", TiposSolicitud::Permisos, {"3", "", "Cirugía de mi madre", 4}, "3", "0", {3, 6}, "Solicitud Permiso",
       "SolicitudPermiso", "Solicitud de Permisos", "Permiso"},
      {"préstamo", TiposSolicitud::Prestamos, {"", "15,000.50", "Gastos médicos", 0}, "0", "15000.5", {6, 2},
       "Solicitud Prestamo", "SolicitudPrestamo", "Solicitud de Préstamos", "15,000.50"},
  };
  for (const Recorrido& r : casos) {
    Portal p;
    ASSERT_TRUE(p.started);
    p.Entra(kAna, kAnaClave);
    recorre(p, r, [&](const Entrada& e) {
      // The requests screen opens the entry with its type; the entry screen itself is the same.
      auto* d = TForm::New<TSolicitarDetalle>(p.menu, [&](TSolicitarDetalle& s) {
        s.empresa = p.menu->empresa;
        s.tipoSolicitud = r.tipo;
        s.DiasMaximosASolicitar = 0;  // leave and loans are not held to the vacation balance
      });
      EXPECT_EQ(d->txtImporteSolicitado->lVisible(), r.tipo == TiposSolicitud::Prestamos);
      d->Show();
      d->txtImporteSolicitado->Value = e.importe;
      Portal::Mira(d, QStringLiteral("solicitar-") + r.prefijo);
      presenta(*d, e);
      EXPECT_FALSE(d->isVisible());
    });
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, RequestJourney, BothDbPaths(), DbPathName);
