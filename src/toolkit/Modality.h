#pragma once
// What every modal window of the portal shares, however it is closed (its own button, the
// window system's close box, Alt+F4, a compositor's close, the idle logout): it is kept above
// the window that opened it, and that window is active again and takes the next touch once
// it has gone. A window that has just opened under a finger ignores that finger for a moment,
// so the second tap of a double tap does not press what lies under it.
#include <QPointer>
#include <QWidget>

namespace Modality {

// Touches on a window in its first kGuardMs after it shows are ignored.
constexpr int kGuardMs = 300;

// The window a modal window opened now belongs to: the top modal window, else the active one.
QWidget* Opener();

// Gives a dialog that has no parent its opener as parent while it runs, so that the window
// system keeps it above the opener and gives the opener back its focus. Undone by Return.
bool Adopt(QWidget& dialog, QWidget* opener);

// After a modal window has closed: the dialog adopted by Adopt leaves its opener again, and
// the opener is raised, active and focused.
void Return(QWidget* opener, QWidget* adopted = nullptr);

// Starts ignoring touches on windows that have just opened (installed once, on the application).
void InstallTouchGuard();
// Whether a touch on `window` now would be taken (tests wait for it instead of sleeping).
bool TakesTouches(const QWidget* window);

}  // namespace Modality
