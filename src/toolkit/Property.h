#pragma once
// Named properties and bindable events for forms and controls.
//
//   edit->Value = "123";            // assigns through the control's setter
//   QString v = edit->Value;        // reads through its getter
//   edit->Value().trimmed();        // call () where a plain value is needed
//   btn->OnClick = [this](TBtnBmp* s) { btnAceptarClick(s); };
//   btn->OnClick = [this] { Close(); };   // the sender may be left out
#include <functional>
#include <type_traits>
#include <utility>

template <class T>
class Property {
 public:
  using Getter = std::function<T()>;
  using Setter = std::function<void(const T&)>;

  Property(Getter get, Setter set) : m_get(std::move(get)), m_set(std::move(set)) {}
  Property(const Property&) = delete;

  Property& operator=(const T& value) {
    m_set(value);
    return *this;
  }
  // Copies the other property's current value, not its binding.
  Property& operator=(const Property& other) {
    m_set(other());
    return *this;
  }
  template <class U, class = std::enable_if_t<std::is_constructible_v<T, U> && !std::is_same_v<std::decay_t<U>, T> &&
                                              !std::is_same_v<std::decay_t<U>, Property>>>
  Property& operator=(U&& value) {
    m_set(T(std::forward<U>(value)));
    return *this;
  }

  T operator()() const { return m_get(); }
  operator T() const { return m_get(); }

 private:
  Getter m_get;
  Setter m_set;
};

// An event a screen binds to one of its methods. The handler may take the sender or nothing;
// handlers returning bool can veto (a missing handler or one returning void counts as true).
template <class... Args>
class Event {
 public:
  Event() = default;
  Event(std::nullptr_t) {}

  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Event>>>
  Event& operator=(F&& f) {
    m_fn = wrap(std::forward<F>(f));
    return *this;
  }
  Event& operator=(std::nullptr_t) {
    m_fn = nullptr;
    return *this;
  }

  explicit operator bool() const { return static_cast<bool>(m_fn); }

  // Runs the handler; true when none is bound or it did not answer false.
  bool operator()(Args... args) const { return m_fn ? m_fn(args...) : true; }

 private:
  template <class F>
  static std::function<bool(Args...)> wrap(F&& f) {
    using Fn = std::decay_t<F>;
    if constexpr (std::is_invocable_v<Fn, Args...>) {
      return [fn = Fn(std::forward<F>(f))](Args... a) mutable -> bool {
        if constexpr (std::is_convertible_v<std::invoke_result_t<Fn, Args...>, bool>)
          return static_cast<bool>(std::invoke(fn, a...));
        else {
          std::invoke(fn, a...);
          return true;
        }
      };
    } else {
      static_assert(std::is_invocable_v<Fn>, "an event handler takes the sender or nothing");
      return [fn = Fn(std::forward<F>(f))](Args...) mutable -> bool {
        if constexpr (std::is_convertible_v<std::invoke_result_t<Fn>, bool>)
          return static_cast<bool>(std::invoke(fn));
        else {
          std::invoke(fn);
          return true;
        }
      };
    }
  }

  std::function<bool(Args...)> m_fn;
};
