#include "check/Bounded.h"

namespace Bounded {

int& Abandoned() {
  static int count = 0;
  return count;
}

std::atomic<int>& Running() {
  static std::atomic<int> count{0};
  return count;
}

}  // namespace Bounded
