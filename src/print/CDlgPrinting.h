// The small modeless window of a print job: what is printed where, and Cancel. The job
// asks after each page whether Cancel was pressed; meanwhile pending messages are pumped so
// that the button answers.
#pragma once

#include <memory>
#include <vector>

#include "platform/win/Wnd.h"

class CDlgPrinting : public CWnd {
 public:
  CDlgPrinting() = default;
  ~CDlgPrinting() override;

  using CWnd::Create;
  // Shows the window over the parent with the text; 1 when it was made, else 0 (the job
  // then runs without it and cannot be cancelled).
  int Create(HWND parent, const Cp932String& text);
  // Pumps pending messages and answers whether Cancel was pressed.
  bool Cancelled();
  void Destroy();

  // Tests press Cancel from the page drawing.
  void PressCancel() { cancelled_ = true; }

 protected:
  BOOL OnCommand(WPARAM w, LPARAM l) override;
  void OnClose() override { cancelled_ = true; }

 private:
  std::vector<std::unique_ptr<CWnd>> controls_;
  bool cancelled_ = false;
};
