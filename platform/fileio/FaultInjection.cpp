#include "platform/fileio/FaultInjection.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace fileio::faults {
namespace {

std::atomic<int> armedAt{0};
std::atomic<int> armedAction{static_cast<int>(Action::kNone)};
std::atomic<int> passed{0};

}  // namespace

void Arm(int k, Action action) {
  passed = 0;
  armedAction = static_cast<int>(k > 0 ? action : Action::kNone);
  armedAt = k > 0 && action != Action::kNone ? k : 0;
}

void Disarm() {
  Arm(0, Action::kNone);
}

int PointsPassed() {
  return passed.load();
}

void ResetCount() {
  passed = 0;
}

int Hit(Point /*point*/) {
  const int number = ++passed;
  if (armedAt.load() != number) return 0;
  const auto action = static_cast<Action>(armedAction.load());
  armedAt = 0;
  switch (action) {
    case Action::kNoSpace:
      return ENOSPC;
    case Action::kIoError:
      return EIO;
    case Action::kExit:
      _exit(kExitCode);
    case Action::kNone:
      break;
  }
  return 0;
}

}  // namespace fileio::faults
