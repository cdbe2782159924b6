#include "platform/power/Power.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <mutex>
#include <optional>

namespace {

constexpr DWORD kKnownFlags = ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED;
// A missing or hung login manager must not hold the album up for long.
constexpr int kBusTimeoutMs = 500;

// The state is the process's rather than each thread's: the login manager inhibits sleep
// for a whole program, so one state and one inhibitor stand for all its threads.
std::mutex stateMutex;
DWORD state = ES_CONTINUOUS;
std::optional<QDBusUnixFileDescriptor> inhibitor;

// Asks the login manager to hold off sleep; the lock lasts while the returned descriptor is
// open. nullopt when there is no system bus or no login manager on it.
std::optional<QDBusUnixFileDescriptor> TakeInhibitor() {
  if (QCoreApplication::instance() == nullptr) return std::nullopt;
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return std::nullopt;
  QDBusMessage call =
      QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                     "org.freedesktop.login1.Manager", "Inhibit");
  call << QString("sleep:idle") << QString("Harbo Suite")
       << QString("Photos are being transferred or shown") << QString("block");
  const QDBusMessage reply = bus.call(call, QDBus::Block, kBusTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
    return std::nullopt;
  }
  QDBusUnixFileDescriptor fd = reply.arguments().first().value<QDBusUnixFileDescriptor>();
  if (!fd.isValid()) return std::nullopt;
  return fd;
}

bool KeepsAwake(DWORD flags) {
  return (flags & (ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED)) != 0;
}

}  // namespace

DWORD SetThreadExecutionState(DWORD flags) {
  if ((flags & ~kKnownFlags) != 0) return 0;
  std::lock_guard<std::mutex> lock(stateMutex);
  const DWORD previous = state;
  // Without the continuous flag the call only resets the idle timers once; the state stays.
  if ((flags & ES_CONTINUOUS) == 0) return previous;
  state = flags;
  if (!KeepsAwake(flags)) {
    inhibitor.reset();
  } else if (!inhibitor) {
    inhibitor = TakeInhibitor();
  }
  return previous;
}

namespace power {

bool IsInhibitorHeld() {
  std::lock_guard<std::mutex> lock(stateMutex);
  return inhibitor.has_value();
}

}  // namespace power
