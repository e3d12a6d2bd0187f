#pragma once
// Drop-down list. nIndex is 1-based (0: nothing selected). OnChange fires only when the
// user picks an item, never for a selection made by the program.
#include <QComboBox>
#include <QStringList>

#include "toolkit/TControl.h"

class TComboBox : public TControl<TComboBox, QComboBox> {
 public:
  TComboBox(QWidget* parent, const QString& name);

  Property<int> nIndex{[this] { return currentIndex() + 1; }, [this](const int& i) { select(i); }};
  // The selected item's text; assigning selects the item with that text (none when absent).
  Property<QString> cText{[this] { return currentIndex() >= 0 ? currentText() : QString(); },
                          [this](const QString& t) { select(findText(t) + 1); }};
  Property<QStringList> aItems{[this] { return items(); }, [this](const QStringList& l) { SetItems(l); }};

  void AddItem(const QString& text);       // appends; the selection does not change
  void SetItems(const QStringList& items);  // replaces the list; nothing selected
  void Reset();                             // empties the list
  int Len() const { return count(); }
  QStringList items() const;

  // Selects item n as a user would (fires OnChange); for tests and tools.
  void UserSelect(int n);

  Event<TComboBox*> OnChange;

 private:
  void select(int oneBased);
  int m_programmatic = 0;
};
