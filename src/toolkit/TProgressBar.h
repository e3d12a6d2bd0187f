#pragma once
// Progress bar with a range, a position and a step.
#include <QProgressBar>
#include <algorithm>

#include "toolkit/TControl.h"

class TProgressBar : public TControl<TProgressBar, QProgressBar> {
 public:
  TProgressBar(QWidget* parent, const QString& name) : TControl(parent, name) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
  }
  void SetRange(int low, int high) { setRange(low, std::max(low, high)); }
  void SetPos(int n) { setValue(std::clamp(n, minimum(), maximum())); }
  void SetStep(int n) { m_step = n; }
  void StepIt() { SetPos(value() + m_step); }
  Property<int> nPosition{[this] { return value(); }, [this](const int& n) { SetPos(n); }};
  Property<int> nTotal{[this] { return maximum(); }, [this](const int& n) { SetRange(minimum(), n); }};

 private:
  int m_step = 1;
};
