#pragma once
#include <QWidget>
// Login window.
class TRegistro : public QWidget {
  Q_OBJECT
 public:
  explicit TRegistro(QWidget* parent = nullptr);
};
