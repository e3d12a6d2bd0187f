#pragma once
// What every control shares: its name, bounds, font, colours, enabled and visible state.
// A control is made with `TXxx::New(parent, "name")`; the parent is the screen or a group
// box, folder page, panel or image inside it. Properties take effect as they are assigned.
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

#include "toolkit/Colors.h"
#include "toolkit/Property.h"

template <class Self, class Base>
class TControl : public Base {
 public:
  static Self* New(QWidget* parent, const QString& name = QString()) { return new Self(parent, name); }

  void SetBounds(int x, int y, int w, int h) { this->setGeometry(x, y, w, h); }
  // The controls exist as soon as they are made; kept for screens written in two steps.
  void Create() {}
  void Refresh() { this->update(); }
  void SetFocus() { this->setFocus(Qt::OtherFocusReason); }
  void Hide() { this->hide(); }
  void Show() { this->show(); }

  Property<QString> cToolTip{[this] { return this->toolTip(); }, [this](const QString& t) { this->setToolTip(t); }};
  Property<bool> lEnabled{[this] { return this->isEnabled(); }, [this](const bool& on) { this->setEnabled(on); }};
  Property<bool> lVisible{[this] { return !this->isHidden(); }, [this](const bool& on) { this->setVisible(on); }};
  Property<QFont> oFont{[this] { return this->font(); }, [this](const QFont& f) { this->setFont(f); }};
  // Text and background colours as blue-green-red values.
  Property<int> nClrText{[this] { return Clr::FromQColor(this->palette().color(this->foregroundRole())); },
                         [this](const int& c) { setColor(this->foregroundRole(), c); }};
  Property<int> nClrPane{[this] { return Clr::FromQColor(this->palette().color(this->backgroundRole())); },
                         [this](const int& c) {
                           setColor(this->backgroundRole(), c);
                           this->setAutoFillBackground(true);
                         }};

 protected:
  TControl(QWidget* parent, const QString& name) : Base(parent) {
    this->setObjectName(name);
    if (parent && parent->isVisible()) this->show();
  }

 private:
  void setColor(QPalette::ColorRole role, int bgr) {
    QPalette p = this->palette();
    p.setColor(role, Clr::ToQColor(bgr));
    if (role == QPalette::WindowText) p.setColor(QPalette::Text, Clr::ToQColor(bgr));
    this->setPalette(p);
  }
};
