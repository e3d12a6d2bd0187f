// The report preview for a finger: every control at least 48 px, a plain close button, and
// printing through the kiosk's own confirmation.
#include <gtest/gtest.h>

#include <QToolBar>
#include <QToolButton>

#include "KioskSupport.h"
#include "reports/ReportModal.h"
#include "reports/ReportPreview.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"

TEST(ReportPreviewForAFinger, ControlsAreLargeAndCloseIsPlain) {
  DemoTerminal terminal;
  TPrincipal* menu = Kiosk::LogIn();
  ASSERT_NE(menu, nullptr);
  auto* r = TForm::New<TRecibos>(menu, [&](TRecibos& s) {
    s.CNX = menu->CNX;
    s.empresa = menu->empresa;
    s.codigo = AppData.Codigo;
  });
  ASSERT_GT(r->arregloRecibos->Len(), 0);
  int result = -1;
  bool looked = false;
  ReportModal::SetHookForTests([&](QDialog& dialog) {
    auto* preview = dynamic_cast<ReportPreview*>(&dialog);
    if (!preview) return 0;
    preview->show();
    looked = true;
    auto* bar = preview->findChild<QToolBar*>();
    EXPECT_NE(bar, nullptr);
    if (!bar) return 0;
    int buttons = 0;
    for (QToolButton* b : bar->findChildren<QToolButton*>()) {
      if (!b->isVisible() || b->objectName() == u"qt_toolbar_ext_button") continue;
      ++buttons;
      EXPECT_GE(b->height(), ReportPreview::kLadoMinimo) << b->defaultAction()->text().toStdString();
      EXPECT_GE(b->width(), ReportPreview::kLadoMinimo) << b->defaultAction()->text().toStdString();
    }
    EXPECT_GE(buttons, 8);
    EXPECT_NE(preview->findChild<QAction*>(QStringLiteral("actImprimir")), nullptr);
    EXPECT_NE(preview->findChild<QAction*>(QStringLiteral("actGuardarPDF")), nullptr);
    Render::ToPng(preview, Kiosk::PicturePath(QStringLiteral("vista-previa.png")));
    auto* close = preview->findChild<QAction*>(QStringLiteral("actCerrar"));
    EXPECT_NE(close, nullptr);
    if (close) close->trigger();
    result = preview->result();
    EXPECT_FALSE(preview->isVisible());
    return result;
  });
  r->btnImprimeCartaClick();
  ReportModal::SetHookForTests({});
  EXPECT_TRUE(looked);
  EXPECT_EQ(result, QDialog::Rejected);
  delete r;
}
