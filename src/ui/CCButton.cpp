#include "ui/CCButton.h"

#include <algorithm>

#include "platform/gdi/CDC.h"
#include "ui/CDrawObject.h"
#include "ui/Skin.h"

namespace {

constexpr int kImageSide = 20;  // the strip's images are square
constexpr int kImageGap = 4;
constexpr UINT kVkSpace = 0x20;

}  // namespace

const MessageMap<CCButton>& CCButton::GetMessageMap() {
  static const MessageMap<CCButton> map{
      .messages = {{WM_KEYDOWN, &CCButton::OnKeyDown}},
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CCButton, CWnd)

bool CCButton::Create(const Cp932String& text, const RECT& rect, HWND parent, UINT id) {
  if (!CWnd::Create(text, WS_CHILD | WS_VISIBLE, rect, parent, id)) return false;
  SetMouseTracking(true);
  return true;
}

void CCButton::SetImage(int index) {
  image_ = index < 0 ? kNoImage : index;
  Invalidate();
}

void CCButton::Click() {
  if (!IsWindow(this) || !IsWindowEnabled()) return;
  ::SendMessage(GetParent(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), BN_CLICKED),
                reinterpret_cast<LPARAM>(this));
}

// The space bar clicks the button that has the focus.
LRESULT CCButton::OnKeyDown(WPARAM key, LPARAM /*flags*/) {
  if (key == kVkSpace) Click();
  return 0;
}

bool CCButton::Contains(POINT point) const {
  const RECT client = GetClientRect();
  return point.x >= client.left && point.x < client.right && point.y >= client.top &&
         point.y < client.bottom;
}

void CCButton::SetHovering(bool on) {
  if (hovering_ == on) return;
  hovering_ = on;
  Invalidate();
}

void CCButton::OnLButtonDown(POINT point) {
  if (!IsWindowEnabled()) return;
  pressed_ = true;
  hovering_ = Contains(point);
  Invalidate();
}

// A press counts as a click when the button is released over the button.
void CCButton::OnLButtonUp(POINT point) {
  const bool click = pressed_ && Contains(point);
  pressed_ = false;
  Invalidate();
  if (click) Click();
}

void CCButton::OnMouseMove(POINT point) {
  SetHovering(Contains(point));
}

void CCButton::OnMouseLeave() {
  SetHovering(false);
}

void CCButton::OnPaint() {
  CPaintDC dc(this);
  Draw(dc);
}

// A pressed button's content moves one pixel down and right, into its sunken face.
void CCButton::Draw(CDC& dc) {
  const RECT face = GetClientRect();
  DrawFace(dc, face);
  const int shift = pressed() ? 1 : 0;
  DrawContent(dc,
              RECT{face.left + shift, face.top + shift, face.right + shift, face.bottom + shift});
}

void CCButton::DrawFace(CDC& dc, const RECT& face) {
  CDrawObject& draw = skin::Draw();
  const bool lit = IsWindowEnabled() && hovering_;
  const HPEN oldPen = dc.SelectObject(draw.GetPen(skin::kCtrlFrame));
  const HBRUSH oldBrush = dc.SelectObject(draw.GetBrush(lit ? skin::kMouseOver : skin::kCtrlBack));
  dc.Rectangle(face);
  if (IsWindowEnabled() && pressed()) {
    const RECT in{face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
    dc.SelectObject(draw.GetPen(skin::kSunkenShadow));
    dc.MoveTo(in.left, in.bottom - 1);
    dc.LineTo(in.left, in.top);
    dc.LineTo(in.right, in.top);
    dc.SelectObject(draw.GetPen(skin::kSunkenLight));
    dc.MoveTo(in.right - 1, in.top + 1);
    dc.LineTo(in.right - 1, in.bottom - 1);
    dc.LineTo(in.left, in.bottom - 1);
  }
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

// The image and the text side by side, centred together.
void CCButton::DrawContent(CDC& dc, const RECT& area) {
  CDrawObject& draw = skin::Draw();
  const Cp932String text = GetWindowText();
  const HICON icon = image_ == kNoImage ? nullptr : LoadStripImage(kImageStrip, image_);
  const HFONT oldFont = dc.SelectObject(draw.GetFont(skin::kCtrlFont));
  dc.SetTextColor(draw.GetColor(IsWindowEnabled() ? skin::kCtrlFont : skin::kCtrlFontGray));
  dc.SetBkMode(TRANSPARENT);
  const int textWidth = text.empty() ? 0 : dc.GetTextExtent(text).cx;
  const int iconWidth = icon == nullptr ? 0 : kImageSide + (text.empty() ? 0 : kImageGap);
  int left = area.left + std::max(1, (area.right - area.left - iconWidth - textWidth) / 2);
  if (icon != nullptr) {
    dc.DrawIcon(left, area.top + (area.bottom - area.top - kImageSide) / 2, icon);
    left += iconWidth;
  }
  if (!text.empty())
    dc.DrawText(text, RECT{left, area.top, area.right - 1, area.bottom},
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
  dc.SelectObject(oldFont);
}
