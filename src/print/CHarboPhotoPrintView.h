// The easy print panel below the views. On the left the user picks a style (the basic or the
// calendar easy-print style, or one of the styles of the list) and adjusts it with a few
// controls; on the right the page preview shows the current page with the photos placed in
// its cells. Photos come in from the selection of the current view (insert, or a drag onto
// the preview), move between cells by dragging, leave with Delete or "クリア"; the pages
// print through the print manager, and the layout window shows them larger.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "platform/win/MessageMap.h"
#include "platform/win/Wnd.h"
#include "print/CCtrlPrintPreview.h"
#include "print/CPrintFormat.h"
#include "print/CPrintItems.h"
#include "print/PrintPageTemplate.h"

class CDlgOrPrintPreview;
class CPhotoItem;
class CPrintManager;

class CHarboPhotoPrintView : public CWnd {
  HARBO_DECLARE_MESSAGE_MAP(CHarboPhotoPrintView)

 public:
  // The style selector's pages.
  enum StylePage { kBasicPage = 0, kCalendarPage = 1, kStyleListPage = 2 };
  static constexpr int kStylePageCount = 3;
  // The height the panel asks of its splitter row.
  static int IdealHeight();

  CHarboPhotoPrintView();
  ~CHarboPhotoPrintView() override;

  bool Create(HWND parent, UINT id);

  // Printing is always available: the file printer is there even without a print system.
  static bool PrintingAvailable() { return true; }
  // Whether the photo is placed in the print layout (delete and rename refuse such photos).
  bool IsPlaced(const CPhotoItem* record) const;
  // Whether a photo lies on a page that prints.
  bool HasSomethingToPrint() const;
  // Lays the controls and the preview out again for the panel's size.
  void Relayout();

  // Where inserted photos come from: the selection of the current view.
  using SelectionSource = std::function<std::vector<CPhotoItem*>()>;
  void SetSelectionSource(SelectionSource source) { selection_ = std::move(source); }
  // Inserts the selected photos from the cell (-1: the preview's selected cell, or else
  // the first free place of the page on); tells the user when nothing usable was selected
  // or no more photos fit.
  void InsertSelection(int startCell = -1);
  void ClearPhotos();
  // Prints the range ("一枚": the page shown; "全ページ": all) with the working style.
  void Print();
  void PrinterSetup();
  void NextPage();
  void PreviousPage();
  void ShowLayoutWindow(bool show);
  // The layout window takes itself out of the way while a modal dialog runs.
  void SuspendFloating();
  void ResumeFloating();
  bool floatingShown() const;
  // Lets go of every placed photo before their records go; the styles are read again when
  // the panel next starts.
  void ForgetPhotos();
  // After the style list was edited elsewhere: its styles are shown again.
  void ReloadStyles();
  // Writes "StyleIndex" and "PagePlural" and saves the easy-print styles.
  void SaveState();

  int stylePage() const { return stylePage_; }
  void SelectStylePage(int page);
  int currentPage() const { return page_; }
  // The last page with photos (0 when none), as the indicator counts.
  int lastPage() const;
  CPrintItems& items() { return items_; }
  const CPrintFormat& working() const { return working_; }
  const PrintPageTemplate& layout() const { return layout_; }
  int cellsPerPage() const;
  CCtrlPrintPreview& preview() { return preview_; }
  CDlgOrPrintPreview* layoutWindow() { return layoutWindow_.get(); }
  CWnd* Control(UINT id) const;
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  int OnCreate() override;
  void OnDestroy() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnPaint() override;
  BOOL OnCommand(WPARAM w, LPARAM l) override;

 private:
  LRESULT OnPreviewDelete(WPARAM cell, LPARAM page);
  LRESULT OnPreviewDrop(WPARAM cell, LPARAM l);
  LRESULT OnPreviewSwap(WPARAM source, LPARAM target);
  LRESULT OnLayoutNext(WPARAM w, LPARAM l);
  LRESULT OnLayoutPrevious(WPARAM w, LPARAM l);
  LRESULT OnLayoutPrint(WPARAM w, LPARAM l);
  LRESULT OnLayoutReset(WPARAM w, LPARAM l);
  LRESULT OnLayoutOrderChanged(WPARAM w, LPARAM l);
  LRESULT OnListNotify(WPARAM w, LPARAM l);
  LRESULT OnStart(WPARAM w, LPARAM l);
  static constexpr UINT kMsgStart = WM_USER + 0x320;

  // Starts the print manager and loads the panel's state on first use.
  bool Start();
  CPrintManager& manager() const;
  void CreateControls();
  void LoadState();

  // The style the shown page edits: the easy-print style, or the list's current style.
  CPrintFormat* ShownStyle();
  // The working copy follows the shown style; the page is laid out again.
  void TakeShownStyle();
  // After a change of the style: it is laid out again on the printer's page, then shown.
  void Refresh();
  // After a change of the photos or of the page shown: the previews and the paging follow.
  void ShowPhotos();
  void ShowStylePageControls();
  void FillCombos();
  void FillStyleList();
  void ShowStyleValues();
  void UpdatePaging();
  // A control changed a value of the shown style: both it and the working copy take it.
  void OnStyleControl(UINT id);
  void EditStyle(const std::function<void(CPrintFormat&)>& change);
  void OnPhotoOption(UINT id);
  void OnCalendarEvents();
  void OnMargin();
  void OnStyleDetails();
  void OnStyleListSelection();
  // Asks where the file printer writes; false when the user cancelled.
  bool ChooseOutputFile();

  bool started_ = false;
  bool startPosted_ = false;
  bool restartManager_ = false;
  std::array<CPrintFormat, kStylePageCount> easyPrint_{};  // basic, label, calendar
  CPrintFormat working_;
  PrintPageTemplate layout_;
  CPrintItems items_;
  CCtrlPrintPreview preview_;
  std::unique_ptr<CDlgOrPrintPreview> layoutWindow_;
  std::vector<std::unique_ptr<CWnd>> shared_;
  std::array<std::vector<std::unique_ptr<CWnd>>, kStylePageCount> pages_;
  SelectionSource selection_;
  int stylePage_ = kBasicPage;
  int page_ = 0;
  bool allPages_ = false;
  bool filling_ = false;  // controls being filled: their notifications change nothing
};
