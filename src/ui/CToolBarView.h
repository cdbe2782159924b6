// The pane that hosts the frame's view bar: a strip painted with the drawing resources (a
// gradient with a rule along its bottom) that owns the controls placed on it and hands
// their commands and notifications on to a target window, the frame.
#pragma once

#include <memory>
#include <vector>

#include "platform/win/Wnd.h"

class CCButton;
class CCtrlDropList;
class CDC;

class CToolBarView : public CWnd {
  HARBO_DECLARE_MESSAGE_MAP(CToolBarView)

 public:
  static constexpr int kHeight = 26;

  CToolBarView();
  ~CToolBarView() override;

  // Makes the bar as a child of the parent (the splitter that holds it as a pane).
  bool Create(HWND parent, UINT id);
  void SetCommandTarget(HWND target) { target_ = target; }
  HWND commandTarget() const { return target_; }

  // Makes a control of the bar at the rectangle (in the bar's client area); null when it
  // cannot be made. The bar owns it.
  CCButton* AddButton(const Cp932String& text, const RECT& rect, UINT id);
  CCtrlDropList* AddDropList(const RECT& rect, UINT id);
  // The bar's control with that id, or null.
  CWnd* GetControl(UINT id) const;

  // Paints the bar (not its controls, which paint themselves).
  void Draw(CDC& dc);

 protected:
  void OnPaint() override;

 private:
  LRESULT OnForwardCommand(WPARAM w, LPARAM l);
  LRESULT OnForwardNotify(WPARAM w, LPARAM l);
  LRESULT Forward(UINT message, WPARAM w, LPARAM l);
  template <class Control>
  Control* Keep(std::unique_ptr<Control> control);

  std::vector<std::unique_ptr<CWnd>> controls_;
  HWND target_ = nullptr;
};
