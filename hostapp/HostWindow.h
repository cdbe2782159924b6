// The host's window as the album sees it: the parent of the album frame and the target of
// every message the album sends to the host. Its widget is the album area of the main window.
#pragma once

#include <QString>
#include <functional>

#include "platform/win/Wnd.h"

// How the host answers the album's questions about the phone.
struct PhonePolicy {
  QString phoneFolder;  // empty: no phone is connected
  bool refuse = false;
  int32_t refuseReason = 3;
  bool verbose = false;
};

class HostWindow : public CWnd {
 public:
  struct Handlers {
    std::function<void(const QString&)> showStatus;
    std::function<void(int width, int height)> resized;
    std::function<void(UINT id)> command;
  };

  HostWindow(PhonePolicy policy, Handlers handlers);

  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override;

 private:
  LRESULT MayStartPhone(LPARAM reasonField);
  LRESULT IsPhoneConnected() const;
  LRESULT ShowStatusText(WPARAM text);
  LRESULT LogNotice(const char* what, WPARAM w) const;
  void Resized(LPARAM size);

  PhonePolicy policy_;
  Handlers handlers_;
};
