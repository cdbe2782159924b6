// A group box: a frame with a title around controls that belong together. It takes no
// input; the controls inside are its siblings, made after it so that they lie above it.
#pragma once

#include "platform/win/Wnd.h"

class CGroupBox : public CWnd {
 public:
  void SetText(const Cp932String& text);

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;
};
