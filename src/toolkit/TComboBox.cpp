#include "toolkit/TComboBox.h"

namespace {
struct Guard {
  int& depth;
  explicit Guard(int& d) : depth(d) { ++depth; }
  ~Guard() { --depth; }
};
}  // namespace

TComboBox::TComboBox(QWidget* parent, const QString& name) : TControl(parent, name) {
  setEditable(false);
  connect(this, &QComboBox::currentIndexChanged, this, [this](int) {
    if (m_programmatic == 0) OnChange(this);
  });
}

void TComboBox::select(int oneBased) {
  Guard g(m_programmatic);
  setCurrentIndex(oneBased >= 1 && oneBased <= count() ? oneBased - 1 : -1);
}

void TComboBox::AddItem(const QString& text) {
  Guard g(m_programmatic);
  const int before = currentIndex();
  addItem(text);
  if (before < 0) setCurrentIndex(-1);  // adding never selects
}

void TComboBox::SetItems(const QStringList& list) {
  Guard g(m_programmatic);
  clear();
  addItems(list);
  setCurrentIndex(-1);
}

void TComboBox::Reset() {
  Guard g(m_programmatic);
  clear();
}

QStringList TComboBox::items() const {
  QStringList out;
  for (int i = 0; i < count(); ++i) out.append(itemText(i));
  return out;
}

void TComboBox::UserSelect(int n) {
  setCurrentIndex(n >= 1 && n <= count() ? n - 1 : -1);
}
