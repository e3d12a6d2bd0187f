#pragma once
// Controls that hold other controls: framed groups, panels and tabbed folders.
#include <QFrame>
#include <QGroupBox>
#include <QList>
#include <QTabWidget>

#include "toolkit/TControl.h"

class TGroupBox : public TControl<TGroupBox, QGroupBox> {
 public:
  TGroupBox(QWidget* parent, const QString& name) : TControl(parent, name) {}
  Property<QString> cText{[this] { return title(); }, [this](const QString& t) { setTitle(t); }};
};

class TPanel : public TControl<TPanel, QFrame> {
 public:
  TPanel(QWidget* parent, const QString& name) : TControl(parent, name) {}
};

class TFolderPage : public TControl<TFolderPage, QWidget> {
 public:
  TFolderPage(QWidget* parent, const QString& name) : TControl(parent, name) {}
};

// Tabbed pages; pages are added in order and numbered from 1.
class TFolder : public TControl<TFolder, QTabWidget> {
 public:
  TFolder(QWidget* parent, const QString& name) : TControl(parent, name) {
    connect(this, &QTabWidget::currentChanged, this, [this](int) { OnChange(this); });
  }

  TFolderPage* AddPage(const QString& text, const QString& name = QString()) {
    auto* page = new TFolderPage(this, name);
    m_pages.append(page);
    addTab(page, text);
    return page;
  }
  TFolderPage* Page(int n) const { return n >= 1 && n <= m_pages.size() ? m_pages[n - 1] : nullptr; }
  QList<TFolderPage*> aDialogs() const { return m_pages; }

  // The current page, 1-based.
  Property<int> nOption{[this] { return currentIndex() + 1; }, [this](const int& n) { setCurrentIndex(n - 1); }};
  void SetPrompt(int n, const QString& text) { setTabText(n - 1, text); }

  Event<TFolder*> OnChange;

 private:
  QList<TFolderPage*> m_pages;
};
