#include "images/CDlgImageEditer.h"

#include <algorithm>

#include "host/CHarboPhotoApp.h"
#include "images/CImageItems.h"
#include "library/CPhotoItem.h"
#include "platform/gdi/CDC.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/Menu.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/WindowFont.h"
#include "resources/DialogTemplates.h"
#include "ui/CDrawObject.h"
#include "ui/DrawResourceTables.h"
#include "ui/Skin.h"

namespace {

using cp932::Lit;

constexpr int kButtonWidth = 80, kRowHeight = 20;
constexpr int kLabelWidth = 61, kSliderLeft = 77, kSliderWidth = 210;

int16_t ValueOf(int position) {
  return static_cast<int16_t>(position * CDlgImageEditer::kSliderStep);
}

// A stored value opens its slider at value / 100, rounded toward zero.
int PositionOf(int16_t value) {
  return std::clamp(value / CDlgImageEditer::kSliderStep, -CDlgImageEditer::kSliderRange,
                    CDlgImageEditer::kSliderRange);
}

}  // namespace

const MessageMap<CDlgImageEditer>& CDlgImageEditer::GetMessageMap() {
  static const MessageMap<CDlgImageEditer> map{
      .messages = {{WM_HSCROLL, &CDlgImageEditer::OnSlider}},
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgImageEditer, CCDialogExPh)

CDlgImageEditer::CDlgImageEditer(CPhotoItem* record, const CImageItems* items, HWND frame,
                                 HWND parent)
    : CCDialogExPh(res::kDialogImageEditer, parent), record_(record), items_(items), frame_(frame) {
  if (record_ == nullptr) return;
  const AdjustmentRecord& a = record_->adjustments();
  saturation_ = a.saturation;
  contrast_ = a.contrast;
  brightness_ = a.brightness;
  rotation_ = a.rotation;
}

CSliderCtrl* CDlgImageEditer::slider(UINT id) const {
  return dynamic_cast<CSliderCtrl*>(Control(id));
}

bool CDlgImageEditer::CanApply() const {
  const CWnd* ok = Control(IDOK);
  return ok != nullptr && ok->IsWindowEnabled();
}

BOOL CDlgImageEditer::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  if (record_ == nullptr) {
    EndDialog(IDCANCEL);
    return 1;
  }
  SetWindowText(record_->title());
  if (CDrawObject* draw = TheApp().drawObject())
    SetWindowFont(this, draw->GetFont(drawres::kCtrlFontIndex));
  // The record is packed: its fields are read by value.
  const AdjustmentRecord a = record_->adjustments();
  const int16_t saturation = a.saturation, contrast = a.contrast, brightness = a.brightness;
  const std::pair<UINT, int16_t> sliders[] = {{res::kControlSaturation, saturation},
                                              {res::kControlContrast, contrast},
                                              {res::kControlBrightness, brightness}};
  for (const auto& [id, value] : sliders) {
    if (CSliderCtrl* s = slider(id)) {
      s->SetRange(-kSliderRange, kSliderRange);
      s->SetPos(PositionOf(value));
    }
  }
  if (CWnd* ok = Control(IDOK)) ok->EnableWindow(false);
  SetToolTips();
  LayOut();
  const HWND main = TheApp().mainWindow();
  CenterWindow(this, IsWindow(main) ? main : GetParent());
  return 1;
}

void CDlgImageEditer::SetToolTips() {
  const std::pair<UINT, const char*> tips[] = {
      {res::kControlSaturation, "写真の彩度を設定します"},
      {res::kControlContrast, "写真のコントラストを設定します"},
      {res::kControlBrightness, "写真の輝度を設定します"},
      {res::kControlEditRotate, "写真を回転します"},
      {res::kControlEditReset, "写真の編集値を初期値に戻します"},
      {IDOK, "編集値を反映させて終了します"},
      {IDCANCEL, "編集値を反映せずに終了します"},
  };
  for (const auto& [id, tip] : tips)
    if (CWnd* control = Control(id)) control->SetToolTip(Lit(tip));
}

void CDlgImageEditer::Place(UINT id, int x, int y, int width, int height) {
  if (CWnd* control = Control(id)) control->MoveWindow(x, y, width, height, true);
}

// Everything stands on the client's bottom edge: the buttons on the last row, the three
// slider rows above them, the picture above those.
void CDlgImageEditer::LayOut() {
  const RECT client = GetClientRect();
  const int left = client.left, bottom = client.bottom;
  const UINT buttons[] = {res::kControlEditRotate, res::kControlEditReset, IDOK, IDCANCEL};
  for (int i = 0; i < 4; ++i)
    Place(buttons[i], left + 8 + i * 88, bottom - 28, kButtonWidth, kRowHeight);
  const std::pair<UINT, UINT> rows[] = {{res::kControlBrightnessLabel, res::kControlBrightness},
                                        {res::kControlContrastLabel, res::kControlContrast},
                                        {res::kControlSaturationLabel, res::kControlSaturation}};
  for (int i = 0; i < 3; ++i) {
    const int top = bottom - 56 - i * 28;
    Place(rows[i].first, left + 8, top, kLabelWidth, kRowHeight);
    Place(rows[i].second, left + kSliderLeft, top, kSliderWidth, kRowHeight);
  }
  Invalidate();
}

void CDlgImageEditer::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {
  LayOut();
}

RECT CDlgImageEditer::PreviewArea() const {
  const RECT client = GetClientRect();
  return RECT{client.left, client.top, client.right, std::max(client.top, client.bottom - 120)};
}

// The picture fits a box of at most 180 x 180 keeping its proportions, centred across the
// area and set 8 pixels below its middle.
RECT CDlgImageEditer::PictureRect(const RECT& area, int bitmapWidth, int bitmapHeight) {
  const int areaW = area.right - area.left, areaH = area.bottom - area.top;
  const int boxW = std::min(kPreviewBox, areaW), boxH = std::min(kPreviewBox, areaH);
  if (bitmapWidth <= 0 || bitmapHeight <= 0 || boxW <= 0 || boxH <= 0) return RECT{};
  int w = boxW, h = boxH;
  if (static_cast<int64_t>(bitmapWidth) * boxH >= static_cast<int64_t>(bitmapHeight) * boxW)
    h = static_cast<int>(static_cast<int64_t>(boxW) * bitmapHeight / bitmapWidth);
  else
    w = static_cast<int>(static_cast<int64_t>(boxH) * bitmapWidth / bitmapHeight);
  const int x = area.left + (areaW - w) / 2, y = area.top + (areaH - h) / 2 + 8;
  return RECT{x, y, x + w, y + h};
}

void CDlgImageEditer::OnPaint() {
  CPaintDC dc(this);
  dc.FillSolidRect(GetClientRect(), skin::Draw().GetColor(skin::kCtrlBack2));
  if (record_ == nullptr) return;
  if (!record_->HasPixels()) {
    const AdjustmentRecord own = record_->adjustments();
    record_->Load(record_->path(), kPreviewBox, kPreviewBox, &own, false);
  }
  const BitmapSize size = record_->bitmapSize();
  if (record_->HasPixels())
    record_->Paint(dc, PictureRect(PreviewArea(), size.width, size.height));
  else if (record_->IsValid())
    record_->Paint(dc, PreviewArea());
}

void CDlgImageEditer::Changed() {
  record_->Free(true);
  InvalidateRect(PreviewArea());
  if (CWnd* ok = Control(IDOK)) ok->EnableWindow(true);
}

// A slider stores its position times 100, when that differs from the stored value.
LRESULT CDlgImageEditer::OnSlider(WPARAM w, LPARAM l) {
  const auto* moved = reinterpret_cast<CSliderCtrl*>(l);
  if (record_ == nullptr || moved == nullptr) return 0;
  const int16_t value = ValueOf(static_cast<int16_t>(HIWORD(w)));
  // The record is packed: its fields are copied, never reached through pointers.
  AdjustmentRecord a = record_->adjustments();
  if (moved == slider(res::kControlSaturation))
    a.saturation = value;
  else if (moved == slider(res::kControlContrast))
    a.contrast = value;
  else if (moved == slider(res::kControlBrightness))
    a.brightness = value;
  if (a == record_->adjustments()) return 0;
  record_->SetAdjustments(a);
  Changed();
  return 0;
}

BOOL CDlgImageEditer::OnCommand(WPARAM w, LPARAM l) {
  if (HIWORD(w) == BN_CLICKED && LOWORD(w) == res::kControlEditRotate) {
    Rotate();
    return 1;
  }
  if (HIWORD(w) == BN_CLICKED && LOWORD(w) == res::kControlEditReset) {
    Reset();
    return 1;
  }
  return CCDialogExPh::OnCommand(w, l);
}

// A quarter turn clockwise, or with Shift three quarters (a quarter the other way).
void CDlgImageEditer::Rotate() {
  if (record_ == nullptr) return;
  AdjustmentRecord& a = record_->adjustments();
  a.rotation = static_cast<int16_t>((a.rotation + (GetKeyState(VK_SHIFT) < 0 ? 270 : 90)) % 360);
  Changed();
}

// The four edited values go back to 0; what the editor does not set stays.
void CDlgImageEditer::Reset() {
  if (record_ == nullptr) return;
  AdjustmentRecord& a = record_->adjustments();
  if (a.saturation != 0 || a.contrast != 0 || a.brightness != 0 || a.rotation != 0) {
    a.saturation = a.contrast = a.brightness = a.rotation = 0;
    Changed();
  }
  for (UINT id : {res::kControlSaturation, res::kControlContrast, res::kControlBrightness})
    if (CSliderCtrl* s = slider(id)) s->SetPos(0);
}

void CDlgImageEditer::OnOK() {
  if (record_ == nullptr) return;
  if (CWnd* ok = Control(IDOK)) ok->EnableWindow(false);
  record_->Free(true);
  if (IsWindow(frame_)) ::SendMessage(frame_, kMsgAdjusted, 0, reinterpret_cast<LPARAM>(record_));
  EndDialog(IDOK);
}

void CDlgImageEditer::OnCancel() {
  if (record_ != nullptr) {
    AdjustmentRecord& a = record_->adjustments();
    a.saturation = saturation_;
    a.contrast = contrast_;
    a.brightness = brightness_;
    a.rotation = rotation_;
    record_->Free(true);
  }
  EndDialog(IDCANCEL);
}
