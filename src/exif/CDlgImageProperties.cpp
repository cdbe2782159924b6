#include "exif/CDlgImageProperties.h"

#include "exif/PhotoDetails.h"
#include "host/CHarboPhotoApp.h"
#include "images/CImageItem.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowFont.h"
#include "resources/DialogTemplates.h"
#include "ui/CDrawObject.h"
#include "ui/DrawResourceTables.h"

namespace {

constexpr int kClientWidth = 508;
constexpr int kClientHeight = 208;

// Each channel the integer mean of the two colours.
COLORREF Mean(COLORREF a, COLORREF b) {
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2,
             (GetBValue(a) + GetBValue(b)) / 2);
}

}  // namespace

const MessageMap<CDlgImageProperties>& CDlgImageProperties::GetMessageMap() {
  static const MessageMap<CDlgImageProperties> map{
      .messages =
          {
              {WM_NOTIFY, &CDlgImageProperties::OnNotify},
          },
      .commands =
          {
              {res::kControlDetailsGeneralButton, &CDlgImageProperties::OnGeneralPage},
              {res::kControlDetailsShootingButton, &CDlgImageProperties::OnShootingPage},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgImageProperties, CCDialogExPh)

CDlgImageProperties::CDlgImageProperties(HWND parent)
    : CCDialogExPh(res::kDialogImageProperties, parent) {}

CDlgImageProperties::~CDlgImageProperties() = default;

intptr_t CDlgImageProperties::Show(CImageItem* item) {
  if (item == nullptr || item->record() == nullptr) return -1;
  item_ = item;
  sourceKind_ = details::SourceKindOf(item->record()->path());
  return DoModal();
}

// The rows are read once, before the lists are filled; the lists ask for their texts.
BOOL CDlgImageProperties::OnInitDialog() {
  if (item_ == nullptr || !CreateControls()) {
    EndDialog(IDCANCEL);
    return 1;
  }
  CPhotoItem& record = *item_->record();
  general_ = details::GeneralRows(record.path(), record.fileInfo());
  shooting_ = details::ShootingRows(record.path(), sourceKind_, CExifSource::DefaultTempFolder());
  PlaceWindow();
  SetTitle();
  FillList(generalList_, general_);
  FillList(shootingList_, shooting_);
  ShowPage(false);
  return 1;
}

template <class Kind>
Kind* CDlgImageProperties::Made(UINT id) const {
  for (const auto& control : controls_)
    if (control->GetDlgCtrlID() == id) return dynamic_cast<Kind*>(control.get());
  return nullptr;
}

bool CDlgImageProperties::CreateControls() {
  controls_.clear();
  const res::DialogTemplate* t = res::FindDialogTemplate(templateId());
  if (t == nullptr) return false;
  for (const auto& control : t->controls)
    if (auto made = res::CreateControl(control, this)) controls_.push_back(std::move(made));
  if (CDrawObject* draw = TheApp().drawObject())
    SetWindowFont(this, draw->GetFont(drawres::kCtrlFontIndex));
  generalList_ = Made<CListCtrl>(res::kControlDetailsGeneralList);
  shootingList_ = Made<CListCtrl>(res::kControlDetailsShootingList);
  generalButton_ = Made<CButton>(res::kControlDetailsGeneralButton);
  shootingButton_ = Made<CButton>(res::kControlDetailsShootingButton);
  return generalList_ != nullptr && shootingList_ != nullptr && generalButton_ != nullptr &&
         shootingButton_ != nullptr;
}

// The client area takes its size and is centred on the frame, or on the parent while there
// is none.
void CDlgImageProperties::PlaceWindow() {
  MoveWindow(0, 0, kClientWidth, kClientHeight, false);
  const HWND main = TheApp().mainWindow();
  CenterWindow(this, IsWindow(main) ? main : GetParent());
}

void CDlgImageProperties::SetTitle() {
  const CPhotoItem& record = *item_->record();
  SetWindowText(record.title() + "(" + Cp932String(record.fileName()) + ")" +
                cp932::Lit(" - 詳細"));
}

// Two columns sharing the width beside a scroll bar; one row per entry, carrying its item
// data so that painting can tell the headings.
void CDlgImageProperties::FillList(CListCtrl* list, const std::vector<ExifListRow>& rows) {
  const RECT client = list->GetClientRect();
  const int width = (client.right - client.left - GetSystemMetrics(SM_CXVSCROLL)) / 2;
  list->InsertColumn(0, cp932::Lit("プロパティ"), width);
  list->InsertColumn(1, cp932::Lit("値"), width);
  list->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  std::vector<LPARAM> values;
  values.reserve(rows.size());
  for (const ExifListRow& row : rows) values.push_back(static_cast<LPARAM>(row.itemData));
  list->AppendItems(values);
}

// Each button shows its own list and hides the other; the pressed state follows.
void CDlgImageProperties::ShowPage(bool shooting) {
  if (generalList_ == nullptr || shootingList_ == nullptr) return;
  generalList_->ShowWindow(shooting ? SW_HIDE : SW_SHOW);
  shootingList_->ShowWindow(shooting ? SW_SHOW : SW_HIDE);
  generalButton_->SetCheck(shooting ? 0 : 1);
  shootingButton_->SetCheck(shooting ? 1 : 0);
  // The keyboard goes with the list that shows, where Escape and Enter reach the dialog.
  (shooting ? shootingList_ : generalList_)->SetFocus();
}

const std::vector<ExifListRow>* CDlgImageProperties::RowsOf(HWND list) const {
  if (list == nullptr) return nullptr;
  if (list == generalList_) return &general_;
  if (list == shootingList_) return &shooting_;
  return nullptr;
}

LRESULT CDlgImageProperties::OnNotify(WPARAM /*w*/, LPARAM l) {
  auto* header = reinterpret_cast<NMHDR*>(l);
  const std::vector<ExifListRow>* rows = header != nullptr ? RowsOf(header->hwndFrom) : nullptr;
  if (rows == nullptr) return 0;
  if (header->code == NM_CUSTOMDRAW && header->hwndFrom == shootingList_)
    return HeadingColours(header);
  if (header->code != LVN_GETDISPINFO) return 0;
  auto* info = static_cast<NMLVDISPINFO*>(header);
  if (info->iItem < 0 || static_cast<size_t>(info->iItem) >= rows->size()) return 0;
  const ExifListRow& row = (*rows)[static_cast<size_t>(info->iItem)];
  info->text = info->iSubItem == 0 ? row.label : row.value;
  return 0;
}

// The group headings of the shooting list stand out in the caption's text colour on a
// tint halfway between the active caption and the window.
LRESULT CDlgImageProperties::HeadingColours(NMHDR* header) {
  auto* draw = static_cast<NMLVCUSTOMDRAW*>(header);
  if (draw->dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw->dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  if ((static_cast<uint32_t>(draw->lItemlParam) & ExifListRow::kHeadingBit) == 0)
    return CDRF_DODEFAULT;
  draw->clrText = GetSysColor(COLOR_CAPTIONTEXT);
  draw->clrTextBk = Mean(GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_WINDOW));
  return CDRF_DODEFAULT;
}

// The toolkit erases the client area first; the photo is then fitted into its square.
void CDlgImageProperties::OnPaint() {
  CPaintDC dc(this);
  if (item_ == nullptr || item_->record() == nullptr) return;
  RECT placed{};
  item_->record()->DrawFitted(dc, kPreviewRect, &placed);
}
