#include "print/CDlgOrPrintPreview.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "host/SuiteRegistry.h"
#include "platform/win/CheckBox.h"
#include "platform/win/Edit.h"
#include "platform/win/SpinButton.h"
#include "resources/PrintStyleDialogs.h"

namespace {

using cp932::Lit;

// The buttons whose state the update table keeps.
constexpr UINT kUpdatedButtons[] = {res::kControlLayoutFront, res::kControlLayoutBack};

}  // namespace

const MessageMap<CDlgOrPrintPreview>& CDlgOrPrintPreview::GetMessageMap() {
  using D = CDlgOrPrintPreview;
  static const MessageMap<D> map{
      .messages =
          {
              {CCtrlPrintPreviewEx::kMsgSelected, &D::OnPreviewSelected},
              {CCtrlPrintPreview::kMsgDelete, &D::OnPreviewDelete},
              {CCtrlPrintPreview::kMsgDrop, &D::OnPreviewDrop},
              {CCtrlPrintPreview::kMsgSwap, &D::OnPreviewSwap},
          },
      .commands =
          {
              {res::kControlLayoutPrint, &D::OnPrint},
              {res::kControlLayoutReset, &D::OnResetLayout},
              {res::kControlLayoutFront, &D::OnBringToFront},
              {res::kControlLayoutBack, &D::OnSendToBack},
              {res::kControlLayoutNext, &D::OnNextPage},
              {res::kControlLayoutPrev, &D::OnPrevPage},
              {res::kControlLayoutBorders, &D::OnCellBorders},
              {res::kControlLayoutFit, &D::OnFitToWindow},
          },
      .updates =
          {
              {res::kControlLayoutFront, &D::OnUpdateBringToFront},
              {res::kControlLayoutBack, &D::OnUpdateSendToBack},
          },
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgOrPrintPreview, CCDialogExPh)

CDlgOrPrintPreview::CDlgOrPrintPreview(HWND owner)
    : CCDialogExPh(res::kDialogLayout, owner), owner_(owner) {}

CDlgOrPrintPreview::~CDlgOrPrintPreview() {
  Disappear();
  if (IsWindow(this)) DestroyWindow();
}

// A window of its own, not a child of the owner's: made as a modal dialog is, but with no
// loop of its own.
bool CDlgOrPrintPreview::CreateFloating() {
  if (IsWindow(this)) return true;
  if (!Create({}, 0, RECT{0, 0, 400, 300}, owner_, templateId())) return false;
  OnInitDialog();
  return true;
}

BOOL CDlgOrPrintPreview::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  if (!preview_.Create(this, res::kControlLayoutPreview, RECT{})) return 1;
  for (UINT id : {res::kControlLayoutBorders, res::kControlLayoutFit})
    if (auto* box = dynamic_cast<CCheckBox*>(Control(id))) box->SetCheck(BST_CHECKED);
  const std::pair<UINT, UINT> numbers[] = {
      {res::kControlLayoutAdjustX, res::kControlLayoutAdjustXSpin},
      {res::kControlLayoutAdjustY, res::kControlLayoutAdjustYSpin}};
  for (const auto& [edit, spin] : numbers) {
    auto* buddy = dynamic_cast<CEdit*>(Control(edit));
    auto* arrows = dynamic_cast<CSpinButtonCtrl*>(Control(spin));
    if (buddy == nullptr || arrows == nullptr) continue;
    buddy->SetLimitText(4);
    arrows->SetBuddy(buddy);
    arrows->SetRange(-kMaxFineAdjust, kMaxFineAdjust);
  }
  SetFineAdjust(adjust_);
  UseAlbumLook();
  const RECT client = GetClientRect();
  OnSize(0, client.right, client.bottom);
  UpdateTitle();
  UpdateControls();
  return 1;
}

void CDlgOrPrintPreview::OnDestroy() {
  Disappear();
  CCDialogExPh::OnDestroy();
}

// The preview takes the client area right of the column of controls.
void CDlgOrPrintPreview::OnSize(UINT /*type*/, int cx, int cy) {
  if (!IsWindow(&preview_)) return;
  const int left = res::kLayoutColumnWidth + 8;
  preview_.MoveWindow(left, 8, std::max(1, cx - left - 8), std::max(1, cy - 16));
}

// ---- showing and hiding ----

void CDlgOrPrintPreview::ShowFloating(bool show) {
  if (show == shown_) return;
  shown_ = show;
  if (suspensions_ > 0) return;
  if (show)
    Appear();
  else
    Disappear();
}

// Modal dialogs may open from one another: the window comes back when the outermost ends.
void CDlgOrPrintPreview::SuspendForModal() {
  if (suspensions_++ == 0) Disappear();
}

void CDlgOrPrintPreview::ResumeAfterModal() {
  if (suspensions_ == 0) return;
  if (--suspensions_ == 0 && shown_) Appear();
}

void CDlgOrPrintPreview::Appear() {
  if (!IsWindow(this)) return;
  if (!operationBegun_)
    operationBegun_ =
        suite::BeginOperation(suite::kAlbumModule, suite::kKindModalDialog, 1, 0, 0) != 0;
  ShowWindow(SW_SHOW);
}

void CDlgOrPrintPreview::Disappear() {
  if (IsWindow(this)) ShowWindow(SW_HIDE);
  if (!operationBegun_) return;
  operationBegun_ = false;
  suite::EndOperation(suite::kAlbumModule, suite::kKindModalDialog, 0);
}

void CDlgOrPrintPreview::OnOK() {
  TakeFineAdjust();
}

void CDlgOrPrintPreview::OnCancel() {
  ShowFloating(false);
}

// ---- what is shown ----

void CDlgOrPrintPreview::Show(const CPrintFormat* style, const PrintPageTemplate* layout,
                              const CPrintPaperSizeInfo* metrics, CPrintItems* items, int page,
                              int pageCount) {
  style_ = style;
  items_ = items;
  page_ = page;
  pageCount_ = pageCount;
  preview_.Show(style, layout, metrics, items, page);
  UpdateTitle();
  UpdateControls();
}

// "レイアウト( name, 縦) - 3ページ"; a style without a name gives the bare title.
void CDlgOrPrintPreview::UpdateTitle() {
  if (!IsWindow(this)) return;
  if (style_ == nullptr || style_->name.empty()) {
    SetWindowText(Lit("レイアウト"));
    return;
  }
  const Cp932String orientation = Lit(style_->paper.vLine != 0 ? "縦" : "横");
  SetWindowText(Lit("レイアウト( ") + style_->name + ", " + orientation + ") - " +
                std::to_string(pageCount_) + Lit("ページ"));
}

CPrintItem* CDlgOrPrintPreview::SelectedPhoto() const {
  if (items_ == nullptr || preview_.selectedCell() < 0) return nullptr;
  return items_->Find(page_, preview_.selectedCell());
}

void CDlgOrPrintPreview::UpdateControls() {
  for (UINT id : kUpdatedButtons) {
    CWnd* button = Control(id);
    if (button == nullptr) continue;
    CCmdUI ui(id);
    OnCmdMsg(id, &ui);
    button->EnableWindow(ui.enabled());
  }
}

void CDlgOrPrintPreview::OnUpdateBringToFront(CCmdUI* ui) {
  const CPrintItem* selected = SelectedPhoto();
  ui->Enable(selected != nullptr && items_->OnPage(page_).back() != selected);
}

void CDlgOrPrintPreview::OnUpdateSendToBack(CCmdUI* ui) {
  const CPrintItem* selected = SelectedPhoto();
  ui->Enable(selected != nullptr && items_->OnPage(page_).front() != selected);
}

// ---- the fine adjustment ----

POINT CDlgOrPrintPreview::fineAdjust() const {
  const auto number = [this](UINT id, LONG fallback) {
    const auto* edit = dynamic_cast<const CEdit*>(Control(id));
    if (edit == nullptr) return fallback;
    const long value = std::strtol(edit->GetText().c_str(), nullptr, 10);
    return static_cast<LONG>(std::clamp<long>(value, -kMaxFineAdjust, kMaxFineAdjust));
  };
  return POINT{number(res::kControlLayoutAdjustX, adjust_.x),
               number(res::kControlLayoutAdjustY, adjust_.y)};
}

void CDlgOrPrintPreview::SetFineAdjust(POINT adjust) {
  adjust_ = POINT{std::clamp<LONG>(adjust.x, -kMaxFineAdjust, kMaxFineAdjust),
                  std::clamp<LONG>(adjust.y, -kMaxFineAdjust, kMaxFineAdjust)};
  if (auto* edit = dynamic_cast<CEdit*>(Control(res::kControlLayoutAdjustX)))
    edit->SetText(std::to_string(adjust_.x));
  if (auto* edit = dynamic_cast<CEdit*>(Control(res::kControlLayoutAdjustY)))
    edit->SetText(std::to_string(adjust_.y));
  preview_.SetContentOffset(adjust_);
}

void CDlgOrPrintPreview::TakeFineAdjust() {
  SetFineAdjust(fineAdjust());
}

// ---- commands ----

void CDlgOrPrintPreview::Tell(UINT message) const {
  if (IsWindow(owner_)) ::SendMessage(owner_, message, 0, 0);
}

void CDlgOrPrintPreview::OnPrint() {
  TakeFineAdjust();
  Tell(kMsgPrint);
}

void CDlgOrPrintPreview::OnResetLayout() {
  SetFineAdjust(POINT{});
  Tell(kMsgResetLayout);
}

void CDlgOrPrintPreview::OnBringToFront() {
  CPrintItem* selected = SelectedPhoto();
  if (selected == nullptr) return;
  items_->BringToFront(selected);
  preview_.Invalidate();
  UpdateControls();
  Tell(kMsgOrderChanged);
}

void CDlgOrPrintPreview::OnSendToBack() {
  CPrintItem* selected = SelectedPhoto();
  if (selected == nullptr) return;
  items_->SendToBack(selected);
  preview_.Invalidate();
  UpdateControls();
  Tell(kMsgOrderChanged);
}

void CDlgOrPrintPreview::OnNextPage() {
  Tell(kMsgNextPage);
}

void CDlgOrPrintPreview::OnPrevPage() {
  Tell(kMsgPrevPage);
}

bool CDlgOrPrintPreview::Checked(UINT id) const {
  const auto* box = dynamic_cast<const CCheckBox*>(Control(id));
  return box != nullptr && box->GetCheck() == BST_CHECKED;
}

void CDlgOrPrintPreview::OnCellBorders() {
  preview_.SetCellBorders(Checked(res::kControlLayoutBorders));
}

void CDlgOrPrintPreview::OnFitToWindow() {
  preview_.SetFitToWindow(Checked(res::kControlLayoutFit));
}

// ---- the preview's requests ----

// Going to the preview is leaving the number edits, so the preview takes what they hold.
LRESULT CDlgOrPrintPreview::OnPreviewSelected(WPARAM /*w*/, LPARAM /*l*/) {
  TakeFineAdjust();
  UpdateControls();
  return 0;
}

LRESULT CDlgOrPrintPreview::OnPreviewDelete(WPARAM w, LPARAM l) {
  return IsWindow(owner_) ? ::SendMessage(owner_, CCtrlPrintPreview::kMsgDelete, w, l) : 0;
}

LRESULT CDlgOrPrintPreview::OnPreviewDrop(WPARAM w, LPARAM l) {
  return IsWindow(owner_) ? ::SendMessage(owner_, CCtrlPrintPreview::kMsgDrop, w, l) : 0;
}

LRESULT CDlgOrPrintPreview::OnPreviewSwap(WPARAM w, LPARAM l) {
  return IsWindow(owner_) ? ::SendMessage(owner_, CCtrlPrintPreview::kMsgSwap, w, l) : 0;
}
