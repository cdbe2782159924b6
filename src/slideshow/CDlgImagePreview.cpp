#include "slideshow/CDlgImagePreview.h"

#include <algorithm>

#include "host/CHarboPhotoApp.h"
#include "images/CImageItems.h"
#include "platform/gdi/CDC.h"
#include "platform/win/SystemMetrics.h"
#include "resources/DialogTemplates.h"
#include "slideshow/CDlgImagePreviewSetting.h"

namespace {

constexpr int kButtonWidth = 80;
constexpr int kButtonGap = 4;
constexpr int kMaxButtonHeight = 24;
constexpr COLORREF kCellLine = 0x00404040;

// The buttons from top to bottom.
constexpr UINT kButtons[] = {res::kControlSlideOn,  res::kControlSlideOff,    res::kControlPrevious,
                             res::kControlNext,     res::kControlZoomOut,     res::kControlZoomIn,
                             res::kControlSettings, res::kControlPreviewHelp, IDCANCEL};

}  // namespace

HARBO_IMPLEMENT_MESSAGE_MAP(CDlgImagePreview, CCDialogExPh)

const MessageMap<CDlgImagePreview>& CDlgImagePreview::GetMessageMap() {
  static const MessageMap<CDlgImagePreview> map{
      .messages = {},
      .commands =
          {
              {res::kControlSlideOn, &CDlgImagePreview::OnSlideOn},
              {res::kControlSlideOff, &CDlgImagePreview::OnSlideOff},
              {res::kControlPrevious, &CDlgImagePreview::OnPrevious},
              {res::kControlNext, &CDlgImagePreview::OnNext},
              {res::kControlZoomOut, &CDlgImagePreview::OnZoomOut},
              {res::kControlZoomIn, &CDlgImagePreview::OnZoomIn},
              {res::kControlSettings, &CDlgImagePreview::OnSettings},
              {res::kControlPreviewHelp, &CDlgImagePreview::OnHelp},
          },
      .updates = {},
  };
  return map;
}

CDlgImagePreview::CDlgImagePreview(CImageItems* items, HWND parent)
    : CCDialogExPh(res::kDialogImagePreview, parent), items_(items) {}

CDlgImagePreview::~CDlgImagePreview() = default;

SIZE CDlgImagePreview::OpeningSize(const CPhotoItem* first, int desktopHeight) {
  const BitmapSize file = first != nullptr ? first->FileSize() : BitmapSize{};
  const int maxHeight = std::min(kMaxHeight, desktopHeight - 32);
  const int width = std::clamp(file.width + kButtonColumn, kMinWidth, kMaxWidth);
  const int height = std::clamp(file.height, kMinHeight, std::max(kMinHeight, maxHeight));
  return SIZE{width, height};
}

BOOL CDlgImagePreview::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  settings_ = PreviewSettings::Read();
  for (int i = 0; i < kCellCount; ++i) {
    cells_[i] = std::make_unique<CCtrlImagePreview>();
    cells_[i]->Create(this, CCtrlImagePreview::kFirstId + i);
  }
  current_ = items_ != nullptr ? std::max(0, items_->focus()) : 0;
  if (items_ != nullptr && current_ >= items_->count()) current_ = 0;
  CPhotoItem* first = items_ != nullptr && items_->At(current_) != nullptr
                          ? items_->At(current_)->record()
                          : nullptr;
  if (first != nullptr && first->FileSize().width == 0 && !first->HasPixels())
    first->ReadFileInfo(first->path());
  const SIZE size = OpeningSize(first, GetSystemMetrics(SM_CYSCREEN));
  SetOpaque(true);
  MoveWindow(0, 0, size.cx, size.cy, false);
  Relayout();
  UpdateButtons();
  return 1;
}

void CDlgImagePreview::OnCancel() {
  EndSlide();
  EndDialog(IDCANCEL);
}

// However the window closes, its timers stop and the settings are written.
void CDlgImagePreview::OnDestroy() {
  EndSlide();
  KillTimer(kReadAheadTimer);
  settings_.Write();
  CCDialogExPh::OnDestroy();
}

CCtrlImagePreview* CDlgImagePreview::Cell(int index) const {
  return index >= 0 && index < kCellCount ? cells_[index].get() : nullptr;
}

void CDlgImagePreview::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {
  if (cells_[0] != nullptr) Relayout();
}

// The cells share the picture area left of the buttons; cells beyond the count hide.
void CDlgImagePreview::Relayout() {
  RECT client = GetClientRect();
  client.right = std::max(client.right, static_cast<LONG>(kMinWidth));
  client.bottom = std::max(client.bottom, static_cast<LONG>(kMinHeight));
  const RECT area{0, 0, client.right - kButtonColumn, client.bottom};
  for (int i = 0; i < kCellCount; ++i) {
    CCtrlImagePreview* cell = cells_[i].get();
    if (cell == nullptr) continue;
    if (i >= Shown()) {
      cell->ShowWindow(SW_HIDE);
      continue;
    }
    const RECT r = preview::CellRect(area, Shown(), i);
    cell->MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top, false);
    cell->SetBoxSize(r.right - r.left, r.bottom - r.top);
    cell->ShowWindow(SW_SHOW);
  }
  LayoutButtons(client);
  ShowScreen();
  Invalidate();
}

void CDlgImagePreview::LayoutButtons(const RECT& client) {
  const int left = client.right - kButtonColumn + (kButtonColumn - kButtonWidth) / 2;
  const int count = static_cast<int>(std::size(kButtons));
  const int step = std::min(kMaxButtonHeight + kButtonGap, (client.bottom - 8) / count);
  for (int i = 0; i < count; ++i)
    if (CWnd* button = Control(kButtons[i]))
      button->MoveWindow(left, 8 + i * step, kButtonWidth, step - kButtonGap, false);
}

// Cell i shows item current + i; the transition applies with one photo on screen only.
void CDlgImagePreview::ShowScreen() {
  const bool zoomMode = !settings_.sizeAuto;
  for (int i = 0; i < Shown(); ++i) {
    CCtrlImagePreview* cell = cells_[i].get();
    cell->SetItem(items_ != nullptr ? items_->At(current_ + i) : nullptr);
    cell->SetZoom(zoom_, zoomMode);
    cell->SetShowMemo(settings_.showMemo);
    cell->SetEffect(Shown() == 1 ? settings_.effect : 0);
    cell->Decode();
    cell->Invalidate();
  }
  UpdateTitle();
  PlanReadAhead();
}

void CDlgImagePreview::UpdateTitle() {
  Cp932String title;
  for (int i = 0; i < Shown() && items_ != nullptr; ++i) {
    const CImageItem* item = items_->At(current_ + i);
    if (item == nullptr) break;
    if (!title.empty()) title += ", ";
    title += item->title();
  }
  SetWindowText(title);
}

// The area behind the cells shows as the lines between them.
void CDlgImagePreview::OnPaint() {
  CPaintDC dc(this);
  const RECT client = GetClientRect();
  dc.FillSolidRect(RECT{0, 0, client.right - kButtonColumn, client.bottom}, kCellLine);
  dc.FillSolidRect(RECT{client.right - kButtonColumn, 0, client.right, client.bottom}, 0xF0F0F0);
}

int CDlgImagePreview::Step() const {
  return settings_.viewSlide ? Shown() : 1;
}

void CDlgImagePreview::GoTo(int index) {
  current_ = index;
  if (items_ != nullptr) items_->SetFocusIndex(index);
  ShowScreen();
}

void CDlgImagePreview::Next() {
  const int count = items_ != nullptr ? items_->count() : 0;
  GoTo(preview::NextIndex(current_, count, Step()));
}

void CDlgImagePreview::Previous() {
  const int count = items_ != nullptr ? items_->count() : 0;
  GoTo(preview::PreviousIndex(current_, count, Step()));
}

void CDlgImagePreview::StartSlide() {
  if (sliding_ || SetTimer(kSlideTimer, static_cast<UINT>(settings_.slideTick)) == 0) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  sliding_ = true;
  UpdateButtons();
  if (CWnd* off = Control(res::kControlSlideOff)) off->SetFocus();
}

void CDlgImagePreview::StopSlide() {
  if (!sliding_) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  EndSlide();
}

void CDlgImagePreview::EndSlide() {
  if (!sliding_) return;
  KillTimer(kSlideTimer);
  sliding_ = false;
  UpdateButtons();
}

// Forward without loop stops where the next step would wrap; backward without loop stops
// at the first photo.
void CDlgImagePreview::Tick() {
  const int count = items_ != nullptr ? items_->count() : 0;
  if (!settings_.reverse) {
    if (!settings_.loop && preview::NextIndex(current_, count, Step()) <= current_) {
      EndSlide();
      return;
    }
    Next();
    return;
  }
  if (settings_.loop || current_ > 0) {
    Previous();
    return;
  }
  EndSlide();
}

void CDlgImagePreview::ZoomIn() {
  const int next = preview::ZoomIn(zoom_);
  if (settings_.sizeAuto || next < 0) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  zoom_ = next;
  ShowScreen();
  UpdateButtons();
}

void CDlgImagePreview::ZoomOut() {
  const int next = preview::ZoomOut(zoom_);
  if (settings_.sizeAuto || next < 0) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  zoom_ = next;
  ShowScreen();
  UpdateButtons();
}

void CDlgImagePreview::OpenSettings() {
  if (sliding_) return;
  CDlgImagePreviewSetting dialog(settings_, this);
  if (dialog.DoModal() != IDOK) return;
  settings_ = dialog.settings();
  Relayout();
  UpdateButtons();
}

void CDlgImagePreview::Enable(UINT id, bool on) {
  if (CWnd* control = Control(id)) control->EnableWindow(on);
}

void CDlgImagePreview::UpdateButtons() {
  const bool still = !sliding_;
  Enable(res::kControlSlideOn, still);
  Enable(res::kControlSlideOff, sliding_);
  Enable(res::kControlPrevious, still);
  Enable(res::kControlNext, still);
  Enable(res::kControlSettings, still);
  Enable(res::kControlZoomIn, still && !settings_.sizeAuto && zoom_ < 300);
  Enable(res::kControlZoomOut, still && !settings_.sizeAuto && zoom_ >= 51);
}

void CDlgImagePreview::OnTimer(uintptr_t id) {
  if (id == kSlideTimer) Tick();
  if (id == kReadAheadTimer && !ReadAheadOne()) KillTimer(kReadAheadTimer);
}

// The screens a step forward and back would show, nearest first.
void CDlgImagePreview::PlanReadAhead() {
  readAhead_.clear();
  const int count = items_ != nullptr ? items_->count() : 0;
  if (count == 0) return;
  for (int start : {preview::NextIndex(current_, count, Step()),
                    preview::PreviousIndex(current_, count, Step())})
    for (int i = 0; i < Shown(); ++i) {
      const CImageItem* item = items_->At(start + i);
      CPhotoItem* record = item != nullptr ? item->record() : nullptr;
      if (record != nullptr &&
          std::find(readAhead_.begin(), readAhead_.end(), record) == readAhead_.end())
        readAhead_.push_back(record);
    }
  std::reverse(readAhead_.begin(), readAhead_.end());
  SetTimer(kReadAheadTimer, 1);
}

bool CDlgImagePreview::ReadAheadOne() {
  const SIZE box = cells_[0] != nullptr ? cells_[0]->boxSize() : SIZE{};
  while (!readAhead_.empty()) {
    CPhotoItem* record = readAhead_.back();
    readAhead_.pop_back();
    if (CCtrlImagePreview::IsReadyFor(*record, box.cx, box.cy, zoom_, !settings_.sizeAuto))
      continue;
    CCtrlImagePreview::DecodeFor(*record, box.cx, box.cy, zoom_, !settings_.sizeAuto);
    return true;
  }
  return false;
}
