#include "print/CCtrlPrintPreviewEx.h"

#include <algorithm>

#include "platform/win/Menu.h"

namespace {

// The room left around the unfitted sheet.
constexpr int kMargin = 8;

}  // namespace

const MessageMap<CCtrlPrintPreviewEx>& CCtrlPrintPreviewEx::GetMessageMap() {
  static const MessageMap<CCtrlPrintPreviewEx> map{
      .messages = {{WM_MOUSEWHEEL, &CCtrlPrintPreviewEx::OnWheel}},
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CCtrlPrintPreviewEx, CCtrlPrintPreview)

void CCtrlPrintPreviewEx::SetCellBorders(bool shown) {
  cellBorders_ = shown;
  Invalidate();
}

void CCtrlPrintPreviewEx::SetFitToWindow(bool fit) {
  fit_ = fit;
  scroll_ = POINT{};
  Measure();
  Invalidate();
}

void CCtrlPrintPreviewEx::SetContentOffset(POINT offset) {
  offset_ = offset;
  Invalidate();
}

// Whatever the message, a change of the selected cell is told to the parent afterwards.
LRESULT CCtrlPrintPreviewEx::WindowProc(UINT message, WPARAM w, LPARAM l) {
  const int before = selectedCell();
  const LRESULT result = CCtrlPrintPreview::WindowProc(message, w, l);
  if (selectedCell() != before && IsWindow(GetParent()))
    ::SendMessage(GetParent(), kMsgSelected, static_cast<WPARAM>(selectedCell()), 0);
  return result;
}

POINT CCtrlPrintPreviewEx::ScrollLimit() const {
  if (metrics_ == nullptr) return POINT{};
  const RECT client = GetClientRect();
  const auto limit = [](double sheet, LONG room) {
    return std::max<LONG>(0, static_cast<LONG>(sheet) + 2 * kMargin - room);
  };
  return POINT{limit(metrics_->sheetWidth() * kFixedScale, client.right),
               limit(metrics_->sheetHeight() * kFixedScale, client.bottom)};
}

// Unfitted, the sheet keeps a fixed scale: centred along a side that the window has room
// for, otherwise placed from the margin less the scroll.
void CCtrlPrintPreviewEx::Measure() {
  if (fit_ || metrics_ == nullptr || metrics_->sheetWidth() <= 0 || metrics_->sheetHeight() <= 0) {
    CCtrlPrintPreview::Measure();
    return;
  }
  const POINT limit = ScrollLimit();
  scroll_ = POINT{std::clamp(scroll_.x, LONG{0}, limit.x), std::clamp(scroll_.y, LONG{0}, limit.y)};
  const RECT client = GetClientRect();
  const auto place = [](LONG limit, LONG scroll, double sheet, LONG room) {
    return limit > 0 ? kMargin - scroll : static_cast<LONG>((room - sheet) / 2);
  };
  scale_ = kFixedScale;
  origin_ = POINT{place(limit.x, scroll_.x, metrics_->sheetWidth() * kFixedScale, client.right),
                  place(limit.y, scroll_.y, metrics_->sheetHeight() * kFixedScale, client.bottom)};
}

LRESULT CCtrlPrintPreviewEx::OnWheel(WPARAM w, LPARAM /*l*/) {
  if (fit_) return 0;
  const int step = static_cast<int16_t>(HIWORD(w)) * kWheelStep / 120;
  LONG& along = GetKeyState(VK_SHIFT) < 0 ? scroll_.x : scroll_.y;
  along -= step;
  Measure();
  Invalidate();
  return 0;
}
