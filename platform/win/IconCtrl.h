// A static control that shows one of the system's standard 32 x 32 icons, as a dialog
// shows the icon of its message.
#pragma once

#include "platform/win/Wnd.h"

constexpr UINT IDI_HAND = 32513;
constexpr UINT IDI_QUESTION = 32514;
constexpr UINT IDI_EXCLAMATION = 32515;
constexpr UINT IDI_ASTERISK = 32516;
constexpr UINT IDI_ERROR = IDI_HAND;
constexpr UINT IDI_WARNING = IDI_EXCLAMATION;
constexpr UINT IDI_INFORMATION = IDI_ASTERISK;

class CIconCtrl : public CWnd {
 public:
  // Shows the standard icon; false, showing nothing, for a number that names none.
  bool SetStandardIcon(UINT icon);
  // The icon shown, or 0.
  UINT standardIcon() const { return icon_; }

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  UINT icon_ = 0;
};
