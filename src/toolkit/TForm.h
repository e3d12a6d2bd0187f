#pragma once
// The form every screen derives from.
//
//   class TPoblacion : public TForm {
//    public:
//     using TForm::TForm;
//     QString valor;                       // result read by the opener after ShowModal
//    protected:
//     void CreateForm() override {
//       SetBounds(501, 146, 534, 571);
//       SetClientSize(518, 532);
//       cText = "Poblaciones";
//       nBorderStyle = 1;
//       OnInitialize = [this] { FormInitialize(); };
//       btnAceptar = TBtnBmp::New(this, "btnAceptar");
//       btnAceptar->OnClick = [this] { btnAceptarClick(); };
//     }
//   };
//   auto* dlg = TForm::New<TPoblacion>(this);   // CreateForm, then OnInitialize
//   dlg->ShowModal();                           // returns when it closes
//   QString v = dlg->valor;                     // still readable until control returns to the loop
#include <QEventLoop>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <type_traits>

#include "toolkit/Property.h"

class TForm : public QWidget {
  Q_OBJECT

 public:
  explicit TForm(QWidget* parent = nullptr);
  ~TForm() override;

  // Constructs a screen, lets the opener set its variables, runs CreateForm and OnInitialize.
  template <class T>
  static T* New(QWidget* parent = nullptr) {
    return New<T>(parent, [](T&) {});
  }
  template <class T, class Setup>
  static T* New(QWidget* parent, Setup&& setup) {
    static_assert(std::is_base_of_v<TForm, T>, "screens derive from TForm");
    T* form = new T(parent);
    setup(*form);
    form->Construct();
    return form;
  }
  // Runs CreateForm and then OnInitialize, once; for screens built in two steps.
  void Construct();

  // Outer position and size of the window; SetClientSize fixes the client area.
  void SetBounds(int x, int y, int w, int h);
  void SetClientSize(int w, int h);

  Property<QString> cText;
  Property<QFont> oFont;
  Property<int> nBorderStyle;   // 0 pop-up ... 6 splash, see the .cpp
  Property<QString> oBkgnd;     // picture painted over the client area
  Property<QIcon> oIcon;
  bool lParentIcon = false;
  bool lAppWindow = false;
  bool lCentered = false;
  Property<bool> lCloseBox;
  Property<bool> lSysMenu;
  Property<bool> lMinimizeBox;
  Property<bool> lMaximizeBox;
  bool lModal = false;
  int nFormType = 0;

  Event<> OnInitialize;
  Event<> OnActivate;
  Event<> OnShow;
  Event<> OnClose;        // a handler returning false keeps the window open
  Event<> OnBeforeCreate;
  Event<> OnCreate;

  // Shows the screen modally and returns when it closes; the parent is blocked meanwhile and
  // activated again afterwards. The screen is deleted once control returns to the event loop.
  void ShowModal();
  // Shows the screen without waiting; it is deleted after it closes.
  void Show();
  // Asks the window to close; false when OnClose kept it open.
  bool Close();
  void Refresh() { update(); }

  bool IsModalRunning() const { return m_loop != nullptr; }

  // A control of this screen by its name, or null.
  template <class T = QWidget>
  T* Find(const QString& name) const {
    for (QWidget* w : findChildren<QWidget*>(name))
      if (auto* t = dynamic_cast<T*>(w)) return t;
    return nullptr;
  }

  // Test seam: while set, ShowModal shows the screen, hands it to the hook (which may press
  // buttons and close it) and returns without a nested loop. A screen the hook left open is
  // hidden without asking OnClose.
  using ModalHook = std::function<void(TForm&)>;
  static void SetModalHook(ModalHook hook);
  static bool HasModalHook();

 protected:
  virtual void CreateForm() {}

  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void applyWindowFlags();
  void prepareFirstShow();
  void showWindow();
  void finishModal(QWidget* opener);

  bool m_constructed = false;
  bool m_prepared = false;
  bool m_closeBox = true;
  bool m_sysMenu = true;
  bool m_minBox = false;
  bool m_maxBox = false;
  int m_borderStyle = 1;
  QString m_bkgnd;
  QSize m_clientSize;
  QEventLoop* m_loop = nullptr;
};
