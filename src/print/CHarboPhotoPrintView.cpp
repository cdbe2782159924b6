#include "print/CHarboPhotoPrintView.h"

#include <algorithm>

#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"
#include "library/CPhotoItem.h"
#include "platform/gdi/CDC.h"
#include "platform/print/PrintSystem.h"
#include "platform/shell/FileDialog.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Controls.h"
#include "platform/win/ListCtrl.h"
#include "print/CDlgOrPrintPreview.h"
#include "print/CPrintManager.h"
#include "print/PrintLayout.h"
#include "resources/EasyPrintPanel.h"

namespace {

constexpr const char* kSection = "PrintView";
constexpr int kPreviewGap = 4;

Cp932String Lit(const char* utf8) {
  return cp932::Lit(utf8);
}

}  // namespace

const MessageMap<CHarboPhotoPrintView>& CHarboPhotoPrintView::GetMessageMap() {
  using V = CHarboPhotoPrintView;
  static const MessageMap<V> map{
      .messages = {{CCtrlPrintPreview::kMsgDelete, &V::OnPreviewDelete},
                   {CCtrlPrintPreview::kMsgDrop, &V::OnPreviewDrop},
                   {CCtrlPrintPreview::kMsgSwap, &V::OnPreviewSwap},
                   {CDlgOrPrintPreview::kMsgNextPage, &V::OnLayoutNext},
                   {CDlgOrPrintPreview::kMsgPrevPage, &V::OnLayoutPrevious},
                   {CDlgOrPrintPreview::kMsgPrint, &V::OnLayoutPrint},
                   {CDlgOrPrintPreview::kMsgResetLayout, &V::OnLayoutReset},
                   {CDlgOrPrintPreview::kMsgOrderChanged, &V::OnLayoutOrderChanged},
                   {WM_NOTIFY, &V::OnListNotify},
                   {kMsgStart, &V::OnStart}},
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CHarboPhotoPrintView, CWnd)

CHarboPhotoPrintView::CHarboPhotoPrintView() = default;

// The layout window goes before the panel that it tells.
CHarboPhotoPrintView::~CHarboPhotoPrintView() {
  if (layoutWindow_ != nullptr) layoutWindow_->DestroyWindow();
}

int CHarboPhotoPrintView::IdealHeight() {
  return res::kEasyPrintHeight;
}

bool CHarboPhotoPrintView::Create(HWND parent, UINT id) {
  return CWnd::Create({}, WS_CHILD, RECT{0, 0, 640, IdealHeight()}, parent, id);
}

int CHarboPhotoPrintView::OnCreate() {
  CreateControls();
  if (!preview_.Create(this, 1, RECT{res::kEasyPrintControlsWidth, 0, 640, IdealHeight()}))
    return -1;
  preview_.SetDropFilter([] { return TheApp().dragSource() != nullptr; });
  return 0;
}

// The controls of every page are made at once; only the shown page's are visible.
void CHarboPhotoPrintView::CreateControls() {
  const auto make = [this](UINT panel, std::vector<std::unique_ptr<CWnd>>& out) {
    if (const res::DialogTemplate* t = res::FindDialogTemplate(panel))
      for (const auto& control : t->controls)
        if (auto made = res::CreateControl(control, this)) out.push_back(std::move(made));
  };
  make(res::kPanelEasyPrint, shared_);
  for (int page = 0; page < kStylePageCount; ++page)
    make(res::kPanelEasyPrintPages[page], pages_[static_cast<size_t>(page)]);
  if (auto* list = dynamic_cast<CListCtrl*>(Control(res::kControlEasyStyleList))) {
    list->InsertColumn(0, Lit("スタイル名"), res::kEasyPrintControlsWidth - 30);
    list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
  }
  ShowStylePageControls();
}

void CHarboPhotoPrintView::OnDestroy() {
  SaveState();
  if (layoutWindow_ != nullptr) layoutWindow_->ShowFloating(false);
}

CWnd* CHarboPhotoPrintView::Control(UINT id) const {
  for (const auto& control : shared_)
    if (control->GetDlgCtrlID() == id) return control.get();
  for (const auto& page : pages_)
    for (const auto& control : page)
      if (control->GetDlgCtrlID() == id) return control.get();
  return nullptr;
}

CPrintManager& CHarboPhotoPrintView::manager() const {
  return TheApp().printManager();
}

// The print system starts when the panel is first painted or used; a panel that never
// shows never asks for the printers.
bool CHarboPhotoPrintView::Start() {
  if (started_) return true;
  if ((!manager().initialized() || restartManager_) && !manager().Start(true)) return false;
  restartManager_ = false;
  started_ = true;
  LoadState();
  return true;
}

void CHarboPhotoPrintView::LoadState() {
  CHarboPhotoApp& app = TheApp();
  const int index = app.ReadInt(Lit(kSection), Lit("StyleIndex"), kBasicPage);
  stylePage_ = index >= 0 && index < kStylePageCount ? index : kBasicPage;
  allPages_ = app.ReadInt(Lit(kSection), Lit("PagePlural"), 0) != 0;
  for (int kind = 0; kind < kStylePageCount; ++kind)
    CPrintFormats::LoadEasyPrint(static_cast<CPrintFormats::EasyPrint>(kind),
                                 easyPrint_[static_cast<size_t>(kind)]);
  FillCombos();
  FillStyleList();
  ShowStylePageControls();
  TakeShownStyle();
}

void CHarboPhotoPrintView::SaveState() {
  if (!started_) return;
  CHarboPhotoApp& app = TheApp();
  app.WriteInt(Lit(kSection), Lit("StyleIndex"), stylePage_);
  app.WriteInt(Lit(kSection), Lit("PagePlural"), allPages_ ? 1 : 0);
  for (int kind = 0; kind < kStylePageCount; ++kind)
    CPrintFormats::SaveEasyPrint(static_cast<CPrintFormats::EasyPrint>(kind),
                                 easyPrint_[static_cast<size_t>(kind)]);
}

// The photos' records are about to go (another user's album, or the same one read again):
// the layout lets go of them, and the styles are read again when the panel next starts.
void CHarboPhotoPrintView::ForgetPhotos() {
  ShowLayoutWindow(false);
  items_.Clear();
  page_ = 0;
  preview_.SetSelectedCell(-1);
  if (!started_) return;
  ShowPhotos();
  started_ = false;
  startPosted_ = false;
  restartManager_ = true;
  Invalidate();
}

void CHarboPhotoPrintView::ReloadStyles() {
  if (!started_) return;
  FillStyleList();
  if (stylePage_ == kStyleListPage) TakeShownStyle();
}

// Enter on one of the panel's buttons presses it; elsewhere in the panel it does nothing,
// where the frame would open the focused photo. Tab in the preview passes the focus on to
// the panel's first control.
BOOL CHarboPhotoPrintView::PreTranslateMessage(MSG* msg) {
  if (msg == nullptr || msg->message != WM_KEYDOWN) return 0;
  if (msg->wParam == VK_TAB && msg->hwnd == &preview_) {
    if (CWnd* first = Control(res::kControlEasyStyle)) first->SetFocus();
    return 1;
  }
  if (msg->wParam != VK_RETURN) return 0;
  if (dynamic_cast<CButton*>(msg->hwnd) != nullptr)
    SendMessage(WM_COMMAND, MAKEWPARAM(msg->hwnd->GetDlgCtrlID(), BN_CLICKED), 0);
  return 1;
}

// -- Layout -------------------------------------------------------------------------------

void CHarboPhotoPrintView::Relayout() {
  const RECT client = GetClientRect();
  preview_.MoveWindow(res::kEasyPrintControlsWidth + kPreviewGap, 0,
                      std::max<LONG>(1, client.right - res::kEasyPrintControlsWidth - kPreviewGap),
                      std::max<LONG>(1, client.bottom), true);
  Invalidate();
}

void CHarboPhotoPrintView::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {
  Relayout();
}

// The first paint means the panel is on screen: the print system starts then, after the
// paint, since starting may have to tell the user why it cannot.
void CHarboPhotoPrintView::OnPaint() {
  CPaintDC dc(this);
  dc.FillSolidRect(GetClientRect(), GetSysColor(COLOR_BTNFACE));
  if (!started_ && !startPosted_) startPosted_ = PostMessage(kMsgStart) != 0;
}

LRESULT CHarboPhotoPrintView::OnStart(WPARAM /*w*/, LPARAM /*l*/) {
  if (Start()) Relayout();
  return 0;
}

CPrintFormat* CHarboPhotoPrintView::ShownStyle() {
  switch (stylePage_) {
    case kBasicPage:
      return &easyPrint_[static_cast<size_t>(CPrintFormats::EasyPrint::kIndex)];
    case kCalendarPage:
      return &easyPrint_[static_cast<size_t>(CPrintFormats::EasyPrint::kCalendar)];
    default:
      return manager().formats().current();
  }
}

void CHarboPhotoPrintView::TakeShownStyle() {
  if (CPrintFormat* shown = ShownStyle()) working_ = *shown;
  ShowStyleValues();
  Refresh();
}

void CHarboPhotoPrintView::SelectStylePage(int page) {
  if (page < 0 || page >= kStylePageCount) page = kBasicPage;
  stylePage_ = page;
  if (auto* selector = dynamic_cast<CComboBox*>(Control(res::kControlEasyStyle)))
    selector->SetCurSel(page);
  ShowStylePageControls();
  if (started_) TakeShownStyle();
}

void CHarboPhotoPrintView::ShowStylePageControls() {
  for (int page = 0; page < kStylePageCount; ++page)
    for (const auto& control : pages_[static_cast<size_t>(page)])
      control->ShowWindow(page == stylePage_ ? SW_SHOW : SW_HIDE);
}

int CHarboPhotoPrintView::cellsPerPage() const {
  return std::max(1, static_cast<int>(layout_.cells.size()));
}

int CHarboPhotoPrintView::lastPage() const {
  return std::max(0, items_.PageCount(cellsPerPage()) - 1);
}

// The working style is put to the printer and laid out on its page; the photos follow the
// template's cells.
void CHarboPhotoPrintView::Refresh() {
  if (!started_) return;
  manager().SelectStyle(working_);
  manager().LayOut(working_, layout_);
  items_.Repaginate(cellsPerPage());
  ShowPhotos();
}

// After the photos or the page shown changed: the page stays within the pages in use, and
// the previews and the paging follow. The style's layout stands, so the printer's page is
// not measured again.
void CHarboPhotoPrintView::ShowPhotos() {
  if (!started_) return;
  page_ = std::clamp(page_, 0, lastPage());
  preview_.Show(&working_, &layout_, &manager().metrics(), &items_, page_);
  if (layoutWindow_ != nullptr)
    layoutWindow_->Show(&working_, &layout_, &manager().metrics(), &items_, page_,
                        items_.PageCount(cellsPerPage()) > 0 ? lastPage() + 1 : 0);
  UpdatePaging();
}

void CHarboPhotoPrintView::UpdatePaging() {
  const bool any = items_.PageCount(cellsPerPage()) > 0;
  if (auto* indicator = dynamic_cast<CStatic*>(Control(res::kControlEasyIndicator))) {
    char text[64];
    std::snprintf(text, sizeof text, "%d / %d ", page_ + 1, lastPage() + 1);
    indicator->SetText(any ? Cp932String(text) + Lit("ページ") : Lit("- / - ページ"));
    indicator->EnableWindow(any);
  }
  if (CWnd* previous = Control(res::kControlEasyPrev)) previous->EnableWindow(page_ > 0);
  if (CWnd* next = Control(res::kControlEasyNext)) next->EnableWindow(page_ < lastPage());
}

// -- Photos -------------------------------------------------------------------------------

bool CHarboPhotoPrintView::IsPlaced(const CPhotoItem* record) const {
  return items_.Holds(record);
}

bool CHarboPhotoPrintView::HasSomethingToPrint() const {
  return items_.AnyOnPages();
}

void CHarboPhotoPrintView::InsertSelection(int startCell) {
  if (!Start()) return;
  if (startCell < 0) startCell = preview_.selectedCell();
  const std::vector<CPhotoItem*> photos = selection_ ? selection_() : std::vector<CPhotoItem*>{};
  const CPrintItems::InsertResult result = items_.Insert(photos, page_, startCell, cellsPerPage());
  if (result == CPrintItems::InsertResult::kNothingUsable)
    AlbumMessageBox(Lit("写真を選択してください。"), MB_ICONEXCLAMATION, this);
  else if (result == CPrintItems::InsertResult::kFull)
    AlbumMessageBox(Lit("これ以上写真を挿入することはできません。"), MB_ICONEXCLAMATION, this);
  preview_.SetSelectedCell(-1);
  ShowPhotos();
}

void CHarboPhotoPrintView::ClearPhotos() {
  items_.Clear();
  preview_.SetSelectedCell(-1);
  page_ = 0;
  ShowPhotos();
}

LRESULT CHarboPhotoPrintView::OnPreviewDelete(WPARAM cell, LPARAM page) {
  if (CPrintItem* item = items_.Find(static_cast<int>(page), static_cast<int>(cell)))
    items_.Remove(item);
  preview_.SetSelectedCell(-1);
  ShowPhotos();
  return 0;
}

LRESULT CHarboPhotoPrintView::OnPreviewDrop(WPARAM cell, LPARAM /*l*/) {
  InsertSelection(static_cast<int>(static_cast<intptr_t>(cell)));
  return 0;
}

LRESULT CHarboPhotoPrintView::OnPreviewSwap(WPARAM source, LPARAM target) {
  items_.SwapCells(page_, static_cast<int>(source), static_cast<int>(target), cellsPerPage());
  ShowPhotos();
  return 0;
}

// -- Paging -------------------------------------------------------------------------------

void CHarboPhotoPrintView::NextPage() {
  if (page_ >= lastPage()) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  ++page_;
  preview_.SetSelectedCell(-1);
  ShowPhotos();
}

void CHarboPhotoPrintView::PreviousPage() {
  if (page_ <= 0) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  --page_;
  preview_.SetSelectedCell(-1);
  ShowPhotos();
}

LRESULT CHarboPhotoPrintView::OnLayoutNext(WPARAM /*w*/, LPARAM /*l*/) {
  NextPage();
  return 0;
}

LRESULT CHarboPhotoPrintView::OnLayoutPrevious(WPARAM /*w*/, LPARAM /*l*/) {
  PreviousPage();
  return 0;
}

LRESULT CHarboPhotoPrintView::OnLayoutPrint(WPARAM /*w*/, LPARAM /*l*/) {
  Print();
  return 0;
}

LRESULT CHarboPhotoPrintView::OnLayoutOrderChanged(WPARAM /*w*/, LPARAM /*l*/) {
  preview_.Invalidate();
  return 0;
}

// A fresh layout: the working copy is laid out again from the style it came from.
LRESULT CHarboPhotoPrintView::OnLayoutReset(WPARAM /*w*/, LPARAM /*l*/) {
  Refresh();
  return 0;
}

// -- The layout window --------------------------------------------------------------------

void CHarboPhotoPrintView::ShowLayoutWindow(bool show) {
  if (layoutWindow_ == nullptr) {
    if (!show || !Start()) return;
    auto window = std::make_unique<CDlgOrPrintPreview>(this);
    if (!window->CreateFloating()) return;
    layoutWindow_ = std::move(window);
    ShowPhotos();
  }
  layoutWindow_->ShowFloating(show);
}

bool CHarboPhotoPrintView::floatingShown() const {
  return layoutWindow_ != nullptr && layoutWindow_->floatingShown();
}

void CHarboPhotoPrintView::SuspendFloating() {
  if (layoutWindow_ != nullptr) layoutWindow_->SuspendForModal();
}

void CHarboPhotoPrintView::ResumeFloating() {
  if (layoutWindow_ != nullptr) layoutWindow_->ResumeAfterModal();
}

// -- Printing -----------------------------------------------------------------------------

void CHarboPhotoPrintView::Print() {
  if (!Start()) return;
  const int first = allPages_ ? 0 : page_;
  const int last = allPages_ ? lastPage() : page_;
  switch (items_.CheckRange(first, last)) {
    case CPrintItems::PrintCheck::kNoPhoto:
      AlbumMessageBox(Lit("写真を挿入してください"), MB_ICONEXCLAMATION, this);
      return;
    case CPrintItems::PrintCheck::kEmptyPage:
      if (AlbumMessageBox(Lit("空のページがあります。\n印刷しますか?"), MB_YESNO | MB_ICONQUESTION,
                          this) != IDYES)
        return;
      break;
    case CPrintItems::PrintCheck::kPrintable:
      break;
  }
  if (printsys::IsFilePrinter(manager().printer().printerName()) && !ChooseOutputFile()) return;
  std::vector<std::vector<printrender::PlacedPhoto>> pages(static_cast<size_t>(lastPage() + 1));
  for (int page = 0; page <= lastPage(); ++page)
    for (const CPrintItem* item : items_.OnPage(page))
      pages[static_cast<size_t>(page)].push_back({item->cell, item->record()});
  const auto number = [](int page) { return static_cast<uint16_t>(page + 1); };
  manager().printer().SetRange({number(first), number(last), 1, number(lastPage())});
  const POINT adjust = layoutWindow_ != nullptr ? layoutWindow_->fineAdjust() : POINT{};
  manager().Print(working_, pages, adjust, this);
}

bool CHarboPhotoPrintView::ChooseOutputFile() {
  const shell::ChosenFiles chosen =
      shell::ChooseFileToSave(this, Lit("PDFファイル (*.pdf)|*.pdf||"), Lit("Quarn Port.pdf"));
  if (!chosen.refused.empty()) {
    AlbumMessageBox(Lit("このファイル名は使用できません。"), MB_ICONEXCLAMATION, this);
    return false;
  }
  if (!chosen.chosen || chosen.paths.empty()) return false;
  manager().printer().SetOutputFile(chosen.paths.front());
  return true;
}

// The printer's paper and orientation come back into the style shown.
void CHarboPhotoPrintView::PrinterSetup() {
  if (!Start()) return;
  CPrintInfoEx& printer = manager().printer();
  if (printer.PrinterSetup(this) == 0) return;
  const int index = printer.selectedPaper();
  const bool portrait = printer.IsPortrait();
  EditStyle([&](CPrintFormat& style) {
    if (index >= 0 && index < static_cast<int>(printer.papers().size()))
      style.paper.sizeId =
          static_cast<uint16_t>(printer.papers()[static_cast<size_t>(index)].number);
    if ((style.paper.vLine != 0) != portrait) printlayout::TurnPage(style);
  });
}
