#pragma once
// A pop-up menu of texts, each bound to a handler.
#include <QMenu>
#include <QPoint>
#include <functional>

class TPopupMenu : public QMenu {
 public:
  explicit TPopupMenu(QWidget* parent = nullptr) : QMenu(parent) {}
  static TPopupMenu* New(QWidget* parent) { return new TPopupMenu(parent); }

  QAction* AddItem(const QString& text, std::function<void()> handler) {
    QAction* a = addAction(text);
    QObject::connect(a, &QAction::triggered, a, [h = std::move(handler)] {
      if (h) h();
    });
    return a;
  }
  void AddSeparator() { addSeparator(); }
  // Shows the menu at a position of `owner` and waits for the choice.
  void Activate(QWidget* owner, const QPoint& at) { exec(owner ? owner->mapToGlobal(at) : at); }
};
