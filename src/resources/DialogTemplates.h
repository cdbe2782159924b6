// Dialog layouts, keyed by resource number: the caption, the size and the controls.
#pragma once

#include <vector>

#include "platform/win/WinTypes.h"

namespace res {

enum class ControlKind { kText, kButton };

struct ControlTemplate {
  ControlKind kind;
  UINT id;
  const char* text;  // UTF-8 in the source; code page 932 once loaded
  RECT rect;
};

struct DialogTemplate {
  UINT id;
  const char* caption;
  int width;
  int height;
  std::vector<ControlTemplate> controls;
};

constexpr UINT kDialogPhoneWait = 24030;
constexpr UINT kControlWaitText = 1001;

// The template of a dialog, or null when there is none.
const DialogTemplate* FindDialogTemplate(UINT id);

}  // namespace res
