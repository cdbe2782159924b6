#include "ui/CSplitWndExCaptionForOrp.h"

#include "platform/gdi/CDC.h"
#include "ui/CDrawObject.h"
#include "ui/Skin.h"

namespace {

constexpr int kTextInset = 6;

}  // namespace

const MessageMap<CSplitWndExCaptionForOrp>& CSplitWndExCaptionForOrp::GetMessageMap() {
  static const MessageMap<CSplitWndExCaptionForOrp> map{
      .messages = {{WM_ACTIVATE, &CSplitWndExCaptionForOrp::OnActivate}},
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CSplitWndExCaptionForOrp, CSplitWndEx)

void CSplitWndExCaptionForOrp::SetCaption(int row, int column, const Cp932String& text) {
  if (text.empty())
    captions_.erase({row, column});
  else
    captions_[{row, column}] = text;
  RecalcLayout();
}

Cp932String CSplitWndExCaptionForOrp::GetCaption(int row, int column) const {
  const auto found = captions_.find({row, column});
  return found == captions_.end() ? Cp932String() : found->second;
}

int CSplitWndExCaptionForOrp::CaptionHeight(int row, int column) const {
  return captions_.count({row, column}) != 0 ? kCaptionHeight : 0;
}

void CSplitWndExCaptionForOrp::PaintCaption(CDC& dc, const RECT& caption, int row, int column) {
  CDrawObject& draw = skin::Draw();
  const int32_t back = IsInActiveWindow() ? skin::kCaptionBack : skin::kCaptionBackInactive;
  dc.FillSolidRect(caption, draw.GetColor(back));
  const HFONT oldFont = dc.SelectObject(draw.GetFont(skin::kCaptionText));
  dc.SetTextColor(draw.GetColor(skin::kCaptionText));
  dc.SetBkMode(TRANSPARENT);
  const RECT text{caption.left + kTextInset, caption.top, caption.right - kTextInset,
                  caption.bottom};
  dc.DrawText(GetCaption(row, column), text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  dc.SelectObject(oldFont);
}

LRESULT CSplitWndExCaptionForOrp::OnActivate(WPARAM /*w*/, LPARAM /*l*/) {
  Invalidate();
  return 0;
}
