// Runs a step that must never block, under a watchdog, so that a regression fails its test
// instead of hanging the whole run. A step still running when its time is up is released
// by opening the other end of the named pipe it may be blocked on; it then sees the end of
// the file and returns, and the test reports the hang. A step that does not return even
// then ends the program with a message saying which step hung.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <string>
#include <thread>

namespace hangguard {

// Far above what any of the guarded steps takes, even on a loaded machine with sanitizers.
constexpr std::chrono::seconds kAllowed{10};

inline bool MakePipe(const std::string& path) {
  return mkfifo(path.c_str(), 0600) == 0;
}

// Lets a step blocked on the pipe go on until it returns: a reader blocked in open() is
// released by a writer that opens and closes at once (the reader then sees the end of the
// file), a writer by a reader that stays open and drains what it is given.
inline bool ReleaseUntilDone(const std::string& pipe, std::future<void>& done) {
  const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  const auto deadline = std::chrono::steady_clock::now() + kAllowed;
  bool finished = false;
  while (!finished && std::chrono::steady_clock::now() < deadline) {
    const int writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (writer >= 0) close(writer);
    char sink[4096];
    while (reader >= 0 && read(reader, sink, sizeof sink) > 0) {
    }
    finished = done.wait_for(std::chrono::milliseconds(10)) == std::future_status::ready;
  }
  if (reader >= 0) close(reader);
  return finished;
}

// True when the step returned within the time allowed. pipe may be empty when the step
// reads nothing that could be released.
inline bool FinishesInTime(const char* what, const std::string& pipe,
                           const std::function<void()>& step) {
  auto done = std::async(std::launch::async, step);
  if (done.wait_for(kAllowed) == std::future_status::ready) return true;
  const bool released = pipe.empty() ? done.wait_for(kAllowed) == std::future_status::ready
                                     : ReleaseUntilDone(pipe, done);
  if (!released) {
    std::fprintf(stderr, "%s is still blocked after %lld s; ending the test program\n", what,
                 static_cast<long long>(2 * kAllowed.count()));
    std::abort();
  }
  return false;
}

}  // namespace hangguard
