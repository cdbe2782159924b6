// The details of one photo: its general file facts and its shooting information (the Exif
// tags, or the text comments of a PNG file or of a JPEG without Exif) in two lists that
// share one place, each shown by its push-like button, with the photo fitted beside them.
#pragma once

#include <memory>
#include <vector>

#include "exif/CExifSource.h"
#include "host/CCDialogExPh.h"

class CButton;
class CImageItem;
class CListCtrl;
struct NMHDR;

class CDlgImageProperties : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgImageProperties)

 public:
  // Where the photo is drawn: a square beside the lists, as high as they are.
  static constexpr RECT kPreviewRect{336, 8, 500, 172};

  explicit CDlgImageProperties(HWND parent = nullptr);
  ~CDlgImageProperties() override;

  // Takes the source kind from the photo's extension and runs the dialog on the item of
  // the caller's set; the result of the modal run (-1 when there is no photo).
  intptr_t Show(CImageItem* item);

  int sourceKind() const { return sourceKind_; }
  const std::vector<ExifListRow>& generalRows() const { return general_; }
  const std::vector<ExifListRow>& shootingRows() const { return shooting_; }
  // The lists and the page buttons while the dialog runs, or null.
  CListCtrl* generalList() const { return generalList_; }
  CListCtrl* shootingList() const { return shootingList_; }
  CButton* generalButton() const { return generalButton_; }
  CButton* shootingButton() const { return shootingButton_; }

 protected:
  BOOL OnInitDialog() override;
  void OnPaint() override;

 private:
  LRESULT OnNotify(WPARAM w, LPARAM l);
  void OnGeneralPage() { ShowPage(false); }
  void OnShootingPage() { ShowPage(true); }

  bool CreateControls();
  template <class Kind>
  Kind* Made(UINT id) const;
  void PlaceWindow();
  void SetTitle();
  void FillList(CListCtrl* list, const std::vector<ExifListRow>& rows);
  void ShowPage(bool shooting);
  const std::vector<ExifListRow>* RowsOf(HWND list) const;
  LRESULT HeadingColours(NMHDR* header);

  CImageItem* item_ = nullptr;
  int sourceKind_ = 2;
  std::vector<ExifListRow> general_;
  std::vector<ExifListRow> shooting_;
  CListCtrl* generalList_ = nullptr;
  CListCtrl* shootingList_ = nullptr;
  CButton* generalButton_ = nullptr;
  CButton* shootingButton_ = nullptr;
  std::vector<std::unique_ptr<CWnd>> controls_;
};
