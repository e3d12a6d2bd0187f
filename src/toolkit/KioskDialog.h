#pragma once
// The look the portal's small touch dialogs share (print confirmation, media list, progress,
// idle notice): a fixed centred window on a plain background, word-wrapped named labels and
// finger-sized buttons that take no keyboard focus.
#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;
class TButton;
class TForm;

namespace KioskDialog {

inline const QColor kFondo{236, 242, 250};

void Frame(TForm& dialog, const QColor& background = kFondo);
QLabel* Label(QWidget* parent, const char* name, const QFont& font, const QString& text);
TButton* Button(QWidget* parent, const char* name, const QString& text, const QFont& font, QSize minimum);

}  // namespace KioskDialog
