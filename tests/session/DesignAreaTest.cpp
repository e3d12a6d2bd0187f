// With the screens scaled to the kiosk's screen, a window a screen places at a position is placed
// there inside the area the screens are drawn for, centred on the screen; a window inside
// another keeps its position in its parent.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "toolkit/Controls.h"
#include "toolkit/TApplication.h"

namespace {

class TPlaced : public TForm {
 public:
  using TForm::TForm;

 protected:
  void CreateForm() override { SetBounds(10, 20, 200, 100); }
};

}  // namespace

TEST(DesignArea, PlacedWindowsGoInsideTheCentredArea) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QSize area = screen.size() / 2;
  for (const bool scaled : {false, true}) {
    SCOPED_TRACE(scaled ? "scaled" : "not scaled");
    Application::SetDesignArea(scaled ? area : QSize());
    auto* form = TForm::New<TPlaced>();
    const QPoint origin = scaled ? screen.topLeft() + QPoint((screen.width() - area.width()) / 2, (screen.height() - area.height()) / 2)
                                 : QPoint();
    EXPECT_EQ(Application::DesignOrigin(), origin);
    EXPECT_EQ(form->pos(), origin + QPoint(10, 20));
    delete form;
  }
  Application::SetDesignArea(QSize());
}
