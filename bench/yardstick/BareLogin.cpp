// The yardstick of the start-up benchmark: what Qt itself costs for a window with the login
// window's controls (the 45 keys of its on-screen keyboard, the accept and exit buttons, two
// edits, two labels) at the same size and places. Prints "shown" once the window is exposed
// and painted;
// with an argument "resident" it prints its VmRSS and VmHWM in kB as well.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <cstdio>

#include "ProcessReport.h"

#ifndef PORTAL_KEYBOARDS_JSON
#error "the key table's path is given by the build"
#endif

namespace {

QPushButton* flatButton(QWidget* parent, const QString& face, const QRect& at) {
  auto* b = new QPushButton(face, parent);
  b->setFlat(true);
  b->setGeometry(at);
  return b;
}

QLineEdit* edit(QWidget* parent, const QRect& at) {
  auto* e = new QLineEdit(parent);
  e->setFont(QFont(QStringLiteral("Tahoma"), 18));
  e->setMaxLength(13);
  e->setGeometry(at);
  return e;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Portal del Empleado"));
  dialog.setFixedSize(1017, 698);

  // The key rectangles, read as the portal reads them (here from the source file).
  QFile table(QStringLiteral(PORTAL_KEYBOARDS_JSON));
  if (!table.open(QIODevice::ReadOnly)) return 2;
  const QJsonArray keys = QJsonDocument::fromJson(table.readAll()).object().value(u"TRegistro").toArray();
  for (const QJsonValue& v : keys) {
    const QJsonObject k = v.toObject();
    flatButton(&dialog, QString(), QRect(k[u"x"].toInt(), k[u"y"].toInt(), k[u"w"].toInt(), k[u"h"].toInt()));
  }
  edit(&dialog, QRect(380, 188, 210, 40));
  edit(&dialog, QRect(380, 260, 210, 40))->setEchoMode(QLineEdit::Password);
  flatButton(&dialog, QString(), QRect(596, 188, 110, 70));
  flatButton(&dialog, QString(), QRect(892, 598, 74, 78));
  auto* text = new QLabel(QStringLiteral("Ingrese su CODIGO DE EMPLEADO y su CONTRASEÑA para entrar al Portal del Empleado."),
                          &dialog);
  text->setWordWrap(true);
  text->setFont(QFont(QStringLiteral("MS Sans Serif"), 10, QFont::Bold));
  text->setGeometry(172, 104, 648, 65);
  auto* caps = new QLabel(QStringLiteral("Mayúsculas Activadas"), &dialog);
  caps->setFont(QFont(QStringLiteral("MS Sans Serif"), 12, QFont::Bold));
  caps->setGeometry(596, 272, 206, 26);

  // Shown and painted: the platform's expose of the new window is handled, which paints it.
  dialog.show();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (!dialog.windowHandle() || !dialog.windowHandle()->isExposed()) return 3;
  std::printf("shown\ncontrols %d\n", static_cast<int>(keys.size()) + 6);
  if (argc > 1 && qstrcmp(argv[1], "resident") == 0) PrintResidentMemory();
  std::fflush(stdout);
  DumpMappingsIfAsked();
  return 0;
}
