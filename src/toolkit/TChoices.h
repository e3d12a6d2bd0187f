#pragma once
// Check boxes and option buttons. Option buttons with the same parent exclude each other.
#include <QCheckBox>
#include <QRadioButton>

#include "toolkit/TControl.h"

class TCheckBox : public TControl<TCheckBox, QCheckBox> {
 public:
  TCheckBox(QWidget* parent, const QString& name) : TControl(parent, name) {
    connect(this, &QCheckBox::clicked, this, [this] { OnClick(this); });
  }
  Property<QString> cText{[this] { return text(); }, [this](const QString& t) { setText(t); }};
  Property<bool> lChecked{[this] { return isChecked(); }, [this](const bool& on) { setChecked(on); }};
  Event<TCheckBox*> OnClick;
};

class TRadio : public TControl<TRadio, QRadioButton> {
 public:
  TRadio(QWidget* parent, const QString& name) : TControl(parent, name) {
    connect(this, &QRadioButton::clicked, this, [this] { OnClick(this); });
  }
  Property<QString> cText{[this] { return text(); },
                          [this](const QString& t) { setText(QString(t).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))); }};
  Property<bool> lChecked{[this] { return isChecked(); }, [this](const bool& on) { setChecked(on); }};
  Event<TRadio*> OnClick;
};
