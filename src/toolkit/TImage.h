#pragma once
// A picture control: a compiled-in picture name or an image file, fitted to the control.
// It may also be the parent of other controls (a menu drawn as one picture with buttons on it).
#include <QPixmap>
#include <QWidget>

#include "toolkit/TControl.h"

class TImage : public TControl<TImage, QWidget> {
 public:
  TImage(QWidget* parent, const QString& name) : TControl(parent, name) {}

  Property<QString> oPicture{[this] { return m_name; }, [this](const QString& n) { LoadImage(n); }};
  // True fits the picture to the control (the default); false draws it at its own size.
  Property<bool> lStretch{[this] { return m_stretch; },
                          [this](const bool& on) {
                            m_stretch = on;
                            m_natural = QPixmap();
                            update();
                          }};

  void LoadImage(const QString& nameOrPath) {
    m_name = nameOrPath;
    m_natural = QPixmap();
    update();
  }
  bool HasPicture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString m_name;
  QPixmap m_natural;  // the picture at its own size, when not fitted
  bool m_stretch = true;
};
