// The preview: 1, 2, 4, 6 or 9 photos of the item set side by side in picture cells, with
// a button column on the right. It steps through the set by hand or as a timed slide show,
// zooms when the pictures are not fitted, and opens the settings. The photos of the next
// and previous screens are decoded ahead in idle time, so that a step shows at once.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "host/CCDialogExPh.h"
#include "slideshow/CCtrlImagePreview.h"
#include "slideshow/PreviewSettings.h"

class CImageItems;
class CPhotoItem;

class CDlgImagePreview : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgImagePreview)

 public:
  static constexpr uintptr_t kSlideTimer = 123;
  static constexpr uintptr_t kReadAheadTimer = 124;
  static constexpr int kCellCount = 9;
  static constexpr int kMinWidth = 304;
  static constexpr int kMinHeight = 220;
  static constexpr int kMaxWidth = 770;
  static constexpr int kMaxHeight = 594;
  static constexpr int kButtonColumn = 96;

  // The set is the view's; the preview starts on its focused item (else the first).
  CDlgImagePreview(CImageItems* items, HWND parent);
  ~CDlgImagePreview() override;

  void Next();
  void Previous();
  void StartSlide();
  void StopSlide();
  void ZoomIn();
  void ZoomOut();
  void OpenSettings();

  int current() const { return current_; }
  bool sliding() const { return sliding_; }
  int zoom() const { return zoom_; }
  const PreviewSettings& settings() const { return settings_; }
  CCtrlImagePreview* Cell(int index) const;
  // Lays the cells out for the client size and shows the current screen (also after the
  // settings changed).
  void Relayout();
  // The records read ahead that still wait for their decode.
  int pendingReadAhead() const { return static_cast<int>(readAhead_.size()); }
  // Decodes one record read ahead; false when none was left.
  bool ReadAheadOne();
  // The window size that fits the first photo, within the bounds.
  static SIZE OpeningSize(const CPhotoItem* first, int desktopHeight);

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void OnDestroy() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnTimer(uintptr_t id) override;
  void OnPaint() override;

 private:
  void OnSlideOn() { StartSlide(); }
  void OnSlideOff() { StopSlide(); }
  void OnPrevious() { Previous(); }
  void OnNext() { Next(); }
  void OnZoomOut() { ZoomOut(); }
  void OnZoomIn() { ZoomIn(); }
  void OnSettings() { OpenSettings(); }

  int Step() const;
  int Shown() const { return settings_.viewCount; }
  void GoTo(int index);
  void ShowScreen();
  void LayoutButtons(const RECT& client);
  void UpdateTitle();
  void UpdateButtons();
  void Tick();
  void EndSlide();
  void PlanReadAhead();
  void Enable(UINT id, bool on);

  CImageItems* items_;
  PreviewSettings settings_;
  int current_ = 0;
  int zoom_ = 100;
  bool sliding_ = false;
  std::array<std::unique_ptr<CCtrlImagePreview>, kCellCount> cells_;
  std::vector<CPhotoItem*> readAhead_;
};
