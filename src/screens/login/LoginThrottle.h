#pragma once
// Slows repeated failed logins for one employee number on this terminal, without ever
// locking anyone out: after the third failure in a row each next attempt for that number
// waits 2, 4, 8, 16 and then at most 30 seconds; a success clears the count. The
// administrator entry is one more name.
#include <QHash>
#include <QString>
#include <functional>

class LoginThrottle {
 public:
  // The one of this terminal (lives for the program's run, across login windows).
  static LoginThrottle& Terminal();

  // The name failures are counted under: an employee number by its value (0012 is 12),
  // the administrator entry in lower case, anything else trimmed.
  static QString KeyOf(const QString& typed);

  // Seconds before the next attempt for that name may run (0: now).
  int SecondsLeft(const QString& key) const;
  int Failures(const QString& key) const;
  void Failed(const QString& key);
  void Succeeded(const QString& key);

  // The wait after `failures` failures in a row.
  static int WaitAfter(int failures);
  static constexpr int kFreeAttempts = 3;
  static constexpr int kLongestWait = 30;

  // Test seam: the clock in milliseconds (a steady clock when empty).
  static void SetClockForTests(std::function<qint64()> clock);

 private:
  struct State {
    int failures = 0;
    qint64 until = 0;
  };
  static qint64 now();
  QHash<QString, State> m_states;
};
