#pragma once
// Multi-line text boxes: TMemo for plain text, TRichEdit for formatted or plain text.
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>

#include "toolkit/TControl.h"

// The text as typed, lines ended by "\n": QTextDocument::toPlainText() would also turn a
// non-breaking space into a plain one, and a stored text would no longer be what was typed.
inline QString TypedText(const QTextDocument* document) {
  QString text = document->toRawText();
  for (QChar& c : text)
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar(0xfdd0) || c == QChar(0xfdd1))
      c = u'\n';
  return text;
}

class TMemo : public TControl<TMemo, QPlainTextEdit> {
 public:
  TMemo(QWidget* parent, const QString& name) : TControl(parent, name) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] { OnChange(this); });
  }
  Property<QString> Value{[this] { return TypedText(document()); }, [this](const QString& t) { setPlainText(t); }};
  Property<bool> lReadOnly{[this] { return isReadOnly(); }, [this](const bool& on) { setReadOnly(on); }};
  Event<TMemo*> OnChange;
};

class TRichEdit : public TControl<TRichEdit, QTextEdit> {
 public:
  TRichEdit(QWidget* parent, const QString& name) : TControl(parent, name) { setAcceptRichText(false); }
  // Plain text in, plain text out: nothing is interpreted as markup.
  Property<QString> Value{[this] { return TypedText(document()); }, [this](const QString& t) { setPlainText(t); }};
  Property<bool> lReadOnly{[this] { return isReadOnly(); },
                           [this](const bool& on) {
                             setReadOnly(on);
                             // Read-only text can still be selected and copied.
                             setTextInteractionFlags(on ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                                        : Qt::TextEditorInteraction);
                           }};
  void SetText(const QString& text) { setPlainText(text); }
  void SetHtml(const QString& html) { setHtml(html); }
};
