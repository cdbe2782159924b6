// The export dialog: the folder to export to, the photos of the current view with their
// ticks (a tick is the photo's selection mark, so ticking here selects in the view too),
// the options, and the export itself with its progress window and its reports. The
// settings are read when the dialog opens and written when it closes.
#pragma once

#include <vector>

#include "browse/TickedPhotoList.h"
#include "host/CCDialogExPh.h"
#include "images/CImageItems.h"
#include "transfer/PcExport.h"

class CCheckBox;
class CEdit;
class CListCtrl;
class CStatic;

class CDlgImageExport : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgImageExport)

 public:
  // Where the focused photo is painted: beside the list, over its height.
  static constexpr RECT kPreviewRect{344, 64, 508, 228};

  explicit CDlgImageExport(CImageItems& view, HWND parent = nullptr);
  ~CDlgImageExport() override;

  // The control of the layout with this id while the dialog runs (tests drive them).
  using CCDialogExPh::Control;
  // The dialog's list while it runs, or null.
  CListCtrl* list() const { return list_; }

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void OnPaint() override;

 private:
  LRESULT OnNotify(WPARAM w, LPARAM l);
  void OnBrowse();
  void OnStart();

  bool FindControls();
  void ShowSettings();
  void TakeSettings();
  void ShowCount();
  std::vector<CPhotoItem*> Ticked() const;
  void RefuseFolder();
  void Export(const Cp932String& folder, const std::vector<CPhotoItem*>& photos);

  CImageItems& view_;
  TickedPhotoList ticked_{view_};
  pcexport::Settings settings_;
  CListCtrl* list_ = nullptr;
  CEdit* folder_ = nullptr;
  CStatic* caption_ = nullptr;
  CCheckBox* overwrite_ = nullptr;
  CCheckBox* subfolders_ = nullptr;
  CCheckBox* applyEdits_ = nullptr;
};
