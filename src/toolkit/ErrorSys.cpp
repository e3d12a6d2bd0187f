#include "toolkit/ErrorSys.h"

#include <cstdlib>

// Provisional handler; the full log layout and the error window replace it.
namespace {
bool g_network = false;
std::function<ErrorChoice(const TError&)> g_answer;
std::function<void()> g_quit;
}  // namespace

namespace ErrorSys {

ErrorChoice Handle(const TError& error, std::source_location) {
  if (error.lockError) {
    g_network = true;
    return ErrorChoice::Default;
  }
  const ErrorChoice c = g_answer ? g_answer(error) : ErrorChoice::Quit;
  if (c == ErrorChoice::Quit) {
    if (g_quit) g_quit();
    else std::exit(1);
  }
  return c;
}

bool Guard(const std::function<bool(TError&)>& operation, std::source_location where) {
  for (;;) {
    TError e;
    if (operation(e)) return true;
    const ErrorChoice c = Handle(e, where);
    if (c != ErrorChoice::Retry) return false;
  }
}

bool NetworkError() { return g_network; }
void ResetNetworkError() { g_network = false; }
void SetAnswerForTests(std::function<ErrorChoice(const TError&)> answer) { g_answer = std::move(answer); }
void SetQuitAction(std::function<void()> quit) { g_quit = std::move(quit); }

}  // namespace ErrorSys
