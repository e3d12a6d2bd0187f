#pragma once
// Push buttons: TBtnBmp draws a picture and an optional caption, TButton is a plain button.
#include <QAbstractButton>
#include <QPushButton>

#include "toolkit/TControl.h"

class TBtnBmp : public TControl<TBtnBmp, QAbstractButton> {
 public:
  TBtnBmp(QWidget* parent, const QString& name);

  Property<QString> cText{[this] { return text(); }, [this](const QString& t) { setText(t); }};
  Property<QString> oBitmaps{[this] { return m_bitmap; },
                             [this](const QString& n) {
                               m_bitmap = n;
                               m_cache = QPixmap();
                               update();
                             }};
  Property<bool> lFlat{[this] { return m_flat; },
                       [this](const bool& on) {
                         m_flat = on;
                         update();
                       }};
  Property<bool> lTabStop{[this] { return focusPolicy() != Qt::NoFocus; },
                          [this](const bool& on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); }};

  Event<TBtnBmp*> OnClick;

  // Presses the button as a touch would (tests and tools).
  void Press() { click(); }

  QSize sizeHint() const override { return QSize(90, 42); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture(const QSize& size);
  QString m_bitmap;
  QPixmap m_cache;
  bool m_flat = false;
};

class TButton : public TControl<TButton, QPushButton> {
 public:
  TButton(QWidget* parent, const QString& name) : TControl(parent, name) {
    connect(this, &QPushButton::clicked, this, [this] { OnClick(this); });
  }
  Property<QString> cText{[this] { return text(); }, [this](const QString& t) { setText(t); }};
  Event<TButton*> OnClick;
  void Press() { click(); }
};
