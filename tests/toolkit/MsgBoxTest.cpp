// Message boxes: titles, kinds and default answers through the seam, and the real boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "support/QtPrinters.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TApplication.h"

TEST(MsgBox, TextsTitlesAndDefaultAnswersThroughTheSeam) {
  Application::SetTitle(QStringLiteral("ZelkPortalv11"));
  MsgSeam::Clear();
  MsgInfo(QStringLiteral("Registro Borrado"));
  MsgStop(12.5, QStringLiteral("EJECUCION INCOMPLETA"));
  MsgAlert(QDate(2024, 1, 26), QString());
  EXPECT_TRUE(MsgYesNo(QStringLiteral("¿Seguro?")));
  EXPECT_FALSE(MsgNoYes(QStringLiteral("¿Desea cambiar su password ahora?")));
  MsgSeam::QueueAnswer(false);
  MsgSeam::QueueAnswer(true);
  EXPECT_FALSE(MsgYesNo(QStringLiteral("a")));
  EXPECT_TRUE(MsgNoYes(QStringLiteral("b")));
  const auto shown = MsgSeam::Taken();
  ASSERT_EQ(shown.size(), 7);
  EXPECT_EQ(shown[0].kind, MsgKind::Info);
  EXPECT_EQ(shown[0].title, "ZelkPortalv11");
  EXPECT_EQ(shown[1].text, "12.5");
  EXPECT_EQ(shown[1].title, "EJECUCION INCOMPLETA");
  EXPECT_EQ(shown[2].kind, MsgKind::Alert);
  EXPECT_EQ(shown[2].text, "26/01/2024");
  EXPECT_EQ(shown[4].kind, MsgKind::NoYes);
  MsgSeam::Clear();
}

TEST(MsgBox, RealBoxesHaveTheirIconButtonsAndDefault) {
  struct Case {
    MsgKind kind;
    QMessageBox::Icon icon;
    QStringList buttons;
    QString defaultButton;
    bool result;
  };
  const Case cases[] = {
      {MsgKind::Info, QMessageBox::Information, {"Aceptar"}, "Aceptar", true},
      {MsgKind::Stop, QMessageBox::Critical, {"Aceptar"}, "Aceptar", true},
      {MsgKind::Alert, QMessageBox::Warning, {"Aceptar"}, "Aceptar", true},
      {MsgKind::YesNo, QMessageBox::Question, {"&Sí", "&No"}, "&Sí", true},
      {MsgKind::NoYes, QMessageBox::Question, {"&Sí", "&No"}, "&No", false},
  };
  MsgSeam::Capture(false);
  for (const Case& c : cases) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString def, title;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      icon = box->icon();
      title = box->windowTitle();
      for (auto* b : box->buttons()) buttons << b->text();
      def = box->defaultButton() ? box->defaultButton()->text() : QString();
      box->defaultButton() ? box->defaultButton()->click() : box->buttons().first()->click();
    });
    bool result = true;
    switch (c.kind) {
      case MsgKind::Info: MsgInfo(QStringLiteral("x")); break;
      case MsgKind::Stop: MsgStop(QStringLiteral("x")); break;
      case MsgKind::Alert: MsgAlert(QStringLiteral("x")); break;
      case MsgKind::YesNo: result = MsgYesNo(QStringLiteral("x")); break;
      case MsgKind::NoYes: result = MsgNoYes(QStringLiteral("x")); break;
    }
    EXPECT_EQ(icon, c.icon);
    buttons.sort();
    QStringList expected = c.buttons;
    expected.sort();
    EXPECT_EQ(buttons, expected);
    EXPECT_EQ(def, c.defaultButton);
    EXPECT_EQ(result, c.result) << "pressing the default button";
    EXPECT_EQ(title, Application::Title());
  }
  MsgSeam::Capture(true);
}
