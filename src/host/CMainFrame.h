// The album's one frame window, a child of the host window. It lays out the panes (the
// index panel beside the views, the view bar above them, the easy print panel below),
// owns the item set the views show, receives every menu, accelerator and tool command of
// the album and keeps the view settings in the registry section "Main".
#pragma once

#include <memory>
#include <vector>

#include "browse/CHarboPhotoListView.h"
#include "browse/CHarboPhotoView.h"
#include "browse/CIdxIndexView.h"
#include "images/CImageItems.h"
#include "platform/win/FrameWnd.h"
#include "print/CHarboPhotoPrintView.h"
#include "ui/CSplitWndExCaptionForOrp.h"
#include "ui/CSplitWndExStaticBar.h"
#include "ui/CSplitWndMain.h"
#include "ui/CToolBarView.h"

class CPhoneReadSession;
class CPhoneSendSession;
class CTreeCtrl;
struct SearchCriteria;

// What a worker asks the frame to show as a message box (WM_USER+0x64): the owner, the
// text, the caption and the box's flags. The answer is the button pressed.
struct WorkerMessageBox {
  HWND owner = nullptr;
  const char* text = nullptr;
  const char* caption = nullptr;
  UINT flags = 0;
};

class CMainFrame : public CFrameWnd {
  HARBO_DECLARE_MESSAGE_MAP(CMainFrame)

 public:
  // Sort keys; bit 31 means descending.
  static constexpr uint32_t kSortDescending = 0x80000000u;
  static constexpr int kDefaultSort = 2;
  static constexpr int kDefaultImageSize = 160;
  static constexpr int kDefaultImageStyle = 14;
  static constexpr int kViewBarHeight = 26;
  static constexpr int kIndexWidth = 160;

  // The phone state in which the host's phone windows follow whether phone commands may
  // run: a phone is connected and its profile reads.
  static constexpr int kPhoneReady = 5;

  CMainFrame();
  ~CMainFrame() override;

  // Creates the frame's hidden child window in the parent at the rectangle and makes it the
  // process's frame (MainFrame()). From then on the window owns the object, which goes with
  // the window by whatever path it is destroyed; when creation fails, the object is deleted
  // here, once. Null on failure.
  static CMainFrame* Install(std::unique_ptr<CMainFrame> frame, HWND parent, const RECT& rect);
  // Writes the view settings and the placement; the destroy entry point always records
  // the normal show state. The index panel writes its own.
  void SaveSettings(bool fromDestroyEntry);
  // Reads the view settings into the frame, the item set and the panes.
  void LoadSettings();

  // The host showed or hid the frame, or the connected phone changed: the phone state is
  // read again and the phone-dependent state refreshed.
  void OnHostShow(int command);
  void OnPhoneChanged();
  // A phone transfer started (non-zero) or ended (0); its end refreshes the phone state.
  void SetTransfer(int transfer);
  int phoneState() const { return phoneState_; }

  // Rebuilds the item set from the query and hands it to the visible view; the number of
  // items. The index panel's message does this.
  int RebuildItems(const SearchCriteria& query);
  // Applies the current index entry again after the records changed.
  void ApplyIndexAgain();
  // Builds the categories of the host's index tree again from the library's tallies (the
  // search node goes), selects the panel's category again, or "全て" when it has no node
  // any more, and applies the current entry again.
  void RebuildIndexTree();
  // Selects the category's node in the host's tree and the entry in the panel.
  void ShowIndexEntry(LPARAM category, int entry);
  // Empties the item set, keeping its view settings, before the library's records go.
  void ForgetItems();
  // Tells the host "n photos, m of them selected", unless a phone operation runs.
  void UpdateStatusText();
  // Brings every item of the menu (and of its sub-menus) up to date with the commands'
  // states: enabled, checked or radio-marked.
  void UpdateMenuStates(CMenu* menu);
  // Shows sub-menu 0 (on photos) or 1 (on empty space) of the views' context menus at the
  // screen point; the chosen command comes to the frame.
  void ShowContextMenu(int subMenu, POINT screen);
  // Non-zero while a phone read or send runs.
  int transfer() const { return transfer_; }
  // Whether phone commands may run now: the application does not block them, the suite
  // reports no blocking state and no transfer runs.
  bool PhoneCommandAllowed() const;
  // Whether a read's completion is awaited, and whether the last read ended without the
  // user's cancel.
  bool readPending() const { return readSession_ != nullptr; }
  const CPhoneReadSession* readSession() const { return readSession_.get(); }
  bool readFinishedWithoutCancel() const { return readFinished_; }
  // Whether a send's completion is awaited.
  bool sendPending() const { return sendSession_ != nullptr; }
  // Whether the record is placed in the easy print layout (rename, memo and delete refuse it).
  bool PlacedInEasyPrint(const CPhotoItem* record) const;
  CHarboPhotoPrintView& easyPrint() { return easyPrint_; }
  // The details dialog on an item of the set (the views' double clicks on its date).
  void ShowDetails(CImageItem* item);
  // The rename and memo dialogs for a photo; nothing for a photo placed in the print
  // layout, and a rename beeps while a phone transfer runs. On OK the views repaint and the
  // album keeps the change.
  void RenameItem(CImageItem* item);
  void EditMemo(CImageItem* item);
  // The favourite the view bar's setter chooses: 0 removes, k (1..12) is slot k.
  void SetFavouriteChoice(int slot) { favouriteChoice_ = slot; }

  bool thumbnailShown() const;
  bool listShown() const;
  bool easyPrintShown() const;
  bool indexShown() const;
  uint32_t sort() const { return static_cast<uint32_t>(items_->sortValue()); }
  int imageSize() const { return items_->imageSize(); }
  int imageStyle() const { return items_->styleBits(); }
  CImageItems& items() { return *items_; }
  CHarboPhotoView& thumbnailView() { return thumbnails_; }
  CHarboPhotoListView& listView() { return list_; }
  CIdxIndexView& indexView() { return index_; }
  CSplitterWnd& mainSplitter() { return mainSplitter_; }
  CToolBarView& viewBar() { return viewBar_; }
  // The view bar's ids: its two buttons carry their commands; the favourite list its own.
  static constexpr UINT kFavouriteListId = 0x7F10;
  // A worker's request for a message box (a WorkerMessageBox*).
  static constexpr UINT kMsgWorkerMessageBox = WM_USER + 0x64;

  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  bool OnCreateClient() override;
  void OnClose() override;
  void OnPaint() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnShowWindow(bool show, UINT status) override;
  BOOL OnCommand(WPARAM w, LPARAM l) override;
  // The window is gone: nothing may reach the frame any more.
  void PostNcDestroy() override;

 private:
  bool CreateFrame(HWND parent, const RECT& rect);
  bool CreateSplitters();
  bool CreatePanes();
  bool FillViewBar();
  void FillFavouriteList();
  void EnableFavouriteSetter();
  static int ReadPhoneState();
  void RefreshPhoneWindows();
  // The host's index tree, or null.
  static CTreeCtrl* IndexTree();
  void ShowViews(bool thumbnail);
  void SelectStartCategory();
  // The visible view's repaint after the set changed.
  void RefreshViews();

  // Messages.
  LRESULT OnQuery(WPARAM w, LPARAM l);
  LRESULT OnAdjusted(WPARAM w, LPARAM l);
  LRESULT OnFavouritesRenamed(WPARAM w, LPARAM l);
  LRESULT OnDeleteKey(WPARAM w, LPARAM l);
  LRESULT OnTreeItemSelect(WPARAM selected, LPARAM previous);
  LRESULT OnShowPhotoByName(WPARAM w, LPARAM l);
  LRESULT OnFocusPhoto(WPARAM w, LPARAM l);
  LRESULT OnCalendarChanged(WPARAM w, LPARAM l);
  LRESULT OnIgnored(WPARAM w, LPARAM l);
  LRESULT OnWorkerMessageBox(WPARAM w, LPARAM l);
  void OnFavouriteChosen();
  LRESULT OnQueryEndSession(WPARAM w, LPARAM l);
  LRESULT OnSendDone(WPARAM w, LPARAM l);
  LRESULT OnReadDone(WPARAM w, LPARAM l);

  // Commands.
  void OnSwitchView();
  void OnCaption(uint16_t bit);
  void OnCaptionName() { OnCaption(2); }
  void OnCaptionDate() { OnCaption(4); }
  void OnCaptionMemo() { OnCaption(8); }
  void OnStyleBit0() { OnCaption(1); }
  void OnThumbnailSize(int pixels);
  void OnSizeSmall() { OnThumbnailSize(80); }
  void OnSizeMedium() { OnThumbnailSize(160); }
  void OnSizeLarge() { OnThumbnailSize(240); }
  void OnSort(uint32_t key);
  void OnSortName() { OnSort(1); }
  void OnSortDate() { OnSort(2); }
  void OnSortSize() { OnSort(3); }
  void OnSortMemo() { OnSort(4); }
  void OnSelectAll();
  void OnPreview();
  void OnDelete();
  void OnCopy();
  void OnDetails();
  void OnMapLink();
  void OnSetFavourite();
  void OnHelp();
  void OnHomePage();
  void OnRenameFavourite();
  void OnOpenItem();
  void OnEditPhoto();
  void OnSendToPhone();
  void OnReadFromPhone();
  void OnReadOptions();
  void OnImport();
  void OnExport();
  void OnSearch();
  void OnPrintStyles();
  void OnToggleEasyPrint();
  void OnInsertIntoEasyPrint();
  void OnPrint();
  void OnEasyPrintLayout();
  void OnUpdateInsertIntoEasyPrint(CCmdUI* ui);
  void OnUpdatePrint(CCmdUI* ui);
  void OnRename();
  void OnEditMemo();
  void OnUpdateRename(CCmdUI* ui);
  void OnUpdateEditMemo(CCmdUI* ui);

  // Update handlers: the state of each command.
  void OnUpdateCaption(CCmdUI* ui);
  void OnUpdateSize(CCmdUI* ui);
  void OnUpdateSort(CCmdUI* ui);
  void OnUpdateSelection(CCmdUI* ui);
  void OnUpdateMapLink(CCmdUI* ui);
  void OnUpdateDelete(CCmdUI* ui);
  void OnUpdateSelectAll(CCmdUI* ui);
  void OnUpdatePreview(CCmdUI* ui);
  void OnUpdateEasyPrint(CCmdUI* ui);
  void OnUpdatePrintStyles(CCmdUI* ui);
  void OnUpdateEditPhoto(CCmdUI* ui);
  void OnUpdateSendToPhone(CCmdUI* ui);
  void OnUpdateNoTransfer(CCmdUI* ui);
  void OnUpdateRenameFavourite(CCmdUI* ui);
  void OnUpdateReadFromPhone(CCmdUI* ui);

  // Reading from the phone, in its steps.
  bool StartRead();
  std::unique_ptr<CPhoneReadSession> EndRead();
  void SelectNewPhotos(const std::vector<CPhotoItem*>& records);

  // Delete, in its branches.
  void RemoveFavouriteMarks();
  std::vector<CImageItem*> TakeDeletable();
  bool ConfirmDeletion(const std::vector<CImageItem*>& taken);
  void RemoveTaken(const std::vector<CImageItem*>& taken, bool deleteRecords);
  std::vector<CImageItem*> SelectedItems() const;
  std::vector<CPhotoItem*> SelectedRecords() const;

  CSplitWndMain mainSplitter_;
  CSplitWndExCaptionForOrp rightSplitter_;
  CSplitWndExStaticBar viewSplitter_;
  CToolBarView viewBar_;
  CHarboPhotoListView list_;
  CHarboPhotoView thumbnails_;
  CHarboPhotoPrintView easyPrint_;
  CIdxIndexView index_;
  std::unique_ptr<CImageItems> items_ = std::make_unique<CImageItems>(true);

  bool wantEasyPrint_ = true;
  int transfer_ = 0;
  int phoneState_ = 0;
  int phoneBlock_ = 0;
  int favouriteChoice_ = 0;
  // The send between its start and the library's report of its end.
  std::unique_ptr<CPhoneSendSession> sendSession_;
  // The read between its start and its completion, and the mark of a read that finished
  // without the user's cancel.
  std::unique_ptr<CPhoneReadSession> readSession_;
  bool readFinished_ = false;
  // Set while the frame itself changes the host's tree: the selections that reports are
  // the frame's own, and the panel follows the frame rather than each of them.
  bool movingTree_ = false;
  // Set once creation succeeded: only then does the window own the object. A failed
  // creation destroys the window too, and its owner deletes the object instead.
  bool ownedByWindow_ = false;
};

// The process-wide pointer to the frame: set by window creation, emptied by destruction.
CMainFrame* MainFrame();
void SetMainFrame(CMainFrame* frame);
