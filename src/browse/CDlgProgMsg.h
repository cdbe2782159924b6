// A small modeless window with a text and a progress bar, shown while a long loop runs on
// the window thread (filling a confirmation list, an export). A window that could not be
// made only means that no progress is shown: the calls then only pump pending messages.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/win/Wnd.h"

class CDlgProgMsg : public CWnd {
 public:
  CDlgProgMsg() = default;
  ~CDlgProgMsg() override;

  using CWnd::Create;
  // Makes the window over the parent and shows it at once; 1 when it was made, else 0.
  int Create(HWND parent);
  void SetRange(int lower, int upper);
  // The bar's position and the text. When the control is not there yet, pending messages
  // are pumped once first; when it is still not there, nothing happens.
  void SetPos(int position);
  void SetText(const Cp932String& text);
  void Destroy();

  // Tests see every position that reaches the bar.
  using PositionProbe = std::function<void(int position)>;
  static void SetPositionProbeForTest(PositionProbe probe);

 protected:
  // The window stays until its owner destroys it: the loop it shows decides.
  void OnClose() override {}

 private:
  CWnd* Control(UINT id) const;
  // The control of that id and kind when it is there, pumping pending messages once when
  // it is not yet; null when it is still not there.
  template <class Kind>
  Kind* Ready(UINT id) const;

  std::vector<std::unique_ptr<CWnd>> controls_;
};
