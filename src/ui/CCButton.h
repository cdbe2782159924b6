// An owner-drawn push button painted with the drawing resources: its text in the control
// font, an optional image of the tool bar's bitmap strip before it, a mouse-over and a
// pressed look, and grey text while disabled. A click reaches the parent as WM_COMMAND with
// the button's id and BN_CLICKED; the tool tip is the window's (SetToolTip).
#pragma once

#include "platform/win/Wnd.h"

class CDC;

class CCButton : public CWnd {
  HARBO_DECLARE_MESSAGE_MAP(CCButton)

 public:
  // The bitmap strip of the tool bar's images: 0 search, 1 switch views.
  static constexpr int kImageStrip = 420;
  static constexpr int kImageSearch = 0;
  static constexpr int kImageSwitchView = 1;
  static constexpr int kNoImage = -1;

  bool Create(const Cp932String& text, const RECT& rect, HWND parent, UINT id);
  // Shows the strip's image of that index before the text; kNoImage shows none.
  void SetImage(int index);
  int image() const { return image_; }
  // Clicks the button as the user does; nothing happens while it is disabled.
  void Click();
  // Paints the button as it looks now.
  void Draw(CDC& dc);
  bool hovering() const { return hovering_; }
  bool pressed() const { return pressed_ && hovering_; }

 protected:
  void OnPaint() override;
  void OnLButtonDown(POINT point) override;
  void OnLButtonUp(POINT point) override;
  void OnMouseMove(POINT point) override;
  void OnMouseLeave() override;

 private:
  LRESULT OnKeyDown(WPARAM key, LPARAM flags);
  bool Contains(POINT point) const;
  void SetHovering(bool on);
  void DrawFace(CDC& dc, const RECT& face);
  void DrawContent(CDC& dc, const RECT& area);

  int image_ = kNoImage;
  bool hovering_ = false;
  bool pressed_ = false;
};
