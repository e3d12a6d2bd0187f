#pragma once
// Static text. Lines wrap at the label's width; "\r\n" breaks a line.
#include <QEvent>
#include <QLabel>

#include "toolkit/TControl.h"

class TLabel : public TControl<TLabel, QLabel> {
 public:
  TLabel(QWidget* parent, const QString& name) : TControl(parent, name) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

  Property<QString> cText{[this] { return text(); },
                          [this](const QString& t) {
                            setText(QString(t).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
                            fitWidth();
                          }};
  // 0 left, 1 centre, 2 right.
  Property<int> nAlignment{[this] { return alignment() & Qt::AlignHCenter ? 1 : alignment() & Qt::AlignRight ? 2 : 0; },
                           [this](const int& a) {
                             const Qt::Alignment h = a == 1 ? Qt::AlignHCenter : a == 2 ? Qt::AlignRight : Qt::AlignLeft;
                             setAlignment(h | Qt::AlignTop);
                           }};
  // True takes the parent's font again.
  Property<bool> lParentFont{[this] { return !testAttribute(Qt::WA_SetFont); },
                             [this](const bool& on) {
                               if (on) setFont(QFont());
                             }};
  Property<bool> lMultiline{[this] { return wordWrap(); },
                            [this](const bool& on) {
                              setWordWrap(on);
                              fitWidth();
                            }};

 protected:
  // A one-line label widens to show its whole text (the replacement fonts run a little wider
  // than the faces the screens name); it never narrows below its bounds.
  void fitWidth() {
    if (wordWrap()) return;
    const int need = sizeHint().width();
    if (need > width()) resize(need, height());
  }
  void changeEvent(QEvent* event) override {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitWidth();
  }
};
