#pragma once
// The modal window of the general error handler.
#include "toolkit/ErrorSys.h"

class QWidget;

namespace ErrorWindow {

// Shows the message over `owner` with "&Salir", and "&Reintentar" / "&Ignorar" when the error
// allows them; closing the window counts as "&Salir". Object name "ErrorWindow"; buttons
// "btnSalir", "btnReintentar", "btnIgnorar".
ErrorChoice Ask(const TError& error, const QString& message, QWidget* owner);

}  // namespace ErrorWindow
