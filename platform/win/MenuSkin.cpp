#include "platform/win/MenuSkin.h"

#include <cstring>
#include <map>

namespace {

std::optional<win::ControlSkin>& CurrentSkin() {
  static std::optional<win::ControlSkin> skin;
  return skin;
}

std::map<int, win::MenuSkinListener>& Listeners() {
  static std::map<int, win::MenuSkinListener> listeners;
  return listeners;
}

bool SameFont(const LOGFONTA& a, const LOGFONTA& b) {
  return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
         std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

}  // namespace

namespace win {

bool operator==(const ControlSkin& a, const ControlSkin& b) {
  return a.background == b.background && a.text == b.text &&
         a.selectedBackground == b.selectedBackground && a.selectedText == b.selectedText &&
         a.disabledText == b.disabledText && a.border == b.border && a.hover == b.hover &&
         SameFont(a.font, b.font);
}

void SetMenuSkin(const ControlSkin& skin) {
  CurrentSkin() = skin;
  // A listener may remove itself while it is told.
  const std::map<int, MenuSkinListener> listeners = Listeners();
  for (const auto& [token, listener] : listeners) listener();
}

std::optional<ControlSkin> MenuSkin() {
  return CurrentSkin();
}

int AddMenuSkinListener(MenuSkinListener listener) {
  static int next = 0;
  Listeners().emplace(++next, std::move(listener));
  return next;
}

void RemoveMenuSkinListener(int token) {
  Listeners().erase(token);
}

}  // namespace win
