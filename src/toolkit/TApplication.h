#pragma once
// The application object: title, icon, automatic scaling, the list of top-level screens and
// the event loop that runs until no screen remains visible.
//
// The first screen created is the main window. When the main window is hidden, the first
// remaining visible screen becomes the main window; when none is visible every remaining
// screen is destroyed and Run() returns. The check runs once control is back in the loop,
// so a screen that closes itself right after opening the next one keeps the program going.
#include <QIcon>
#include <QPoint>
#include <QSize>
#include <QString>

class TForm;

namespace Application {

void SetTitle(const QString& title);  // message boxes without a title carry it
QString Title();
void SetIcon(const QIcon& icon);
QIcon Icon();

// Automatic scaling of windows to the screen: Qt's device-independent pixels with the exact
// (not rounded) scale factor of the screen. Must be called before the QApplication exists.
void EnableAutoScale();

// With the screens scaled to fit the screen, the area they are drawn for (1024 × 768), centred on
// the primary screen: screens that place their windows place them inside it. Unset, windows go
// where the screens say.
void SetDesignArea(const QSize& size);
QPoint DesignOrigin();

// Runs the event loop until no screen is visible; returns 0.
int Run();
bool Running();

TForm* MainWindow();
QList<TForm*> Windows();  // live screens in creation order

// Called by TForm.
void Register(TForm* form);
void Unregister(TForm* form);
void WindowHidden(TForm* form);

}  // namespace Application
