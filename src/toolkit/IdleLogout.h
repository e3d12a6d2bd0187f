#pragma once
// Ends a session that was walked away from. After PORTAL_INACTIVIDAD_SEGUNDOS seconds
// without touch, mouse or key input (120 by default; 0 switches it off) a notice counts
// down kCountdown seconds, and any input cancels it. When it runs out, every modal window
// (screens, dialogs, message boxes, previews) is closed from the top down without its close
// handler, so nothing is saved, and then the home screen's action runs: the menu logs out,
// the login window clears what was typed. Screens opened modally need nothing of their own.
#include <QWidget>
#include <functional>

namespace IdleLogout {

constexpr int kDefaultSeconds = 120;
constexpr int kCountdown = 20;

// Reads PORTAL_INACTIVIDAD_SEGUNDOS and starts watching the input (again, when called twice).
void Start();
void Stop();
int Seconds();  // 0 when off

// The screen that holds the session names what a timeout does there. `pending` says whether
// there is anything to end (no notice on an empty login window); absent means always.
// The latest visible home counts; a home is forgotten when it is destroyed.
void SetHome(QWidget* home, std::function<void()> action, std::function<bool()> pending = {});

// True from the end of the countdown until the home's action has run: no new box or modal
// screen opens meanwhile.
bool Closing();

// The countdown notice while it is shown, else null; the seconds it still shows.
QWidget* Notice();
int SecondsLeft();

// Kept by the screens' modal loops: the home's action waits until every one has returned.
void ModalLoopStarted();
void ModalLoopEnded();

// Test seam: the length of one countdown second, in milliseconds.
void SetTickForTests(int ms);

}  // namespace IdleLogout
