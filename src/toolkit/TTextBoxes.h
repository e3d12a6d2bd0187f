#pragma once
// Multi-line text boxes: TMemo for plain text, TRichEdit for formatted or plain text.
#include <QPlainTextEdit>
#include <QTextEdit>

#include "toolkit/TControl.h"

class TMemo : public TControl<TMemo, QPlainTextEdit> {
 public:
  TMemo(QWidget* parent, const QString& name) : TControl(parent, name) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] { OnChange(this); });
  }
  Property<QString> Value{[this] { return toPlainText(); }, [this](const QString& t) { setPlainText(t); }};
  Property<bool> lReadOnly{[this] { return isReadOnly(); }, [this](const bool& on) { setReadOnly(on); }};
  Event<TMemo*> OnChange;
};

class TRichEdit : public TControl<TRichEdit, QTextEdit> {
 public:
  TRichEdit(QWidget* parent, const QString& name) : TControl(parent, name) { setAcceptRichText(false); }
  // Plain text in, plain text out: nothing is interpreted as markup.
  Property<QString> Value{[this] { return toPlainText(); }, [this](const QString& t) { setPlainText(t); }};
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
