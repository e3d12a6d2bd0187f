// Every modal window the portal opens, closed by the window system (a close event on its
// window, as the close box, Alt+F4 or a compositor send it): its opener is active again and
// takes the next touch, delivered the way the window system delivers it. The same windows
// show the kiosk's one style (fixed border, no minimize or maximize box), and a window that
// opens under a finger ignores the second tap of a double tap.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "KioskSupport.h"
#include "screens/admin/TAdministrador.h"
#include "screens/admin/TAgregaPersonasAsignadas.h"
#include "screens/employee/TInformacionGeneral.h"
#include "screens/receipts/TRecibos.h"
#include "screens/reports/TReportes.h"
#include "screens/requests/TAutorizaciones.h"
#include "screens/requests/TSolicitudes.h"
#include "screens/time/TFiltroVacaciones.h"
#include "toolkit/Modality.h"
#include "data/TQuery.h"
#include "screens/requests/TSolicitarDetalle.h"
#include "support/SmtpServer.h"

namespace {

QPoint centreIn(QWidget* w) { return w->mapTo(w->window(), QPoint(w->width() / 2, w->height() / 2)); }

// Waits (bounded) until the window takes touches again after showing.
bool settled(QWidget* w) {
  return Kiosk::WaitFor([w] { return Modality::TakesTouches(w->window()); }, 5000);
}

// A tap as the window system delivers it: through the window and its modal check.
void tap(QWidget* w) { QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, centreIn(w)); }

// Whether a finger on `button` reaches it; the finger then slides off, so nothing is pressed.
bool reaches(QWidget* button) {
  if (!settled(button)) return false;
  auto* b = qobject_cast<QAbstractButton*>(button);
  if (!b) return false;
  bool pressed = false;
  const auto c = QObject::connect(b, &QAbstractButton::pressed, [&pressed] { pressed = true; });
  QWindow* win = button->window()->windowHandle();
  QTest::mousePress(win, Qt::LeftButton, Qt::NoModifier, centreIn(button));
  QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
  QObject::disconnect(c);
  return pressed;
}

template <class T>
T* screenOf(TPrincipal* menu) {
  auto* s = TForm::New<T>(menu, [menu](T& f) {
    f.CNX = menu->CNX;
    f.empresa = menu->empresa;
    f.codigo = AppData.Codigo;
    f.NombreEmpleado = menu->lblNombre->cText();
  });
  s->Show();
  return s;
}

struct ModalCase {
  const char* window;   // class of the modal window
  const char* who;      // who is logged in
  std::function<QWidget*(QWidget* home)> opener;  // the window it is opened from, shown
  const char* trigger;  // the opener's button that opens it
  const char* probe;    // the opener's button touched afterwards
  bool yesFirst = false;  // a question comes first and is answered Yes
};

QWidget* menuItself(QWidget* home) { return home; }

const ModalCase kCases[] = {
    {"TRecibos", "1", menuItself, "btnRecibos", "btnReportes"},
    {"TReportes", "1", menuItself, "btnReportes", "btnRecibos"},
    {"TInformacionGeneral", "1", menuItself, "btnInformacionGeneral", "btnRecibos"},
    {"TInformacionNomina", "1", menuItself, "btnDatosNomina", "btnRecibos"},
    {"TFiltroVacaciones", "1", menuItself, "btnVacaciones", "btnRecibos"},
    {"TAusentismos", "1", menuItself, "btnAusentismo", "btnRecibos"},
    {"TTiempoExtra", "1", menuItself, "btnTiempoExtra", "btnRecibos"},
    {"TPoliticas", "1", menuItself, "btnPoliticas", "btnRecibos"},
    {"TSolicitudes", "1", menuItself, "btnSolicitudes", "btnRecibos"},
    {"TAutorizaciones", "1", menuItself, "btnAutorizaciones", "btnRecibos"},
    {"QMessageBox", "1", menuItself, "btnCambiaPassword", "btnRecibos"},
    {"TPassword", "1", menuItself, "btnCambiaPassword", "btnRecibos", true},
    {"ReportPreview", "1", [](QWidget* m) -> QWidget* { return screenOf<TReportes>(static_cast<TPrincipal*>(m)); }, "btnGenerar",
     "btnEnviaMail"},
    {"TMuestraXML", "1", [](QWidget* m) -> QWidget* { return screenOf<TRecibos>(static_cast<TPrincipal*>(m)); }, "btnGenraCFDI",
     "btnListaRecibos"},
    {"TPoblacion", "1", [](QWidget* m) -> QWidget* { return screenOf<TInformacionGeneral>(static_cast<TPrincipal*>(m)); },
     "btnPoblacion", "btnSalida"},
    {"TEstadoCivil", "1", [](QWidget* m) -> QWidget* { return screenOf<TInformacionGeneral>(static_cast<TPrincipal*>(m)); },
     "btnEstadoCivil", "btnSalida"},
    {"THijos", "1", [](QWidget* m) -> QWidget* { return screenOf<TInformacionGeneral>(static_cast<TPrincipal*>(m)); }, "btnHijo",
     "btnSalida"},
    {"TVacaciones", "1", [](QWidget* m) -> QWidget* { return screenOf<TFiltroVacaciones>(static_cast<TPrincipal*>(m)); },
     "bnConsultar", "btnSolicitar"},
    {"TSolicitarVacaciones", "1", [](QWidget* m) -> QWidget* { return screenOf<TFiltroVacaciones>(static_cast<TPrincipal*>(m)); },
     "btnSolicitar", "bnConsultar"},
    {"TSolicitarDetalle", "1", [](QWidget* m) -> QWidget* { return screenOf<TSolicitudes>(static_cast<TPrincipal*>(m)); },
     "btnNueva", "btnSalir"},
    {"TMotivoRechazo", "3",
     [](QWidget* m) -> QWidget* {
       auto* a = screenOf<TAutorizaciones>(static_cast<TPrincipal*>(m));
       a->btnBuscar->Press();
       return a;
     },
     "btnRechazar", "btnSalir"},
    {"TInformacionEmpleado", "3",
     [](QWidget* m) -> QWidget* {
       auto* a = screenOf<TAutorizaciones>(static_cast<TPrincipal*>(m));
       a->btnBuscar->Press();
       return a;
     },
     "btnDatos", "btnSalir"},
    {"QMessageBox", "3", [](QWidget* m) -> QWidget* { return screenOf<TAutorizaciones>(static_cast<TPrincipal*>(m)); }, "btnDatos",
     "btnSalir"},
    {"TSeleccionaArchivo", "Administrador",
     [](QWidget* a) -> QWidget* {
       static_cast<TAdministrador*>(a)->Otros->nOption = 3;
       return a;
     },
     "btnBuscarLogo", "btnGuardarOtros"},
    {"TNuevoFlujo", "Administrador",
     [](QWidget* a) -> QWidget* {
       static_cast<TAdministrador*>(a)->Otros->nOption = 5;
       return a;
     },
     "btnAgregarFlujoNuevo", "btnModificarNombreFlujo"},
    {"TEmpleadosDisponibles", "Administrador",
     [](QWidget* a) -> QWidget* {
       static_cast<TAdministrador*>(a)->Otros->nOption = 5;
       return a;
     },
     "btnMasAutorizan", "btnAgregarFlujoNuevo"},
    {"TAgregaPersonasAsignadas", "Administrador",
     [](QWidget* a) -> QWidget* {
       static_cast<TAdministrador*>(a)->Otros->nOption = 5;
       return a;
     },
     "btnAgregarAsignadas", "btnAgregarFlujoNuevo"},
    {"TNombresTipo", "Administrador",
     [](QWidget* a) -> QWidget* {
       auto* d = TForm::New<TAgregaPersonasAsignadas>(a, [a](TAgregaPersonasAsignadas& p) {
         auto* admin = static_cast<TAdministrador*>(a);
         p.CNX = admin->CNX;
         p.empresa = admin->empresa;
         p.idflujo = admin->IdFlujo();
         p.idTipoSolicitud = QStringLiteral("1");
       });
       d->Show();
       d->cmbFiltrarPor->UserSelect(2);
       return d;
     },
     "btnBuscar", "btnCargar"},
    {"TExcepciones", "Administrador",
     [](QWidget* a) -> QWidget* {
       static_cast<TAdministrador*>(a)->Otros->nOption = 6;
       return a;
     },
     "btnAgregarExcepcion", "btnConsolidar"},
};

QWidget* home(const char* who) {
  if (QString::fromLatin1(who) == u"Administrador")
    return DemoTerminal::LogIn<TRegistro, TAdministrador>(QStringLiteral("Administrador"), QStringLiteral("Admin2024"));
  return Kiosk::LogIn(QString::fromLatin1(who), QString::fromLatin1(who) == u"1" ? QStringLiteral("Clave2024") : QStringLiteral("1234"));
}

}  // namespace

TEST(ModalWindows, ClosedByTheWindowSystemEachLeavesItsOpenerWorking) {
  int covered = 0;
  for (const ModalCase& c : kCases) {
    SCOPED_TRACE(std::string(c.window) + " from " + c.trigger);
    DemoTerminal terminal;
    MsgSeam::Capture(false);
    QWidget* start = home(c.who);
    ASSERT_NE(start, nullptr);
    QWidget* opener = c.opener(start);
    auto* trigger = opener->findChild<QWidget*>(QString::fromLatin1(c.trigger));
    auto* probe = opener->findChild<QWidget*>(QString::fromLatin1(c.probe));
    ASSERT_NE(trigger, nullptr);
    ASSERT_NE(probe, nullptr);
    ASSERT_TRUE(settled(trigger));

    QString seen;
    bool aboveOpener = false, oneStyle = false, closed = false;
    QTimer probeTimer;
    probeTimer.setInterval(5);
    QObject::connect(&probeTimer, &QTimer::timeout, [&] {
      QWidget* top = QApplication::activeModalWidget();
      if (!top || top == opener->window() || !top->isVisible() || closed) return;
      if (c.yesFirst && qobject_cast<QMessageBox*>(top) && QString::fromLatin1(c.window) != u"QMessageBox") {
        auto* box = qobject_cast<QMessageBox*>(top);
        for (QAbstractButton* b : box->buttons())
          if (box->buttonRole(b) == QMessageBox::YesRole) b->click();
        return;
      }
      seen = QString::fromLatin1(top->metaObject()->className());
      QWindow* parent = top->windowHandle() ? top->windowHandle()->transientParent() : nullptr;
      aboveOpener = parent == opener->window()->windowHandle();
      const Qt::WindowFlags f = top->windowFlags();
      oneStyle = !(f & Qt::WindowMinimizeButtonHint) && !(f & Qt::WindowMaximizeButtonHint);
      closed = true;
      QCloseEvent close;
      QCoreApplication::sendEvent(top->windowHandle(), &close);
      // A window that refuses the close would keep the loop running: end the case.
      QTimer::singleShot(3000, top, [top] { top->hide(); });
    });
    probeTimer.start();
    tap(trigger);  // returns once the modal window's loop has ended
    probeTimer.stop();
    DemoTerminal::Settle();

    EXPECT_EQ(seen, QString::fromLatin1(c.window));
    EXPECT_TRUE(aboveOpener);
    EXPECT_TRUE(oneStyle);
    EXPECT_EQ(QApplication::activeModalWidget() == nullptr || QApplication::activeModalWidget() == opener->window(), true);
    EXPECT_EQ(QApplication::activeWindow(), opener->window());
    EXPECT_TRUE(reaches(probe));
    if (seen == QString::fromLatin1(c.window)) ++covered;
    MsgSeam::Capture(true);
    TForm::SetModalHook(nullptr);
  }
  EXPECT_EQ(covered, static_cast<int>(std::size(kCases)));
}

namespace {

// Two taps at one spot, the second while what the first one opened is on top: a message box
// it raised (then closed by its default button), else the window now under the finger.
void doubleTap(QWidget* button) {
  const QPoint global = button->mapToGlobal(QPoint(button->width() / 2, button->height() / 2));
  bool second = false;
  auto secondTap = [&] {
    if (second) return;
    second = true;
    QWidget* target = QApplication::activeModalWidget();
    if (!target || !target->isVisible()) target = QApplication::activeWindow();
    if (target && target->windowHandle())
      QTest::mouseClick(target->windowHandle(), Qt::LeftButton, Qt::NoModifier, target->mapFromGlobal(global));
  };
  QTimer boxes;
  boxes.setInterval(5);
  QObject::connect(&boxes, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    secondTap();
    if (box->isVisible() && box->defaultButton()) box->defaultButton()->click();
  });
  boxes.start();
  QTest::mouseClick(button->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, centreIn(button));
  secondTap();
  boxes.stop();
}

struct DoubleTapCase {
  const char* name;
  const char* who;
  std::function<QWidget*(TPrincipal* menu, TestSmtp::SmtpServer& smtp)> button;  // the button tapped twice
  std::function<int()> acts;  // how many times the action happened so far
  int times;                  // how many times the double tap makes it happen
};

}  // namespace

TEST(ModalWindows, ADoubleTapActsOnce) {
  TestSmtp::SmtpServer smtp;
  ASSERT_TRUE(smtp.start()) << smtp.errorString().toStdString();
  int screensOpened = 0;
  const DoubleTapCase cases[] = {
      {"login Aceptar opens the menu, not Recibos under the second tap", nullptr,
       [](TPrincipal*, TestSmtp::SmtpServer&) -> QWidget* {
         auto* login = TForm::New<TRegistro>();
         login->Show();
         login->txtEmpleado->Value = QStringLiteral("1");
         login->txtPassword->Value = QStringLiteral("Clave2024");
         return login->btnAceptar;
       },
       [&screensOpened] { return screensOpened; }, 0},
      {"a request's Guardar files one request", "5",
       [](TPrincipal* menu, TestSmtp::SmtpServer&) -> QWidget* {
         auto* d = TForm::New<TSolicitarDetalle>(menu, [menu](TSolicitarDetalle& s) {
           s.CNX = menu->CNX;
           s.empresa = menu->empresa;
           s.tipoSolicitud = 2;
           s.DiasMaximosASolicitar = 0;
         });
         d->Show();
         d->txtDiasSolicitados->Value = QStringLiteral("1");
         d->txtMotivo->Value = QStringLiteral("CITA");
         return d->btnGuardar;
       },
       [] {
         TQuery q(AppData.oAdo, QStringLiteral("GENERAL"), QStringLiteral("SELECT count(*) FROM PortalEmpleadoSolicitud"));
         return static_cast<int>(Text::Val(q.RecCount() ? q.GetRows().row(1).col(1) : QVariant(0)));
       },
       1},
      {"the receipts' mail button sends one mail", "1",
       [](TPrincipal* menu, TestSmtp::SmtpServer& server) -> QWidget* {
         AppData.oAdo->Execute("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '" + server.portText() + "'");
         return screenOf<TRecibos>(menu)->btnEnviaMail;
       },
       [&smtp] { return static_cast<int>(smtp.messages().size()); }, 1},
  };
  for (const DoubleTapCase& c : cases) {
    SCOPED_TRACE(c.name);
    DemoTerminal terminal;
    TPrincipal* menu = c.who ? Kiosk::LogIn(QString::fromLatin1(c.who), QString::fromLatin1(c.who) == u"1"
                                                                              ? QStringLiteral("Clave2024")
                                                                              : QStringLiteral("OIÑA900215AB3"))
                             : nullptr;
    if (c.who) { ASSERT_NE(menu, nullptr); }
    QWidget* button = c.button(menu, smtp);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(settled(button));
    TForm::SetModalHook([&screensOpened](TForm& f) {
      ++screensOpened;
      f.Close();
    });
    MsgSeam::Capture(false);
    const int before = c.acts();
    doubleTap(button);
    DemoTerminal::Settle();
    EXPECT_EQ(c.acts() - before, c.times);
    MsgSeam::Capture(true);
    TForm::SetModalHook(nullptr);
    if (!c.who) {
      auto* opened = DemoTerminal::Visible<TPrincipal>();
      ASSERT_NE(opened, nullptr);
      // A moment later the menu takes the touch.
      ASSERT_TRUE(settled(opened->btnRecibos));
      TForm::SetModalHook([&screensOpened](TForm& f) {
        ++screensOpened;
        f.Close();
      });
      tap(opened->btnRecibos);
      TForm::SetModalHook(nullptr);
      EXPECT_EQ(screensOpened, 1);
    }
  }
}
