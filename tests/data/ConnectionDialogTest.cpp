// The connection dialog itself, through a real modal loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <functional>

#include "support/QtPrinters.h"

#include "data/ConnectionDialog.h"
#include "toolkit/MsgBox.h"

namespace {

// Runs `act` on the dialog as soon as its modal loop shows it.
void WhenShown(std::function<void(QDialog*)> act, int triesLeft = 100) {
  QTimer::singleShot(0, [act, triesLeft] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->objectName() == QStringLiteral("TConexionDialog")) act(dialog);
    else if (triesLeft > 0) WhenShown(act, triesLeft - 1);
  });
}

class ConnectionDialogReal : public ::testing::Test {
 protected:
  void SetUp() override { MsgSeam::Capture(false); }
  void TearDown() override { MsgSeam::Capture(true); }
};

TEST_F(ConnectionDialogReal, StartsWithTheGivenValuesAndReturnsWhatWasTyped) {
  QStringList shown;
  WhenShown([&](QDialog* d) {
    auto* server = d->findChild<QLineEdit*>(QStringLiteral("txtServidor"));
    auto* password = d->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
    shown << server->text() << d->findChild<QLineEdit*>(QStringLiteral("txtBaseDeDatos"))->text() << password->text();
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    server->setText(QStringLiteral("  nominas,1500 "));
    d->findChild<QLineEdit*>(QStringLiteral("txtUsuario"))->setText(QStringLiteral("portal"));
    password->setText(QStringLiteral(" con blancos "));
    d->findChild<QCheckBox*>(QStringLiteral("chkWindows"))->setChecked(true);
    d->accept();
  });
  const auto choice = ConnectionDialog::Ask({QStringLiteral("srv"), QStringLiteral("Nomina"), QStringLiteral("sa"),
                                             QStringLiteral("x"), false});
  EXPECT_EQ(shown, (QStringList{QStringLiteral("srv"), QStringLiteral("Nomina"), QStringLiteral("x")}));
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->server, QStringLiteral("nominas,1500"));
  EXPECT_EQ(choice->database, QStringLiteral("Nomina"));
  EXPECT_EQ(choice->user, QStringLiteral("portal"));
  EXPECT_EQ(choice->password, QStringLiteral(" con blancos "));  // a password is taken as typed
  EXPECT_TRUE(choice->windowsAuthentication);
}

TEST_F(ConnectionDialogReal, CancelGivesNothing) {
  WhenShown([](QDialog* d) { d->reject(); });
  EXPECT_FALSE(ConnectionDialog::Ask({}).has_value());
}

}  // namespace
