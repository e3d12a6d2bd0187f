#include "toolkit/KioskDialog.h"

#include <QLabel>

#include "toolkit/TButtons.h"
#include "toolkit/TForm.h"

namespace KioskDialog {

void Frame(TForm& dialog, const QColor& background) {
  dialog.nBorderStyle = 3;
  dialog.lCentered = true;
  dialog.setAutoFillBackground(true);
  QPalette pal = dialog.palette();
  pal.setColor(QPalette::Window, background);
  dialog.setPalette(pal);
}

QLabel* Label(QWidget* parent, const char* name, const QFont& font, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setFont(font);
  l->setWordWrap(true);
  return l;
}

TButton* Button(QWidget* parent, const char* name, const QString& text, const QFont& font, QSize minimum) {
  TButton* b = TButton::New(parent, QString::fromLatin1(name));
  b->cText = text;
  b->oFont = font;
  b->setMinimumSize(minimum);
  b->setFocusPolicy(Qt::NoFocus);
  b->setAttribute(Qt::WA_AcceptTouchEvents);
  return b;
}

}  // namespace KioskDialog
