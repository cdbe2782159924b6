// Modal dialogs and message boxes. A modal dialog is a nested loop that returns its
// result; under test a responder answers at exactly that point instead of a person.
#pragma once

#include <functional>
#include <string>

#include "platform/win/Wnd.h"

class CDialog : public CWnd {
 public:
  CDialog(UINT templateId, HWND parent) : templateId_(templateId), parentWindow_(parent) {}

  // Runs the dialog until EndDialog; returns the code given to it, or -1 when the dialog
  // could not be created.
  virtual intptr_t DoModal();
  void EndDialog(intptr_t result);
  bool ended() const { return ended_; }
  UINT templateId() const { return templateId_; }

  // The dialog's keys, as the dialog manager takes them before its controls: Escape cancels;
  // Enter presses the focused push button, or else the default button (DM_GETDEFID, IDOK
  // without one), except in a multi-line edit, where it makes a new line.
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  virtual BOOL OnInitDialog() { return 1; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  BOOL OnCommand(WPARAM w, LPARAM l) override;
  void OnClose() override { OnCancel(); }

 private:
  UINT templateId_;
  HWND parentWindow_;
  bool ended_ = false;
  intptr_t result_ = 0;
};

namespace win {

// A responder answers modal dialogs: it gets the dialog after its initialisation and may
// drive it (send it messages, end it). When it returns, the dialog's end code is the
// result if the dialog was ended, otherwise what the responder returned.
using DialogResponder = std::function<intptr_t(CDialog& dialog)>;
void SetDialogResponder(DialogResponder responder);

// What a message box shows, in UTF-8 for the tests' convenience.
struct MessageBoxRequest {
  HWND owner = nullptr;
  std::string text;
  std::string caption;
  UINT type = 0;
};
using MessageBoxResponder = std::function<int(const MessageBoxRequest& request)>;
void SetMessageBoxResponder(MessageBoxResponder responder);

}  // namespace win

// Shows a message box and returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO).
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
