#include "toolkit/ErrorWindow.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "toolkit/TApplication.h"

namespace ErrorWindow {

ErrorChoice Ask(const TError& error, const QString& message, QWidget* owner) {
  QDialog box(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  box.setObjectName(QStringLiteral("ErrorWindow"));
  box.setWindowTitle(Application::Title());
  box.setWindowModality(Qt::ApplicationModal);

  auto* icon = new QLabel(&box);
  icon->setPixmap(box.style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop);
  auto* text = new QLabel(message, &box);
  text->setObjectName(QStringLiteral("lblMensaje"));
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->setWordWrap(true);
  text->setMinimumWidth(420);

  ErrorChoice choice = ErrorChoice::Quit;
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto add = [&](const QString& caption, const char* name, ErrorChoice c) {
    auto* b = new QPushButton(caption, &box);
    b->setObjectName(QString::fromLatin1(name));
    QObject::connect(b, &QPushButton::clicked, &box, [&box, &choice, c] {
      choice = c;
      box.accept();
    });
    buttons->addWidget(b);
    return b;
  };
  QPushButton* quit = add(QStringLiteral("&Salir"), "btnSalir", ErrorChoice::Quit);
  if (error.canRetry) add(QStringLiteral("&Reintentar"), "btnReintentar", ErrorChoice::Retry);
  if (error.canDefault) add(QStringLiteral("&Ignorar"), "btnIgnorar", ErrorChoice::Default);
  quit->setDefault(true);

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addWidget(text, 1);
  auto* layout = new QVBoxLayout(&box);
  layout->addLayout(top);
  layout->addLayout(buttons);

  // Closing the window (or Esc) leaves `choice` at Quit.
  box.exec();
  return choice;
}

}  // namespace ErrorWindow
