#include "screens/login/LoginThrottle.h"

#include <QElapsedTimer>
#include <algorithm>

#include "toolkit/TextUtil.h"

namespace {

std::function<qint64()>& testClock() {
  static std::function<qint64()> clock;
  return clock;
}

}  // namespace

LoginThrottle& LoginThrottle::Terminal() {
  static LoginThrottle t;
  return t;
}

qint64 LoginThrottle::now() {
  if (testClock()) return testClock()();
  static QElapsedTimer since = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return since.elapsed();
}

void LoginThrottle::SetClockForTests(std::function<qint64()> clock) { testClock() = std::move(clock); }

QString LoginThrottle::KeyOf(const QString& typed) {
  const QString t = Text::AllTrim(typed);
  if (t.compare(u"administrador", Qt::CaseInsensitive) == 0) return QStringLiteral("administrador");
  bool digits = !t.isEmpty();
  for (QChar c : t) digits = digits && c >= u'0' && c <= u'9';
  if (digits) return QString::number(static_cast<qlonglong>(Text::Val(t)));
  return t;
}

int LoginThrottle::WaitAfter(int failures) {
  if (failures < kFreeAttempts) return 0;
  const int doublings = std::min(failures - kFreeAttempts + 1, 5);
  return std::min(1 << doublings, kLongestWait);
}

int LoginThrottle::SecondsLeft(const QString& key) const {
  const auto it = m_states.constFind(key);
  if (it == m_states.cend()) return 0;
  const qint64 left = it->until - now();
  return left <= 0 ? 0 : static_cast<int>((left + 999) / 1000);
}

int LoginThrottle::Failures(const QString& key) const { return m_states.value(key).failures; }

void LoginThrottle::Failed(const QString& key) {
  State& s = m_states[key];
  ++s.failures;
  s.until = now() + qint64(WaitAfter(s.failures)) * 1000;
}

void LoginThrottle::Succeeded(const QString& key) { m_states.remove(key); }
