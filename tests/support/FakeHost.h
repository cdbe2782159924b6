// A stand-in for the host's main window and suite context in tests: it records the
// messages the album sends and answers the permission and phone questions as told.
#pragma once

#include <cstring>
#include <vector>

#include "host/SuiteContext.h"
#include "platform/win/Wnd.h"

class FakeHostWindow : public CWnd {
 public:
  struct Received {
    UINT message;
    WPARAM w;
    LPARAM l;
  };

  LRESULT permissionAnswer = 1;
  int32_t refusalReason = 0;
  LRESULT phoneConnected = 1;
  std::vector<Received> received;
  std::vector<std::string> statusTexts;

  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    received.push_back({message, w, l});
    switch (message) {
      case kHostMsgMayStartPhone:
        if (permissionAnswer != 1 && l != 0) *reinterpret_cast<int32_t*>(l) = refusalReason;
        return permissionAnswer;
      case kHostMsgIsPhoneConnected:
        return phoneConnected;
      case kHostMsgStatusText:
        statusTexts.emplace_back(reinterpret_cast<const char*>(w));
        return 1;
      default:
        return CWnd::WindowProc(message, w, l);
    }
  }

  int Count(UINT message) const {
    int n = 0;
    for (const auto& r : received) n += r.message == message ? 1 : 0;
    return n;
  }
};

// A suite context with a host window, an error record and the album's folder name.
struct FakeSuite {
  FakeHostWindow host;
  SuiteErrorRecord error{};
  SuiteContext context{};

  FakeSuite() {
    host.Create("host", 0, RECT{0, 0, 640, 480}, nullptr);
    context.hostMainWindow = &host;
    context.errorRecord = &error;
    context.hostReady = 1;
    context.fileAccessMode = -1;
    std::strcpy(context.moduleFolderNames[1], "Album");
  }
  ~FakeSuite() {
    // Entries left behind by a failing test are freed here, not leaked.
    for (auto* e = context.operationsHead; e != nullptr;) {
      auto* next = e->next;
      delete e;
      e = next;
    }
  }
  int Entries() const {
    int n = 0;
    for (auto* e = context.operationsHead; e != nullptr; e = e->next) ++n;
    return n;
  }
};
