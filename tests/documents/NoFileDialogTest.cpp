// No desktop dialog at the kiosk: every button of every employee screen (login, menu, each
// screen the menu opens and every window those open, previews and viewers included) is
// pressed, and none may bring up a file chooser or a desktop print dialog.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QToolBar>

#include "DocumentsSupport.h"
#include "reports/ReportModal.h"
#include "reports/ReportPreview.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/TVisorDocumento.h"

namespace {

// Notes and closes every desktop dialog the moment it shows.
class DesktopDialogWatch : public QObject {
 public:
  QStringList seen;
  QString where;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show &&
        (qobject_cast<QFileDialog*>(o) || o->inherits("QPrintDialog") || o->inherits("QPageSetupDialog"))) {
      seen << QString::fromLatin1(o->metaObject()->className()) + QStringLiteral(" from ") + where;
      QTimer::singleShot(0, static_cast<QDialog*>(o), &QDialog::reject);
    }
    return false;
  }
};

// Presses every button of a screen once, walking into each window it opens (each class once).
class Walker {
 public:
  explicit Walker(DesktopDialogWatch& watch) : m_watch(watch) {}
  QSet<QString> walked;
  int pressed = 0;

  void Walk(QWidget* screen) {
    const QString name = QString::fromLatin1(screen->metaObject()->className());
    if (m_depth >= 5 || walked.contains(name)) return;
    walked.insert(name);
    ++m_depth;
    QList<QPointer<QAbstractButton>> buttons;
    for (QAbstractButton* b : screen->findChildren<QAbstractButton*>()) buttons << b;
    // Buttons that leave the screen go last.
    std::stable_partition(buttons.begin(), buttons.end(),
                          [](const QPointer<QAbstractButton>& b) { return !leaves(b); });
    for (const auto& b : buttons) {
      if (!b || !b->isVisible() || !b->isEnabled() || !screen->isVisible()) continue;
      // The login's and the menu's exits end the walk's own session.
      if ((name == u"TRegistro" || name == u"TPrincipal") && b->objectName() == u"btnSalir") continue;
      m_watch.where = name + u'.' + b->objectName();
      ++pressed;
      b->click();
      for (TVisorDocumento* v : DocumentOpener::Viewers()) Walk(v);
      DocumentOpener::CloseAll();
    }
    --m_depth;
  }

  // A preview: every action of its tool bar, "Cerrar" last.
  void WalkPreview(ReportPreview& preview) {
    preview.show();
    if (walked.contains(QStringLiteral("ReportPreview"))) return;
    walked.insert(QStringLiteral("ReportPreview"));
    auto* bar = preview.findChild<QToolBar*>();
    if (!bar) return;
    for (QAction* a : bar->actions()) {
      if (a->isSeparator() || !a->isVisible() || a->objectName() == u"actCerrar") continue;
      m_watch.where = QStringLiteral("ReportPreview.") + (a->objectName().isEmpty() ? a->text() : a->objectName());
      ++pressed;
      a->trigger();
    }
  }

 private:
  static bool leaves(const QPointer<QAbstractButton>& b) {
    const QString n = b ? b->objectName() : QString();
    return n.startsWith(u"btnSalir") || n.startsWith(u"btnCerrar") || n.startsWith(u"btnCancelar") ||
           n.startsWith(u"btnRegresar");
  }
  DesktopDialogWatch& m_watch;
  int m_depth = 0;
};

}  // namespace

TEST(NoDesktopDialogs, NoEmployeeScreenReachesAFileChooserOrAPrintDialog) {
  auto& cups = Docs::PrintServer();
  ASSERT_TRUE(cups.AddQueue(QStringLiteral("Recorrido")));
  DemoTerminal terminal(QStringLiteral("SalirActivado=Si\nPDF=Si\nFDA=Si\nImpresora=Recorrido\nMedios=medios\n"));
  DesktopDialogWatch watch;
  qApp->installEventFilter(&watch);
  Walker walker(watch);
  TForm::SetModalHook([&](TForm& form) { walker.Walk(&form); });
  ReportModal::SetHookForTests([&](QDialog& dialog) {
    if (auto* preview = dynamic_cast<ReportPreview*>(&dialog)) walker.WalkPreview(*preview);
    return 0;
  });

  auto* login = TForm::New<TRegistro>();
  login->Show();
  walker.Walk(login);
  delete login;
  TPrincipal* menu = Kiosk::LogIn();
  ASSERT_NE(menu, nullptr);
  walker.Walk(menu);

  ReportModal::SetHookForTests({});
  TForm::SetModalHook(nullptr);
  qApp->removeEventFilter(&watch);
  DocumentOpener::CloseAll();
  EXPECT_TRUE(watch.seen.isEmpty()) << watch.seen.join(u'\n').toStdString();
  // The walk went everywhere an employee can go.
  for (const char* screen :
       {"TRegistro", "TPrincipal", "TRecibos", "TReportes", "TPoliticas", "TInformacionGeneral", "TInformacionNomina",
        "TVacaciones", "TSolicitudes", "ReportPreview", "TVisorDocumento", "TConfirmaImpresion"})
    EXPECT_TRUE(walker.walked.contains(QString::fromLatin1(screen))) << screen;
  EXPECT_GT(walker.pressed, 100);
  std::cout << "screens walked: " << QStringList(walker.walked.values()).join(u' ').toStdString()
            << "\nbuttons pressed: " << walker.pressed << std::endl;
}
