#include "host/CMainFrame.h"

#include "browse/IndexTree.h"
#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"
#include "host/SuiteContext.h"
#include "host/SuiteRegistry.h"
#include "platform/phonelib/PhoneLib.h"
#include "resources/CommandIds.h"
#include "resources/MenuResources.h"

namespace {

CMainFrame* g_frame = nullptr;

constexpr const char* kSection = "Main";
constexpr UINT kMsgTreeItemSelect = WM_USER + 0x221;

// The home page of the product, opened by command 32888.
constexpr const char* kHomePageAddress = "https://harbo-suite.invalid/album/";

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
              {kMsgTreeItemSelect, &CMainFrame::OnTreeItemSelect},
              {kHostMsgShowPhoto, &CMainFrame::OnShowPhotoByName},
              {WM_QUERYENDSESSION, &CMainFrame::OnQueryEndSession},
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
              {cmd::kHelp, &CMainFrame::OnHelp},
              {cmd::kHomePage, &CMainFrame::OnHomePage},
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
          },
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CMainFrame, CFrameWnd)

CMainFrame* CMainFrame::Install(std::unique_ptr<CMainFrame> frame, HWND parent, const RECT& rect) {
  if (frame == nullptr || !frame->CreateFrame(parent, rect)) return nullptr;
  frame->ownedByWindow_ = true;
  CMainFrame* made = frame.release();
  SetMainFrame(made);
  made->MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, true);
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

bool CMainFrame::OnCreateClient() {
  LoadSettings();
  return true;
}

void CMainFrame::LoadSettings() {
  CHarboPhotoApp& app = TheApp();
  thumbnailShown_ = app.ReadInt(kSection, "DispThumbnail", 1) != 0;
  easyPrintShown_ = app.ReadInt(kSection, "DispPrint", 1) != 0;
  sort_ = static_cast<uint32_t>(app.ReadInt(kSection, "Sort", kDefaultSort));
  imageSize_ = app.ReadInt(kSection, "ImageSize", kDefaultImageSize);
  imageStyle_ = app.ReadInt(kSection, "ImageStyle", kDefaultImageStyle) & 0xFFFF;
}

void CMainFrame::SaveSettings(bool fromDestroyEntry) {
  CHarboPhotoApp& app = TheApp();
  app.WriteInt(kSection, "DispThumbnail", thumbnailShown_ ? 1 : 0);
  app.WriteInt(kSection, "DispList", thumbnailShown_ ? 0 : 1);
  app.WriteInt(kSection, "DispPrint", easyPrintShown_ ? 1 : 0);
  app.WriteInt(kSection, "Sort", static_cast<int>(sort_));
  app.WriteInt(kSection, "ImageSize", imageSize_);
  app.WriteInt(kSection, "ImageStyle", imageStyle_ & 0xFFFF);
  const RECT r = GetWindowRect();
  app.WriteInt(kSection, "Left", r.left);
  app.WriteInt(kSection, "Top", r.top);
  app.WriteInt(kSection, "Width", r.right - r.left);
  app.WriteInt(kSection, "Height", r.bottom - r.top);
  app.WriteInt(kSection, "ShowWindow",
               !fromDestroyEntry && IsZoomed() ? SW_SHOWMAXIMIZED : SW_SHOW);
}

void CMainFrame::OnClose() {
  SaveSettings(false);
  if (TheApp().mainWindow() == this) TheApp().SetMainWindow(nullptr);
  DestroyWindow();
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
  Cp932String ignored;
  const bool allowed = phoneBlock_ == 0 && !suite::IsPhoneBlocked({}, &ignored) && transfer_ == 0;
  suite::EnableHostWindow1(allowed);
  suite::EnableHostWindow2(allowed);
}

// Node handles are pointer-sized all the way from the host: a handle cut short would
// never equal the node it came from.
LRESULT CMainFrame::OnTreeItemSelect(WPARAM selected, LPARAM previous) {
  const auto node = static_cast<HTREEITEM>(selected);
  selectedNode_ = node;
  SuiteContext* context = suite::Context();
  CTreeCtrl* tree = context != nullptr ? context->indexTree : nullptr;
  if (tree != nullptr && node != previous && tree->GetItemData(node) != indextree::kSearch)
    indextree::RemoveSearchNode(tree);
  return 0;
}

// Without a photo of that name the host gets E_FAIL.
LRESULT CMainFrame::OnShowPhotoByName(WPARAM /*w*/, LPARAM /*l*/) {
  return E_FAIL_RESULT;
}

LRESULT CMainFrame::OnIgnored(WPARAM /*w*/, LPARAM /*l*/) {
  return 0;
}

LRESULT CMainFrame::OnQueryEndSession(WPARAM /*w*/, LPARAM /*l*/) {
  return 1;
}

void CMainFrame::OnSwitchView() {
  thumbnailShown_ = !thumbnailShown_;
}

void CMainFrame::OnCaption(uint32_t bit) {
  imageStyle_ ^= static_cast<int>(bit);
}

void CMainFrame::OnThumbnailSize(int pixels) {
  imageSize_ = pixels;
}

// Choosing the current key while ascending makes it descending; any other choice sorts
// ascending by the chosen key.
void CMainFrame::OnSort(uint32_t key) {
  sort_ = (sort_ == key) ? (kSortDescending | key) : key;
}

void CMainFrame::OnHelp() {
  Cp932String message;
  if (!TheApp().OpenDocument(TheApp().helpFile(), &message))
    AlbumMessageBox(message, MB_ICONEXCLAMATION);
}

void CMainFrame::OnHomePage() {
  Cp932String message;
  if (!TheApp().OpenDocument(kHomePageAddress, &message))
    AlbumMessageBox(message, MB_ICONEXCLAMATION);
}

void CMainFrame::OnUpdateCaption(CCmdUI* ui) {
  const uint32_t bit = ui->id() == cmd::kCaptionName ? 2 : ui->id() == cmd::kCaptionDate ? 4 : 8;
  ui->Enable(thumbnailShown_);
  ui->SetCheck((static_cast<uint32_t>(imageStyle_) & bit) != 0 ? 1 : 0);
}

void CMainFrame::OnUpdateSize(CCmdUI* ui) {
  const int size = ui->id() == cmd::kSizeSmall ? 80 : ui->id() == cmd::kSizeMedium ? 160 : 240;
  ui->Enable(thumbnailShown_);
  ui->SetRadio(imageSize_ == size);
}

void CMainFrame::OnUpdateSort(CCmdUI* ui) {
  const uint32_t key = ui->id() == cmd::kSortName   ? 1
                       : ui->id() == cmd::kSortDate ? 2
                       : ui->id() == cmd::kSortSize ? 3
                                                    : 4;
  ui->SetRadio((sort_ & ~kSortDescending) == key);
}
