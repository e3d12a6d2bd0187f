#include "toolkit/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "toolkit/IdleLogout.h"
#include "toolkit/Modality.h"
#include "toolkit/TApplication.h"
#include "toolkit/TextUtil.h"

namespace {

struct SeamState {
  bool capturing = false;
  QList<bool> answers;
  QList<MsgSeam::Shown> shown;
};

SeamState& seam() {
  static SeamState s;
  return s;
}

QString titleOrApp(const QString& title) {
  if (!title.isEmpty()) return title;
  return Application::Title();
}

bool show(MsgKind kind, const QVariant& value, const QString& rawTitle) {
  const QString text = Text::ToText(value);
  const QString title = titleOrApp(rawTitle);
  const bool defaultYes = kind != MsgKind::NoYes;
  auto& s = seam();
  // While an idle session is being closed no box waits for an answer: questions take No.
  if (IdleLogout::Closing()) return kind == MsgKind::Info || kind == MsgKind::Stop || kind == MsgKind::Alert;
  if (s.capturing) {
    s.shown.append({kind, title, text});
    if (kind != MsgKind::YesNo && kind != MsgKind::NoYes) return true;
    if (s.answers.isEmpty()) return defaultYes;
    return s.answers.takeFirst();
  }

  QPointer<QWidget> opener = Modality::Opener();
  QMessageBox box(opener);
  box.setWindowTitle(title);
  box.setText(text);
  switch (kind) {
    case MsgKind::Info: box.setIcon(QMessageBox::Information); break;
    case MsgKind::Stop: box.setIcon(QMessageBox::Critical); break;
    case MsgKind::Alert: box.setIcon(QMessageBox::Warning); break;
    case MsgKind::YesNo:
    case MsgKind::NoYes: box.setIcon(QMessageBox::Question); break;
  }
  if (kind == MsgKind::YesNo || kind == MsgKind::NoYes) {
    QPushButton* yes = box.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(defaultYes ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    Modality::Return(opener);
    return box.clickedButton() == yes;
  }
  QPushButton* ok = box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
  Modality::Return(opener);
  return true;
}

}  // namespace

void MsgInfo(const QVariant& text, const QString& title) { show(MsgKind::Info, text, title); }
void MsgStop(const QVariant& text, const QString& title) { show(MsgKind::Stop, text, title); }
void MsgAlert(const QVariant& text, const QString& title) { show(MsgKind::Alert, text, title); }
bool MsgYesNo(const QVariant& text, const QString& title) { return show(MsgKind::YesNo, text, title); }
bool MsgNoYes(const QVariant& text, const QString& title) { return show(MsgKind::NoYes, text, title); }

namespace MsgSeam {

void Capture(bool on) { seam().capturing = on; }
bool Capturing() { return seam().capturing; }
void QueueAnswer(bool yes) { seam().answers.append(yes); }
QList<Shown> Taken() { return seam().shown; }

QStringList Texts() {
  QStringList out;
  for (const Shown& b : seam().shown) out << b.text;
  return out;
}
void Clear() {
  seam().shown.clear();
  seam().answers.clear();
}

}  // namespace MsgSeam
