// The photo editor: the photo as its adjustments show it, above sliders for saturation,
// contrast and brightness and buttons to rotate, reset, apply and cancel. The adjustments
// are edited on the live record, never on the file: every change frees the record's
// pixels so that the next paint decodes the photo again with the new values. OK tells the
// frame (which repaints the thumbnails and saves the album); cancel puts the values the
// dialog opened with back.
#pragma once

#include <cstdint>

#include "host/CCDialogExPh.h"

class CImageItems;
class CPhotoItem;
class CSliderCtrl;

class CDlgImageEditer : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgImageEditer)

 public:
  // The frame's message after OK, with the record in the second parameter.
  static constexpr UINT kMsgAdjusted = WM_USER + 0x154;
  // Sliders run over -10 .. 10; a position stands for a hundred times as much.
  static constexpr int kSliderRange = 10;
  static constexpr int kSliderStep = 100;
  static constexpr int kPreviewBox = 180;

  // The record to edit, and the set it was chosen from (for the title); the frame gets
  // the message after OK.
  CDlgImageEditer(CPhotoItem* record, const CImageItems* items, HWND frame, HWND parent);

  CPhotoItem* record() const { return record_; }
  CSliderCtrl* slider(UINT id) const;
  // Whether OK may be pressed: something changed since the dialog opened or OK was pressed.
  bool CanApply() const;
  // The area the photo is painted in: the client above the sliders.
  RECT PreviewArea() const;
  // Where the photo's picture is painted inside the preview area, for a bitmap this size.
  static RECT PictureRect(const RECT& area, int bitmapWidth, int bitmapHeight);

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM w, LPARAM l) override;
  void OnOK() override;
  void OnCancel() override;
  void OnPaint() override;
  void OnSize(UINT type, int cx, int cy) override;

 private:
  LRESULT OnSlider(WPARAM w, LPARAM l);
  void LayOut();
  void SetToolTips();
  void Rotate();
  void Reset();
  // The record's pixels go and the picture is painted again; OK becomes possible.
  void Changed();
  void Place(UINT id, int x, int y, int width, int height);

  CPhotoItem* record_;
  const CImageItems* items_;
  HWND frame_;
  // The values the dialog opened with, which cancel puts back.
  int16_t saturation_ = 0;
  int16_t contrast_ = 0;
  int16_t brightness_ = 0;
  int16_t rotation_ = 0;
};
