#include "toolkit/TEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QTimer>

#include "toolkit/TextUtil.h"

namespace {

bool isMaskChar(QChar p) {
  return p == u'9' || p == u'#' || p == u'A' || p == u'N' || p == u'X' || p == u'!';
}

bool fitsMask(QChar p, QChar c) {
  switch (p.unicode()) {
    case u'9': return c.isDigit();
    case u'#': return c.isDigit() || c == u' ' || c == u'-' || c == u'+';
    case u'A': return c.isLetter();
    case u'N': return c.isLetterOrNumber();
    default: return true;
  }
}

}  // namespace

TEdit::TEdit(QWidget* parent, const QString& name) : TControl(parent, name), m_line(new QLineEdit(this)) {
  m_line->setObjectName(name + QStringLiteral(".editor"));
  m_line->setGeometry(rect());
  m_line->installEventFilter(this);
  setFocusProxy(m_line);
  setFocusPolicy(Qt::StrongFocus);
  connect(m_line, &QLineEdit::textEdited, this, [this] { OnChange(this); });
}

void TEdit::setPassword(bool on) {
  m_line->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
  // The password mask is an asterisk, as the terminal has always shown it. Only password edits
  // carry the style sheet: a styled edit costs several times a plain one to polish and paint.
  m_line->setStyleSheet(on ? QStringLiteral("lineedit-password-character: 42;") : QString());
}

QWidget* TEdit::Editor() const {
  return m_memo ? static_cast<QWidget*>(m_memo) : static_cast<QWidget*>(m_line);
}

QString TEdit::text() const { return m_memo ? m_memo->toPlainText() : m_line->text(); }

void TEdit::setText(const QString& t) {
  const QString v = Text::RTrim(t);
  if (m_memo) {
    const QSignalBlocker b(m_memo);
    m_memo->setPlainText(v);
  } else {
    m_line->setText(v);
  }
}

void TEdit::setReadOnly(bool on) {
  m_line->setReadOnly(on);
  if (m_memo) m_memo->setReadOnly(on);
}

void TEdit::setMultiline(bool on) {
  if (on == (m_memo != nullptr)) return;
  const QString current = text();
  if (on) {
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(objectName() + QStringLiteral(".editor"));
    m_memo->setGeometry(rect());
    m_memo->setReadOnly(m_line->isReadOnly());
    m_memo->setFont(font());
    m_memo->installEventFilter(this);
    m_memo->viewport()->installEventFilter(this);
    m_memo->setPlainText(current);
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
      if (!m_inProgram) OnChange(this);
    });
    m_line->hide();
    m_memo->show();
    setFocusProxy(m_memo);
  } else {
    setFocusProxy(m_line);
    m_memo->deleteLater();
    m_memo = nullptr;
    m_line->show();
    m_line->setText(current);
  }
}

void TEdit::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_line->setGeometry(rect());
  if (m_memo) m_memo->setGeometry(rect());
}

void TEdit::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // The inner editor takes the edit's font even where the platform gives line edits one of
  // their own.
  if (event->type() == QEvent::FontChange) {
    m_line->setFont(font());
    if (m_memo) m_memo->setFont(font());
  }
}

int TEdit::CaretPos() const { return m_memo ? m_memo->textCursor().position() : m_line->cursorPosition(); }

void TEdit::SetCaret(int pos) {
  const int n = static_cast<int>(text().size());
  pos = std::clamp(pos, 0, n);
  if (m_memo) {
    QTextCursor c = m_memo->textCursor();
    c.setPosition(pos);
    m_memo->setTextCursor(c);
  } else {
    m_line->setCursorPosition(pos);
  }
}

void TEdit::SetSel(int start, int end) {
  const int n = static_cast<int>(text().size());
  start = std::clamp(start, 0, n);
  end = std::clamp(end, 0, n);
  if (m_memo) {
    QTextCursor c = m_memo->textCursor();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    m_memo->setTextCursor(c);
  } else {
    m_line->setSelection(start, end - start);
  }
}

void TEdit::CaretToEnd() {
  SetFocus();
  SetCaret(static_cast<int>(text().size()));
}

void TEdit::SetFocus() { Editor()->setFocus(Qt::OtherFocusReason); }

bool TEdit::HasFocus() const { return Editor()->hasFocus(); }

void TEdit::InsertText(const QString& s) {
  if (m_memo) {
    m_inProgram = true;
    m_memo->textCursor().insertText(s);
    m_inProgram = false;
  } else {
    // Written directly, so that neither the maximum length nor a validator can refuse it.
    QString t = m_line->text();
    int at = m_line->cursorPosition();
    if (m_line->hasSelectedText()) {
      at = m_line->selectionStart();
      t.remove(at, m_line->selectedText().size());
    }
    t.insert(at, s);
    m_line->setText(t);
    m_line->setCursorPosition(at + static_cast<int>(s.size()));
  }
  OnChange(this);
}

void TEdit::Backspace() {
  if (m_memo) {
    QTextCursor c = m_memo->textCursor();
    if (!c.hasSelection() && c.position() == 0) return;
    m_inProgram = true;
    c.deletePreviousChar();
    m_inProgram = false;
    m_memo->setTextCursor(c);
  } else {
    QString t = m_line->text();
    if (m_line->hasSelectedText()) {
      const int at = m_line->selectionStart();
      t.remove(at, m_line->selectedText().size());
      m_line->setText(t);
      m_line->setCursorPosition(at);
    } else {
      const int at = m_line->cursorPosition();
      if (at == 0) return;
      t.remove(at - 1, 1);
      m_line->setText(t);
      m_line->setCursorPosition(at - 1);
    }
  }
  OnChange(this);
}

// The part of `typed` that the picture accepts at position `at`; literal positions are
// filled in as the user types over them.
QString TEdit::pictureFiltered(const QString& typed, int at) const {
  QString out;
  for (QChar c : typed) {
    while (at < m_picture.size() && !isMaskChar(m_picture[at])) {
      out += m_picture[at];
      if (c == m_picture[at]) break;
      ++at;
    }
    if (at >= m_picture.size()) break;
    if (!isMaskChar(m_picture[at])) {  // the user typed the literal itself
      ++at;
      continue;
    }
    if (!fitsMask(m_picture[at], c)) break;
    out += m_picture[at] == u'!' ? c.toUpper() : c;
    ++at;
  }
  return out;
}

bool TEdit::acceptTyped(const QString& typed) const {
  if (m_numeric)
    for (QChar c : typed)
      if (!c.isDigit()) return false;
  return true;
}

bool TEdit::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (watched == m_line || (m_memo && watched == m_memo->viewport())) OnClick(this);
      break;
    case QEvent::FocusIn:
      if (m_autoSelect && watched == m_line)
        QTimer::singleShot(0, m_line, [l = QPointer<QLineEdit>(m_line)] {
          if (l) l->selectAll();
        });
      break;
    case QEvent::FocusOut:
      if (watched == Editor()) OnExit(this);
      break;
    case QEvent::KeyPress: {
      if (watched != Editor()) break;
      auto* key = static_cast<QKeyEvent*>(event);
      QString typed;
      if (key->matches(QKeySequence::Paste)) {
        typed = QGuiApplication::clipboard()->text();
        if (!m_memo) typed.remove(u'\n').remove(u'\r');
      } else {
        typed = key->text();
        if (typed.isEmpty() || !typed.at(0).isPrint()) break;  // navigation and editing keys
      }
      if (!m_memo && m_line->isReadOnly()) break;
      if (!acceptTyped(typed)) return true;
      const int selected = m_memo ? static_cast<int>(m_memo->textCursor().selectedText().size())
                                  : static_cast<int>(m_line->selectedText().size());
      const int start = m_memo ? m_memo->textCursor().selectionStart()
                               : (m_line->hasSelectedText() ? m_line->selectionStart() : m_line->cursorPosition());
      if (!m_picture.isEmpty() && !m_memo) typed = pictureFiltered(typed, start);
      int limit = m_maxLength;
      if (!m_picture.isEmpty() && (limit == 0 || limit > m_picture.size())) limit = static_cast<int>(m_picture.size());
      if (limit > 0) {
        const int room = limit - (static_cast<int>(text().size()) - selected);
        if (room <= 0) return true;
        typed = typed.left(room);
      }
      if (typed.isEmpty()) return true;
      if (typed == key->text() && m_picture.isEmpty()) break;  // let the editor type it
      m_inProgram = true;
      if (m_memo) m_memo->textCursor().insertText(typed);
      else m_line->insert(typed);
      m_inProgram = false;
      if (m_memo) OnChange(this);  // the one-line editor reports through textEdited
      return true;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}
