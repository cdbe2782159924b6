#include "host/CMainFrame.h"

#include <algorithm>

#include "browse/IndexTree.h"
#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"
#include "host/SuiteContext.h"
#include "host/SuiteRegistry.h"
#include "library/CPhotoManager.h"
#include "phone/CPhoneReadSession.h"
#include "phone/PhoneSendSession.h"
#include "platform/gdi/CDC.h"
#include "platform/phonelib/PhoneLib.h"
#include "platform/win/Dialog.h"
#include "platform/win/PopupMenu.h"
#include "resources/CommandIds.h"
#include "resources/MenuResources.h"
#include "ui/CCButton.h"
#include "ui/CCtrlDropList.h"
#include "ui/CDrawObject.h"

namespace {

CMainFrame* g_frame = nullptr;

constexpr const char* kSection = "Main";
constexpr UINT kMsgAdjusted = WM_USER + 0x154;
constexpr UINT kMsgFavouritesRenamed = WM_USER + 0x158;
constexpr UINT kMsgDeleteKey = WM_USER + 0x159;
constexpr UINT kMsgTreeItemSelect = WM_USER + 0x221;

// Pane ids: the panes of a splitter carry the ids of their cells.
constexpr UINT kFirstPane = CSplitterWnd::kFirstPaneId;

}  // namespace

CMainFrame* MainFrame() {
  return g_frame;
}
void SetMainFrame(CMainFrame* frame) {
  g_frame = frame;
}

const MessageMap<CMainFrame>& CMainFrame::GetMessageMap() {
  static const MessageMap<CMainFrame> map{
      .messages =
          {
              {CIdxIndexView::kMsgQuery, &CMainFrame::OnQuery},
              {kMsgAdjusted, &CMainFrame::OnAdjusted},
              {kMsgFavouritesRenamed, &CMainFrame::OnFavouritesRenamed},
              {kMsgDeleteKey, &CMainFrame::OnDeleteKey},
              {kMsgTreeItemSelect, &CMainFrame::OnTreeItemSelect},
              {kHostMsgShowPhoto, &CMainFrame::OnShowPhotoByName},
              {kHostMsgFocusPhoto, &CMainFrame::OnFocusPhoto},
              {kHostMsgCalendarChanged, &CMainFrame::OnCalendarChanged},
              {WM_QUERYENDSESSION, &CMainFrame::OnQueryEndSession},
              {CCdmaComm::kMsgWriteDone, &CMainFrame::OnSendDone},
              {CCdmaComm::kMsgReadDone, &CMainFrame::OnReadDone},
              {kMsgWorkerMessageBox, &CMainFrame::OnWorkerMessageBox},
              {WM_TIMECHANGE, &CMainFrame::OnIgnored},
              {WM_USER + 0x10F, &CMainFrame::OnIgnored},
              {WM_USER + 0x15C, &CMainFrame::OnIgnored},
              {WM_USER + 0x51, &CMainFrame::OnIgnored},
              {WM_USER + 0x52, &CMainFrame::OnIgnored},
          },
      .commands =
          {
              {cmd::kSwitchView, &CMainFrame::OnSwitchView},
              {cmd::kCaptionName, &CMainFrame::OnCaptionName},
              {cmd::kCaptionDate, &CMainFrame::OnCaptionDate},
              {cmd::kCaptionMemo, &CMainFrame::OnCaptionMemo},
              {cmd::kStyleBit0, &CMainFrame::OnStyleBit0},
              {cmd::kSizeSmall, &CMainFrame::OnSizeSmall},
              {cmd::kSizeMedium, &CMainFrame::OnSizeMedium},
              {cmd::kSizeLarge, &CMainFrame::OnSizeLarge},
              {cmd::kSortName, &CMainFrame::OnSortName},
              {cmd::kSortDate, &CMainFrame::OnSortDate},
              {cmd::kSortSize, &CMainFrame::OnSortSize},
              {cmd::kSortMemo, &CMainFrame::OnSortMemo},
              {cmd::kSelectAll, &CMainFrame::OnSelectAll},
              {cmd::kPreview, &CMainFrame::OnPreview},
              {cmd::kDelete, &CMainFrame::OnDelete},
              {cmd::kCopy, &CMainFrame::OnCopy},
              {cmd::kDetails, &CMainFrame::OnDetails},
              {cmd::kMap, &CMainFrame::OnMapLink},
              {cmd::kSetFavourite, &CMainFrame::OnSetFavourite},
              {cmd::kHelp, &CMainFrame::OnHelp},
              {cmd::kHomePage, &CMainFrame::OnHomePage},
              {cmd::kRenameFavourite, &CMainFrame::OnRenameFavourite},
              {cmd::kOpenItem, &CMainFrame::OnOpenItem},
              {cmd::kEditPhoto, &CMainFrame::OnEditPhoto},
              {cmd::kSendToPhone, &CMainFrame::OnSendToPhone},
              {cmd::kHostSend, &CMainFrame::OnSendToPhone},
              {cmd::kReadFromPhone, &CMainFrame::OnReadFromPhone},
              {cmd::kHostRead, &CMainFrame::OnReadFromPhone},
              {cmd::kReadOptions, &CMainFrame::OnReadOptions},
              {cmd::kImport, &CMainFrame::OnImport},
              {cmd::kExport, &CMainFrame::OnExport},
              {cmd::kSearch, &CMainFrame::OnSearch},
              {cmd::kPrintStyles, &CMainFrame::OnPrintStyles},
              {cmd::kToggleEasyPrint, &CMainFrame::OnToggleEasyPrint},
              {cmd::kInsertIntoEasyPrint, &CMainFrame::OnInsertIntoEasyPrint},
              {cmd::kPrint, &CMainFrame::OnPrint},
              {cmd::kEasyPrintLayout, &CMainFrame::OnEasyPrintLayout},
              {cmd::kRename, &CMainFrame::OnRename},
              {cmd::kEditMemo, &CMainFrame::OnEditMemo},
          },
      .updates =
          {
              {cmd::kCaptionName, &CMainFrame::OnUpdateCaption},
              {cmd::kCaptionDate, &CMainFrame::OnUpdateCaption},
              {cmd::kCaptionMemo, &CMainFrame::OnUpdateCaption},
              {cmd::kSizeSmall, &CMainFrame::OnUpdateSize},
              {cmd::kSizeMedium, &CMainFrame::OnUpdateSize},
              {cmd::kSizeLarge, &CMainFrame::OnUpdateSize},
              {cmd::kSortName, &CMainFrame::OnUpdateSort},
              {cmd::kSortDate, &CMainFrame::OnUpdateSort},
              {cmd::kSortSize, &CMainFrame::OnUpdateSort},
              {cmd::kSortMemo, &CMainFrame::OnUpdateSort},
              {cmd::kCopy, &CMainFrame::OnUpdateSelection},
              {cmd::kDetails, &CMainFrame::OnUpdateSelection},
              {cmd::kMap, &CMainFrame::OnUpdateMapLink},
              {cmd::kDelete, &CMainFrame::OnUpdateDelete},
              {cmd::kSelectAll, &CMainFrame::OnUpdateSelectAll},
              {cmd::kPreview, &CMainFrame::OnUpdatePreview},
              {cmd::kToggleEasyPrint, &CMainFrame::OnUpdateEasyPrint},
              {cmd::kPrintStyles, &CMainFrame::OnUpdatePrintStyles},
              {cmd::kInsertIntoEasyPrint, &CMainFrame::OnUpdateInsertIntoEasyPrint},
              {cmd::kPrint, &CMainFrame::OnUpdatePrint},
              {cmd::kEditPhoto, &CMainFrame::OnUpdateEditPhoto},
              {cmd::kSendToPhone, &CMainFrame::OnUpdateSendToPhone},
              {cmd::kReadFromPhone, &CMainFrame::OnUpdateReadFromPhone},
              {cmd::kReadOptions, &CMainFrame::OnUpdateNoTransfer},
              {cmd::kImport, &CMainFrame::OnUpdateNoTransfer},
              {cmd::kExport, &CMainFrame::OnUpdateNoTransfer},
              {cmd::kRenameFavourite, &CMainFrame::OnUpdateRenameFavourite},
              {cmd::kRename, &CMainFrame::OnUpdateRename},
              {cmd::kEditMemo, &CMainFrame::OnUpdateEditMemo},
          },
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CMainFrame, CFrameWnd)

CMainFrame::CMainFrame() = default;

// A read still running goes with the frame, and so does its phone operation.
CMainFrame::~CMainFrame() {
  if (g_frame == this) g_frame = nullptr;
  if (readSession_ != nullptr) EndRead();
}

CMainFrame* CMainFrame::Install(std::unique_ptr<CMainFrame> frame, HWND parent, const RECT& rect) {
  if (frame == nullptr || !frame->CreateFrame(parent, rect)) return nullptr;
  frame->ownedByWindow_ = true;
  CMainFrame* made = frame.release();
  SetMainFrame(made);
  made->MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, true);
  made->SelectStartCategory();
  return made;
}

bool CMainFrame::CreateFrame(HWND parent, const RECT& rect) {
  SetAccelerators(res::LoadAccelerators(res::kMainAccelerators));
  phoneBlock_ = TheApp().phoneBlock();
  if (!Create({}, WS_CHILD, rect, parent)) return false;
  TheApp().SetMainWindow(this);
  phoneState_ = ReadPhoneState();
  RefreshPhoneWindows();
  return true;
}

// The panes in the order they depend on one another: the splitters, the views in the view
// splitter, the easy print panel, the index panel; then the settings.
bool CMainFrame::OnCreateClient() {
  if (!CreateSplitters() || !CreatePanes()) return false;
  mainSplitter_.SetColumnInfo(0, kIndexWidth, 0);
  viewSplitter_.SetRowInfo(0, kViewBarHeight, kViewBarHeight);
  // The easy print panel keeps its height; the views take the rest.
  rightSplitter_.KeepLastRow(true);
  rightSplitter_.SetRowInfo(
      1, CHarboPhotoPrintView::IdealHeight() + CSplitWndExCaptionForOrp::kCaptionHeight,
      kViewBarHeight);
  const RECT client = GetClientRect();
  mainSplitter_.MoveWindow(0, 0, client.right, client.bottom, true);
  LoadSettings();
  return true;
}

bool CMainFrame::CreateSplitters() {
  if (!mainSplitter_.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, kFirstPane)) return false;
  if (!rightSplitter_.CreateStatic(&mainSplitter_, 2, 1, WS_CHILD | WS_VISIBLE,
                                   mainSplitter_.IdFromRowCol(0, 1)))
    return false;
  mainSplitter_.SetPane(0, 1, &rightSplitter_);
  if (!viewSplitter_.CreateStatic(&rightSplitter_, 3, 1, WS_CHILD | WS_VISIBLE,
                                  rightSplitter_.IdFromRowCol(0, 0)))
    return false;
  rightSplitter_.SetPane(0, 0, &viewSplitter_);
  return true;
}

bool CMainFrame::CreatePanes() {
  if (!thumbnails_.Create(&viewSplitter_, viewSplitter_.IdFromRowCol(2, 0)) ||
      !list_.Create(&viewSplitter_, viewSplitter_.IdFromRowCol(1, 0)) ||
      !viewBar_.Create(&viewSplitter_, viewSplitter_.IdFromRowCol(0, 0)) || !FillViewBar() ||
      !easyPrint_.Create(&rightSplitter_, rightSplitter_.IdFromRowCol(1, 0)) ||
      !index_.Create(&mainSplitter_, mainSplitter_.IdFromRowCol(0, 0), this))
    return false;
  rightSplitter_.SetCaption(1, 0, cp932::Lit("簡単プリント "));
  viewSplitter_.SetPane(0, 0, &viewBar_);
  viewSplitter_.SetPane(1, 0, &list_);
  viewSplitter_.SetPane(2, 0, &thumbnails_);
  rightSplitter_.SetPane(1, 0, &easyPrint_);
  easyPrint_.SetSelectionSource([this] { return SelectedRecords(); });
  mainSplitter_.SetPane(0, 0, &index_);
  return true;
}

// The view bar: search and view switch, then the favourite setter, a button and its list.
bool CMainFrame::FillViewBar() {
  viewBar_.SetCommandTarget(this);
  CCButton* search = viewBar_.AddButton(cp932::Lit("検索"), RECT{4, 0, 84, 25}, cmd::kSearch);
  CCButton* view =
      viewBar_.AddButton(cp932::Lit("表示切替"), RECT{88, 0, 168, 25}, cmd::kSwitchView);
  CCButton* favourite =
      viewBar_.AddButton(cp932::Lit("お気に入り"), RECT{180, 0, 260, 25}, cmd::kSetFavourite);
  CCtrlDropList* list = viewBar_.AddDropList(RECT{264, 2, 424, 300}, kFavouriteListId);
  if (search == nullptr || view == nullptr || favourite == nullptr || list == nullptr) return false;
  // A button whose command the album does not handle yet stays greyed, as its menu item does.
  for (CCButton* button : {search, view, favourite})
    button->EnableWindow(HasCommandHandler(button->GetDlgCtrlID()));
  search->SetImage(CCButton::kImageSearch);
  search->SetToolTip(cp932::Lit("検索の条件を入力します"));
  view->SetImage(CCButton::kImageSwitchView);
  view->SetToolTip(cp932::Lit("サムネイル/リストの表示を切り替えます"));
  FillFavouriteList();
  return true;
}

// "(はずす)" takes every favourite away; entry k puts the photos in favourite k.
void CMainFrame::FillFavouriteList() {
  auto* list = dynamic_cast<CCtrlDropList*>(viewBar_.GetControl(kFavouriteListId));
  if (list == nullptr) return;
  list->ResetContent();
  list->AddString(cp932::Lit("(はずす)"), 0);
  const CPhotoManager* library = TheApp().library();
  for (int slot = 1; slot <= CPhotoManager::kFavouriteSlots; ++slot)
    list->AddString(library != nullptr ? library->FavouriteName(slot) : Cp932String(),
                    static_cast<uintptr_t>(slot));
  list->SetCurSel(favouriteChoice_);
}

void CMainFrame::OnFavouriteChosen() {
  auto* list = dynamic_cast<CCtrlDropList*>(viewBar_.GetControl(kFavouriteListId));
  if (list == nullptr || list->GetCurSel() < 0) return;
  favouriteChoice_ = static_cast<int>(list->GetItemData(list->GetCurSel()));
}

// The favourite setter does nothing for the set-aside photos.
void CMainFrame::EnableFavouriteSetter() {
  const bool enable = !(indexShown() && items_->category() == indextree::kSetAside);
  for (UINT id : {cmd::kSetFavourite, kFavouriteListId})
    if (CWnd* control = viewBar_.GetControl(id)) control->EnableWindow(enable);
  viewBar_.Invalidate();
}

void CMainFrame::LoadSettings() {
  CHarboPhotoApp& app = TheApp();
  const bool thumbnail = app.ReadInt(kSection, "DispThumbnail", 1) != 0;
  wantEasyPrint_ = app.ReadInt(kSection, "DispPrint", 1) != 0;
  const int sort = app.ReadInt(kSection, "Sort", kDefaultSort);
  if (!items_->Sort(sort)) items_->Sort(kDefaultSort);
  items_->SetImageSize(app.ReadInt(kSection, "ImageSize", kDefaultImageSize));
  items_->SetStyleBits(
      static_cast<uint16_t>(app.ReadInt(kSection, "ImageStyle", kDefaultImageStyle)));
  // The easy print panel shows only where printing is available.
  rightSplitter_.ShowRow(1, wantEasyPrint_ && CHarboPhotoPrintView::PrintingAvailable());
  ShowViews(thumbnail);
  index_.LoadState();
}

void CMainFrame::SaveSettings(bool fromDestroyEntry) {
  CHarboPhotoApp& app = TheApp();
  app.WriteInt(kSection, "DispThumbnail", thumbnailShown() ? 1 : 0);
  app.WriteInt(kSection, "DispList", listShown() ? 1 : 0);
  app.WriteInt(kSection, "DispPrint", wantEasyPrint_ ? 1 : 0);
  app.WriteInt(kSection, "Sort", static_cast<int>(sort()));
  app.WriteInt(kSection, "ImageSize", imageSize());
  app.WriteInt(kSection, "ImageStyle", imageStyle() & 0xFFFF);
  const RECT r = GetWindowRect();
  app.WriteInt(kSection, "Left", r.left);
  app.WriteInt(kSection, "Top", r.top);
  app.WriteInt(kSection, "Width", r.right - r.left);
  app.WriteInt(kSection, "Height", r.bottom - r.top);
  app.WriteInt(kSection, "ShowWindow",
               !fromDestroyEntry && IsZoomed() ? SW_SHOWMAXIMIZED : SW_SHOW);
  index_.SaveState();
  easyPrint_.SaveState();
}

bool CMainFrame::thumbnailShown() const {
  return viewSplitter_.IsRowShown(2);
}
bool CMainFrame::listShown() const {
  return viewSplitter_.IsRowShown(1);
}
bool CMainFrame::easyPrintShown() const {
  return rightSplitter_.IsRowShown(1);
}
bool CMainFrame::indexShown() const {
  return mainSplitter_.IsColumnShown(0);
}

// One of the two views shows the item set; the other lets go of it. The keyboard focus
// moves along when one of them had it.
void CMainFrame::ShowViews(bool thumbnail) {
  const bool hadFocus = thumbnails_.HasFocus() || list_.HasFocus();
  viewSplitter_.ShowRow(2, thumbnail);
  viewSplitter_.ShowRow(1, !thumbnail);
  thumbnails_.SetItems(thumbnail ? items_.get() : nullptr);
  list_.SetItems(thumbnail ? nullptr : items_.get());
  if (!hadFocus) return;
  if (thumbnail)
    thumbnails_.SetFocus();
  else
    list_.SetFocus();
}

void CMainFrame::RefreshViews() {
  if (thumbnailShown())
    thumbnails_.Relayout();
  else
    list_.Invalidate();
}

// The index starts on the category the host's tree has selected, else on the one the
// panel remembers.
void CMainFrame::SelectStartCategory() {
  SuiteContext* context = suite::Context();
  const LPARAM selected =
      context != nullptr ? indextree::SelectedValue(context->indexTree) : LPARAM{0};
  if (selected != 0 && selected != index_.currentCategory())
    index_.SelectCategory(selected);
  else
    index_.ApplyAgain();
}

int CMainFrame::RebuildItems(const SearchCriteria& query) {
  const CPhotoManager* library = TheApp().library();
  auto made = std::make_unique<CImageItems>(true);
  made->SetImageSize(items_->imageSize());
  made->SetStyleBits(items_->styleBits());
  if (library != nullptr) {
    CPhotoItems shown(false);
    for (const CImageItem* item : items_->items())
      if (item->record() != nullptr) shown.Add(item->record());
    const std::unique_ptr<CPhotoItems> found = library->SearchInView(query, shown);
    for (CPhotoItem* record : found->items()) made->AddRecord(record);
  }
  SuiteContext* context = suite::Context();
  const LPARAM node = context != nullptr ? indextree::SelectedValue(context->indexTree) : 0;
  if (node == indextree::kSearch) {
    made->SetCategory(static_cast<int>(indextree::kSearch));
    made->SetFavouriteMask(0);
    index_.ShowSearchResult(made->count());
  } else {
    made->SetCategory(static_cast<int>(index_.currentCategory()));
    made->SetFavouriteMask(index_.favouritesCurrent() ? index_.currentEntry() : 0);
  }
  const int32_t sortValue = (items_->sortValue() & ~static_cast<int32_t>(kSortDescending)) != 0
                                ? items_->sortValue()
                                : kDefaultSort;
  made->Sort(sortValue);
  std::unique_ptr<CImageItems> old = std::move(items_);
  items_ = std::move(made);
  ShowViews(thumbnailShown());
  EnableFavouriteSetter();
  if (query.report != 0)
    AlbumMessageBox(cp932::Lit("検索終了しました。検索件数は、") + std::to_string(items_->count()) +
                        cp932::Lit("件です。"),
                    MB_ICONINFORMATION);
  return items_->count();
}

void CMainFrame::ApplyIndexAgain() {
  index_.ApplyAgain();
}

void CMainFrame::ForgetItems() {
  easyPrint_.ForgetPhotos();
  auto empty = std::make_unique<CImageItems>(true);
  empty->SetImageSize(items_->imageSize());
  empty->SetStyleBits(items_->styleBits());
  empty->Sort(items_->sortValue());
  empty->SetCategory(items_->category());
  std::unique_ptr<CImageItems> old = std::move(items_);
  items_ = std::move(empty);
  ShowViews(thumbnailShown());
}

void CMainFrame::UpdateStatusText() {
  if (transfer_ != 0 || suite::GetRunningPhoneOperation(0) > 0) return;
  const Cp932String text = std::to_string(items_->count()) + cp932::Lit("枚中 ") +
                           std::to_string(items_->SelectedCount()) +
                           cp932::Lit("枚選択されています。");
  suite::SetHostStatusText(text, 0);
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg) {
  // The wheel goes to the pane under the mouse, whichever has the focus.
  if (msg->message == WM_MOUSEWHEEL && IsWindowVisible() && IsWindowEnabled()) {
    CWnd* pane = win::WindowFromCursor();
    if (pane != nullptr && pane != msg->hwnd && pane != this) {
      ::SendMessage(pane, WM_MOUSEWHEEL, msg->wParam, msg->lParam);
      return 1;
    }
  }
  return CFrameWnd::PreTranslateMessage(msg);
}

// Enter on a button presses the button; it must not also open the focused photo.
BOOL CMainFrame::OnCommand(WPARAM w, LPARAM l) {
  if (LOWORD(w) == cmd::kOpenItem && HIWORD(w) == BN_CLICKED && l != 0) return 1;
  if (LOWORD(w) == kFavouriteListId) {
    if (HIWORD(w) == CBN_SELCHANGE) OnFavouriteChosen();
    return 1;
  }
  return CFrameWnd::OnCommand(w, l);
}

void CMainFrame::OnClose() {
  SaveSettings(false);
  if (TheApp().mainWindow() == this) TheApp().SetMainWindow(nullptr);
  DestroyWindow();
}

// A colour scheme applied since the last paint repaints the panes in the new colours.
void CMainFrame::OnPaint() {
  CPaintDC dc(this);
  CDrawObject* draw = TheApp().drawObject();
  if (draw == nullptr || draw->appliedScheme() == TheApp().colorScheme()) return;
  draw->SetAppliedScheme(TheApp().colorScheme());
  rightSplitter_.Invalidate();
  viewSplitter_.Invalidate();
  if (listShown()) list_.Invalidate();
}

// The main splitter fills the frame; the panes follow it.
void CMainFrame::OnSize(UINT /*type*/, int cx, int cy) {
  if (IsWindow(&mainSplitter_)) mainSplitter_.MoveWindow(0, 0, cx, cy, true);
  if (easyPrintShown()) easyPrint_.Relayout();
}

// Hiding the frame hides the layout window, which ends the modal operation it registered.
void CMainFrame::OnShowWindow(bool show, UINT /*status*/) {
  if (!show) easyPrint_.ShowLayoutWindow(false);
}

// The host may destroy its own window before asking the album to close, which destroys this
// child frame with it; so the process's pointers are let go here, not only by the entry point.
void CMainFrame::PostNcDestroy() {
  if (g_frame == this) g_frame = nullptr;
  if (TheApp().mainWindow() == this) TheApp().SetMainWindow(nullptr);
  if (ownedByWindow_) delete this;
}

void CMainFrame::OnHostShow(int /*command*/) {
  OnPhoneChanged();
}

void CMainFrame::OnPhoneChanged() {
  phoneState_ = ReadPhoneState();
  RefreshPhoneWindows();
}

void CMainFrame::SetTransfer(int transfer) {
  transfer_ = transfer;
  if (transfer == 0) OnPhoneChanged();
}

int CMainFrame::ReadPhoneState() {
  if (suite::IsPhoneConnected() != 1) return 0;
  CProfile* profile = CreateProfile();
  CdmaCommState state;
  const bool reads = profile != nullptr && profile->GetCdmaCommState(&state) != 0;
  DeleteProfile(profile);
  return reads ? kPhoneReady : 0;
}

// While the phone is ready the host's phone windows follow whether phone commands may
// run; in any other state they stay as they are.
void CMainFrame::RefreshPhoneWindows() {
  if (phoneState_ != kPhoneReady) return;
  const bool allowed = PhoneCommandAllowed();
  suite::EnableHostWindow1(allowed);
  suite::EnableHostWindow2(allowed);
}

bool CMainFrame::PhoneCommandAllowed() const {
  Cp932String ignored;
  return phoneBlock_ == 0 && !suite::IsPhoneBlocked({}, &ignored) && transfer_ == 0;
}

LRESULT CMainFrame::OnQuery(WPARAM /*w*/, LPARAM l) {
  if (l == 0) return 0;
  return RebuildItems(*reinterpret_cast<const SearchCriteria*>(l));
}

// The editor changed a photo's adjustments: its thumbnail is drawn again from the file,
// and the album keeps the new values.
LRESULT CMainFrame::OnAdjusted(WPARAM /*w*/, LPARAM /*l*/) {
  if (thumbnailShown()) thumbnails_.Invalidate();
  TheApp().SaveLibrary();
  return 0;
}

LRESULT CMainFrame::OnFavouritesRenamed(WPARAM /*w*/, LPARAM /*l*/) {
  FillFavouriteList();
  return 0;
}

LRESULT CMainFrame::OnDeleteKey(WPARAM /*w*/, LPARAM /*l*/) {
  OnDelete();
  return 0;
}

// Node handles are pointer-sized all the way from the host: a handle cut short would
// never equal the node it came from.
LRESULT CMainFrame::OnTreeItemSelect(WPARAM selected, LPARAM previous) {
  if (movingTree_) return 0;
  const auto node = static_cast<HTREEITEM>(selected);
  SuiteContext* context = suite::Context();
  CTreeCtrl* tree = context != nullptr ? context->indexTree : nullptr;
  if (tree == nullptr) return 0;
  const LPARAM category = tree->GetItemData(node);
  if (node != previous && category != indextree::kSearch) indextree::RemoveSearchNode(tree);
  if (category != 0) index_.SelectCategory(category);
  return 0;
}

// Without a photo of that name the host gets E_FAIL.
LRESULT CMainFrame::OnShowPhotoByName(WPARAM /*w*/, LPARAM l) {
  const CPhotoManager* library = TheApp().library();
  const char* name = reinterpret_cast<const char*>(l);
  if (library == nullptr || name == nullptr || *name == '\0') return E_FAIL_RESULT;
  const CPhotoItem* record = library->FindByPath(name);
  if (record == nullptr) return E_FAIL_RESULT;
  ShowIndexEntry(record->year(), record->month());
  return 0;
}

LRESULT CMainFrame::OnFocusPhoto(WPARAM /*w*/, LPARAM l) {
  const char* path = reinterpret_cast<const char*>(l);
  if (path == nullptr) return E_FAIL_RESULT;
  const std::vector<CImageItem*>& items = items_->items();
  const auto found = std::find_if(items.begin(), items.end(), [path](const CImageItem* item) {
    return item->record() != nullptr && item->record()->path() == path;
  });
  if (found == items.end()) return E_FAIL_RESULT;
  const int index = static_cast<int>(found - items.begin());
  if (thumbnailShown()) {
    thumbnails_.MoveFocus(index, false, false);
    return 0;
  }
  for (CImageItem* item : items) item->SetSelected(item == *found ? 1 : 0);
  items_->SetFocusIndex(index);
  list_.SetItems(items_.get());
  return 0;
}

CTreeCtrl* CMainFrame::IndexTree() {
  SuiteContext* context = suite::Context();
  return context != nullptr ? context->indexTree : nullptr;
}

void CMainFrame::ShowIndexEntry(LPARAM category, int entry) {
  movingTree_ = true;
  if (category != indextree::kSearch) indextree::RemoveSearchNode(IndexTree());
  indextree::SelectByValue(IndexTree(), category);
  movingTree_ = false;
  index_.SelectCategory(category, entry);
}

void CMainFrame::RebuildIndexTree() {
  CTreeCtrl* tree = IndexTree();
  movingTree_ = true;
  indextree::Rebuild(tree, indextree::CategoriesOf(TheApp().library()));
  if (!indextree::SelectByValue(tree, index_.currentCategory()))
    indextree::SelectByValue(tree, indextree::kAll);
  movingTree_ = false;
  const LPARAM selected = indextree::SelectedValue(tree);
  if (selected != 0 && selected != index_.currentCategory())
    index_.SelectCategory(selected);
  else
    index_.ApplyAgain();
}

void CMainFrame::OnRenameFavourite() {
  index_.RenameFavourite();
}

void CMainFrame::OnUpdateRenameFavourite(CCmdUI* ui) {
  ui->Enable(indexShown() && index_.favouritesCurrent() && index_.currentEntry() != 0);
}

LRESULT CMainFrame::OnCalendarChanged(WPARAM /*w*/, LPARAM /*l*/) {
  return 0;
}

LRESULT CMainFrame::OnIgnored(WPARAM /*w*/, LPARAM /*l*/) {
  return 0;
}

LRESULT CMainFrame::OnWorkerMessageBox(WPARAM /*w*/, LPARAM l) {
  const auto* request = reinterpret_cast<const WorkerMessageBox*>(l);
  if (request == nullptr || request->text == nullptr) return 0;
  return MessageBoxA(IsWindow(request->owner) ? request->owner : this, request->text,
                     request->caption != nullptr ? request->caption : "", request->flags);
}

void CMainFrame::UpdateMenuStates(CMenu* menu) {
  if (menu == nullptr) return;
  for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
    CMenu* sub = menu->GetSubMenu(i);
    if (sub != nullptr) UpdateMenuStates(sub);
    UINT id = sub != nullptr ? sub->GetMenuItemID(0) : menu->GetMenuItemID(i);
    if (id == 0 || id == static_cast<UINT>(-1) || cmd::IsHostCommand(id)) continue;
    CCmdUI ui(id);
    const bool updated = OnCmdMsg(id, &ui);
    menu->EnableItem(i, updated ? ui.enabled() : HasCommandHandler(id));
    if (sub == nullptr) menu->CheckItem(i, updated ? ui.checked() : 0, ui.radio());
  }
}

void CMainFrame::ShowContextMenu(int subMenu, POINT screen) {
  std::unique_ptr<CMenu> menus = res::LoadMenu(res::kContextMenus);
  CMenu* menu = menus != nullptr ? menus->GetSubMenu(subMenu) : nullptr;
  if (menu == nullptr) return;
  UpdateMenuStates(menu);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, this);
}

LRESULT CMainFrame::OnQueryEndSession(WPARAM /*w*/, LPARAM /*l*/) {
  TheApp().SaveLibrary();
  return 1;
}
