#pragma once
// Runs a piece of the check on a thread of its own and waits for it at most a given time. A
// piece that does not finish in time is left to end on its own: it owns everything it uses.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace Bounded {

// Pieces whose thread has not ended yet.
std::atomic<int>& Running();

template <class Result>
class Task {
 public:
  explicit Task(std::function<Result()> work) : m_state(std::make_shared<State>()) {
    ++Running();
    std::thread([state = m_state, work = std::move(work)] {
      Result r = work();
      {
        std::lock_guard lock(state->mutex);
        state->result = std::move(r);
        state->done.notify_all();
      }
      --Running();
    }).detach();
  }
  // The result, or nothing when the piece has not ended by `deadline`.
  std::optional<Result> WaitUntil(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(m_state->mutex);
    m_state->done.wait_until(lock, deadline, [this] { return m_state->result.has_value(); });
    return m_state->result;
  }

 private:
  struct State {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<Result> result;
  };
  std::shared_ptr<State> m_state;
};

// Pieces left running when the check ended: the program then ends without waiting for them.
int& Abandoned();

}  // namespace Bounded
