#include "data/ConnectionDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "toolkit/MsgBox.h"

namespace {

std::function<std::optional<ConnectionChoice>(const ConnectionChoice&)>& hook() {
  static std::function<std::optional<ConnectionChoice>(const ConnectionChoice&)> h;
  return h;
}

class TConexionDialog : public QDialog {
 public:
  explicit TConexionDialog(const ConnectionChoice& initial) {
    setObjectName(QStringLiteral("TConexionDialog"));
    setWindowTitle(QStringLiteral("Conexión a la base de datos"));
    auto* form = new QFormLayout(this);
    txtServidor = field(QStringLiteral("txtServidor"), initial.server);
    txtBaseDeDatos = field(QStringLiteral("txtBaseDeDatos"), initial.database);
    txtUsuario = field(QStringLiteral("txtUsuario"), initial.user);
    txtPassword = field(QStringLiteral("txtPassword"), initial.password);
    txtPassword->setEchoMode(QLineEdit::Password);
    chkWindows = new QCheckBox(QStringLiteral("Autenticación de Windows"), this);
    chkWindows->setObjectName(QStringLiteral("chkWindows"));
    chkWindows->setChecked(initial.windowsAuthentication);
    form->addRow(QStringLiteral("Servidor:"), txtServidor);
    form->addRow(QStringLiteral("Base de datos:"), txtBaseDeDatos);
    form->addRow(QStringLiteral("Usuario:"), txtUsuario);
    form->addRow(QStringLiteral("Contraseña:"), txtPassword);
    form->addRow(QString(), chkWindows);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
  }

  ConnectionChoice choice() const {
    return {txtServidor->text().trimmed(), txtBaseDeDatos->text().trimmed(), txtUsuario->text().trimmed(),
            txtPassword->text(), chkWindows->isChecked()};
  }

 private:
  QLineEdit* field(const QString& name, const QString& value) {
    auto* edit = new QLineEdit(value, this);
    edit->setObjectName(name);
    return edit;
  }
  QLineEdit* txtServidor;
  QLineEdit* txtBaseDeDatos;
  QLineEdit* txtUsuario;
  QLineEdit* txtPassword;
  QCheckBox* chkWindows;
};

}  // namespace

namespace ConnectionDialog {

std::optional<ConnectionChoice> Ask(const ConnectionChoice& initial) {
  if (hook()) return hook()(initial);
  if (MsgSeam::Capturing() || !qobject_cast<QApplication*>(QCoreApplication::instance())) return std::nullopt;
  TConexionDialog dialog(initial);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

void SetHookForTests(std::function<std::optional<ConnectionChoice>(const ConnectionChoice&)> h) { hook() = std::move(h); }

}  // namespace ConnectionDialog
