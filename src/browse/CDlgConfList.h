// The list of the photos an action is about to touch, shown before it happens so that the
// user sees exactly which files are meant: photos to be added, to be deleted, to leave the
// favourites, or that cannot be sent to the phone. The caller sets the mode, adds the
// photos and runs the dialog. The focused row's photo is shown beside the list, and a
// click on a column header sorts the rows by that column.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/CCDialogExPh.h"
#include "images/CImageItems.h"

class CButton;
class CIconCtrl;
class CListCtrl;
class CStatic;

class CDlgConfList : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgConfList)

 public:
  static constexpr int32_t kModeAdd = 0;
  static constexpr int32_t kModeDelete = 1;
  static constexpr int32_t kModeUnfavourite = 2;
  static constexpr int32_t kModeCannotSend = 3;

  // Where the focused photo is painted: beside the list, over the list's height.
  static constexpr RECT kThumbnailRect{296, 48, 460, 212};

  explicit CDlgConfList(HWND parent = nullptr);
  ~CDlgConfList() override;

  // False, keeping the mode, for a number that is no mode.
  bool SetMode(int32_t mode);
  int32_t mode() const { return mode_; }
  // Appends a photo of the caller's item set; the list shows it but does not own it.
  void AddItem(CImageItem* item);
  const CImageItems& items() const { return items_; }

  // 1 for the first button; 2 for the second button or closing. With no photos no dialog
  // is shown: adding tells the user so and answers 1, the other modes beep and answer 2.
  // -1 when the suite does not let the dialog run.
  intptr_t DoModal() override;

  // The dialog's list while it runs, or null.
  CListCtrl* list() const { return list_; }

 protected:
  BOOL OnInitDialog() override;
  void OnPaint() override;

 private:
  LRESULT OnNotify(WPARAM w, LPARAM l);
  LRESULT OnGetDefId(WPARAM w, LPARAM l);

  bool CreateControls();
  // The control made with that id, when it is of that kind.
  template <class Kind>
  Kind* Made(UINT id) const;
  void ShowMode();
  void PlaceWindow();
  void AddColumns();
  void Fill();
  Cp932String CellText(const CImageItem& item, int column) const;
  void SortByColumn(int column);
  int Compare(const CImageItem& first, const CImageItem& second, int column) const;
  CImageItem* FocusedItem() const;

  CListCtrl* list_ = nullptr;
  CIconCtrl* icon_ = nullptr;
  CStatic* text_ = nullptr;
  CButton* first_ = nullptr;
  CButton* second_ = nullptr;
  int32_t mode_ = kModeAdd;
  CImageItems items_{false};
  UINT defaultId_ = IDOK;
  std::vector<std::unique_ptr<CWnd>> controls_;
};
