#pragma once
// Text entry, one line or several.
//
// Assigning Value stores the text without trailing blanks. nMaxLength, lNumeric and a digit
// cPicture limit only what is typed on a physical keyboard; the on-screen keys write through
// Value or InsertText and are not limited.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

#include "toolkit/TControl.h"

class TEdit : public TControl<TEdit, QWidget> {
 public:
  TEdit(QWidget* parent, const QString& name);

  Property<QString> Value{[this] { return text(); }, [this](const QString& t) { setText(t); }};
  Property<QString> cText{[this] { return text(); }, [this](const QString& t) { setText(t); }};
  Property<int> nMaxLength{[this] { return m_maxLength; }, [this](const int& n) { m_maxLength = std::max(0, n); }};
  Property<bool> lPassword{[this] { return m_line->echoMode() == QLineEdit::Password; },
                           [this](const bool& on) { setPassword(on); }};
  Property<bool> lNumeric{[this] { return m_numeric; }, [this](const bool& on) { m_numeric = on; }};
  Property<QString> cPicture{[this] { return m_picture; }, [this](const QString& p) { m_picture = p; }};
  Property<bool> lAutoSelect{[this] { return m_autoSelect; }, [this](const bool& on) { m_autoSelect = on; }};
  Property<bool> lReadOnly{[this] { return m_line->isReadOnly(); }, [this](const bool& on) { setReadOnly(on); }};
  Property<bool> lMultiline{[this] { return m_memo != nullptr; }, [this](const bool& on) { setMultiline(on); }};
  // 0 left, 1 centre, 2 right (one-line edits).
  Property<int> nAlignment{[this] { return m_line->alignment() & Qt::AlignHCenter ? 1 : m_line->alignment() & Qt::AlignRight ? 2 : 0; },
                           [this](const int& a) {
                             m_line->setAlignment(a == 1 ? Qt::AlignCenter : a == 2 ? (Qt::AlignRight | Qt::AlignVCenter) : (Qt::AlignLeft | Qt::AlignVCenter));
                           }};

  Event<TEdit*> OnClick;
  Event<TEdit*> OnChange;  // typing, InsertText and Backspace; not assignments to Value
  Event<TEdit*> OnExit;

  // What the on-screen keyboard needs.
  void InsertText(const QString& s);  // at the caret, replacing a selection
  void Backspace();                   // removes the character before the caret
  int CaretPos() const;               // 0-based
  void SetCaret(int pos);
  void CaretToEnd();                  // focus and caret after the last character
  void SetSel(int start, int end);    // 0-based selection

  QString text() const;
  void setText(const QString& t);
  void SetFocus();
  bool HasFocus() const;

  // The widget that takes the typing (tests send key events to it).
  QWidget* Editor() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool acceptTyped(const QString& typed) const;
  QString pictureFiltered(const QString& typed, int at) const;
  void setReadOnly(bool on);
  void setPassword(bool on);
  void setMultiline(bool on);

  QLineEdit* m_line;
  QPlainTextEdit* m_memo = nullptr;
  int m_maxLength = 0;
  bool m_numeric = false;
  bool m_autoSelect = false;
  QString m_picture;
  bool m_inProgram = false;
};

// Masked entry: an edit whose picture also shows its literal characters while typing.
class TMaskEdit : public TEdit {
 public:
  TMaskEdit(QWidget* parent, const QString& name) : TEdit(parent, name) {}
  static TMaskEdit* New(QWidget* parent, const QString& name = QString()) { return new TMaskEdit(parent, name); }
};
