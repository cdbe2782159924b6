// What the preview tests share: a parent window that keeps the messages it is told within a
// range, and mouse positions as window messages carry them.
#pragma once

#include <tuple>
#include <vector>

#include "platform/win/Wnd.h"

using Told = std::tuple<UINT, WPARAM, LPARAM>;

// Keeps every message from first to last (and the ranges added) it receives.
class RecordingWindow : public CWnd {
 public:
  RecordingWindow(UINT first, UINT last) { ranges_.push_back({first, last}); }
  void AlsoKeep(UINT first, UINT last) { ranges_.push_back({first, last}); }
  std::vector<Told> told;
  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    for (const auto& [first, last] : ranges_)
      if (message >= first && message <= last) told.emplace_back(message, w, l);
    return CWnd::WindowProc(message, w, l);
  }

 private:
  std::vector<std::pair<UINT, UINT>> ranges_;
};

inline LPARAM At(POINT p) {
  return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

inline POINT Centre(const RECT& r) {
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
