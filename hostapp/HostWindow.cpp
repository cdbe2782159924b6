#include "hostapp/HostWindow.h"

#include <QFileInfo>
#include <cstdio>

#include "host/SuiteContext.h"
#include "platform/phonelib/PhoneFolder.h"
#include "platform/win/QtText.h"

HostWindow::HostWindow(PhonePolicy policy, Handlers handlers)
    : policy_(std::move(policy)), handlers_(std::move(handlers)) {}

LRESULT HostWindow::WindowProc(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case kHostMsgMayStartPhone:
      return MayStartPhone(l);
    case kHostMsgPhoneEnded:
      return 0;
    case kHostMsgIsPhoneConnected:
      return IsPhoneConnected();
    case kHostMsgStatusText:
      return ShowStatusText(w);
    case kHostMsgAlbumChanged:
      return LogNotice("album changed", w);
    case kHostMsgCalendarChanged:
      return LogNotice("calendar changed", w);
    case WM_COMMAND:
      if (handlers_.command) handlers_.command(LOWORD(w));
      return 1;
    case WM_SIZE:
      Resized(l);
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, w, l);
}

// The reason field, when given, tells the album why the host said no.
LRESULT HostWindow::MayStartPhone(LPARAM reasonField) {
  if (!policy_.refuse) return 1;
  if (reasonField != 0) *reinterpret_cast<int32_t*>(reasonField) = policy_.refuseReason;
  return 0;
}

// The phone is whichever folder the host last chose: the one given, or a mounted device.
LRESULT HostWindow::IsPhoneConnected() const {
  return phonelib::IsPhoneConnected() ? 1 : 0;
}

LRESULT HostWindow::ShowStatusText(WPARAM text) {
  if (text == 0) return 0;
  const Cp932String bytes(reinterpret_cast<const char*>(text));
  if (handlers_.showStatus) handlers_.showStatus(QtText::FromCp932(bytes));
  return 1;
}

// The album's change notices need no answer from this host; they are only logged.
LRESULT HostWindow::LogNotice(const char* what, WPARAM w) const {
  if (policy_.verbose)
    std::fprintf(stderr, "harbo-suite: %s (module %u, code %u)\n", what,
                 static_cast<unsigned>(LOWORD(w)), static_cast<unsigned>(HIWORD(w)));
  return 1;
}

void HostWindow::Resized(LPARAM size) {
  const auto packed = static_cast<uintptr_t>(size);
  if (handlers_.resized) handlers_.resized(LOWORD(packed), HIWORD(packed));
}
