#include "phone/CDlgImageUpdate.h"

#include <cstdio>

#include "host/CHarboPhotoApp.h"
#include "platform/gdi/CDC.h"
#include "platform/text/LocaleCompare.h"
#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Controls.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/Menu.h"
#include "platform/win/RadioButton.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowFont.h"
#include "resources/DialogTemplates.h"
#include "ui/DrawResourceTables.h"

namespace {

using cp932::Lit;

constexpr char kSection[] = "NyUpdate";
// The external memory's folder is always the phone's data folder.
constexpr char kExternalFolderTitle[] = "PRIVATE\\NY\\ﾃﾞｰﾀﾌｫﾙﾀﾞ";

constexpr int kDateColumnWidth = 75;
constexpr COLORREF kUntickedText = 0x00808080;
constexpr int kPreviewSize =
    CDlgImageUpdate::kPreviewRect.right - CDlgImageUpdate::kPreviewRect.left - 8;

CImageItem* ItemOf(LPARAM value) {
  return reinterpret_cast<CImageItem*>(value);
}

int Order(int32_t first, int32_t second) {
  return first < second ? -1 : (first > second ? 1 : 0);
}

}  // namespace

const MessageMap<CDlgImageUpdate>& CDlgImageUpdate::GetMessageMap() {
  static const MessageMap<CDlgImageUpdate> map{
      .messages = {{WM_NOTIFY, &CDlgImageUpdate::OnNotify}},
      .commands = {{res::kControlUpdateResize, &CDlgImageUpdate::OnResizeClicked}},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgImageUpdate, CCDialogExPh)

CDlgImageUpdate::CDlgImageUpdate(CImageItems& view, HWND parent)
    : CCDialogExPh(res::kDialogImageUpdate, parent), view_(view), choice_(ReadSettings()) {
  shown_.SetImageSize(kPreviewSize);
  shown_.SetStyleBits(0);
}

CDlgImageUpdate::~CDlgImageUpdate() = default;

phonesend::SendChoice CDlgImageUpdate::ReadSettings() {
  CHarboPhotoApp& app = TheApp();
  phonesend::SendChoice c;
  c.resize = app.ReadInt(kSection, "NySizeSW", 0) != 0;
  c.size = app.ReadInt(kSection, "NySize", 0) == phonesend::kSizeWallpaper
               ? phonesend::kSizeWallpaper
               : phonesend::kSizePhone;
  c.overwrite = app.ReadInt(kSection, "OvearWriteSW", 0) != 0;
  c.destination = app.ReadInt(kSection, "Destination", 0) != 0 ? 1 : 0;
  return c;
}

void CDlgImageUpdate::WriteSettings(const phonesend::SendChoice& c) {
  CHarboPhotoApp& app = TheApp();
  app.WriteInt(kSection, "NySizeSW", c.resize ? 1 : 0);
  app.WriteInt(kSection, "NySize", c.size);
  app.WriteInt(kSection, "OvearWriteSW", c.overwrite ? 1 : 0);
  app.WriteInt(kSection, "Destination", c.destination);
  app.WriteText(kSection, "ExtDirPath", phonesend::kPhoneFolder);
  app.WriteText(kSection, "ExtDirPathTitle", Lit(kExternalFolderTitle));
}

BOOL CDlgImageUpdate::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  if (!FindControls()) {
    EndDialog(IDCANCEL);
    return 1;
  }
  if (CDrawObject* draw = TheApp().drawObject())
    SetWindowFont(this, draw->GetFont(drawres::kCtrlFontIndex));
  size_->AddString(Lit(" ケータイサイズ (120 x 160)"));
  size_->AddString(Lit(" 壁紙サイズ (240 x 320)"));
  ShowChoice();
  const RECT client = list_->GetClientRect();
  list_->InsertColumn(
      0, Lit("写真名"),
      client.right - client.left - GetSystemMetrics(SM_CXVSCROLL) - kDateColumnWidth);
  list_->InsertColumn(1, Lit("年.月.日"), kDateColumnWidth);
  list_->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_MULTISELECT);
  Fill();
  list_->SelectItem(0);
  list_->SetFocus();
  return 1;
}

bool CDlgImageUpdate::FindControls() {
  list_ = dynamic_cast<CListCtrl*>(Control(res::kControlUpdateList));
  caption_ = dynamic_cast<CStatic*>(Control(res::kControlUpdateCaption));
  internal_ = dynamic_cast<CRadioButton*>(Control(res::kControlUpdateInternal));
  external_ = dynamic_cast<CRadioButton*>(Control(res::kControlUpdateExternal));
  resize_ = dynamic_cast<CCheckBox*>(Control(res::kControlUpdateResize));
  size_ = dynamic_cast<CComboBox*>(Control(res::kControlUpdateSize));
  overwrite_ = dynamic_cast<CCheckBox*>(Control(res::kControlUpdateOverwrite));
  return list_ && caption_ && internal_ && external_ && resize_ && size_ && overwrite_;
}

void CDlgImageUpdate::ShowChoice() {
  internal_->SetCheck(choice_.destination == 0 ? BST_CHECKED : BST_UNCHECKED);
  external_->SetCheck(choice_.destination != 0 ? BST_CHECKED : BST_UNCHECKED);
  resize_->SetCheck(choice_.resize ? BST_CHECKED : BST_UNCHECKED);
  size_->SetCurSel(choice_.size);
  size_->EnableWindow(choice_.resize);
  overwrite_->SetCheck(choice_.overwrite ? BST_CHECKED : BST_UNCHECKED);
}

void CDlgImageUpdate::TakeChoice() {
  choice_.destination = external_->GetCheck() == BST_CHECKED ? 1 : 0;
  choice_.resize = resize_->GetCheck() == BST_CHECKED;
  choice_.size = size_->GetCurSel() == phonesend::kSizeWallpaper ? phonesend::kSizeWallpaper
                                                                 : phonesend::kSizePhone;
  choice_.overwrite = overwrite_->GetCheck() == BST_CHECKED;
}

// The size list only means something while resizing is ticked.
void CDlgImageUpdate::OnResizeClicked() {
  size_->EnableWindow(resize_->GetCheck() == BST_CHECKED);
}

void CDlgImageUpdate::OnOK() {
  if (view_.SelectedCount() == 0) {
    AlbumMessageBox(Lit("写真を選択してください。"), MB_ICONEXCLAMATION, this);
    return;
  }
  TakeChoice();
  WriteSettings(choice_);
  CCDialogExPh::OnOK();
}

void CDlgImageUpdate::OnCancel() {
  if (list_ != nullptr) {
    TakeChoice();
    WriteSettings(choice_);
  }
  CCDialogExPh::OnCancel();
}

// The photos selected in the view come first (they start ticked), then the others, each
// group in view order.
void CDlgImageUpdate::Fill() {
  for (int pass = 0; pass < 2; ++pass)
    for (CImageItem* item : view_.items())
      if ((item->selected() != 0) == (pass == 0)) shown_.Add(item);
  int row = 0;
  for (CImageItem* item : shown_.items()) list_->InsertItem(row++, reinterpret_cast<LPARAM>(item));
  ShowCount();
}

void CDlgImageUpdate::ShowCount() {
  char text[160];
  std::snprintf(text, sizeof text, "ケータイへ送る写真を選択してください(%d/%d)",
                shown_.SelectedCount(), shown_.count());
  caption_->SetText(Lit(text));
}

CImageItem* CDlgImageUpdate::ItemAt(int row) const {
  return row < 0 ? nullptr : ItemOf(list_->GetItemData(row));
}

void CDlgImageUpdate::Toggle(int row) {
  CImageItem* item = ItemAt(row);
  if (item == nullptr) return;
  item->SetSelected(item->selected() != 0 ? 0 : 1);
  ShowCount();
  list_->Invalidate();
}

void CDlgImageUpdate::ToggleHighlighted() {
  for (int row = 0; row < list_->GetItemCount(); ++row)
    if (list_->IsItemSelected(row)) Toggle(row);
}

void CDlgImageUpdate::HighlightAll() {
  for (int row = 0; row < list_->GetItemCount(); ++row)
    list_->SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
}

LRESULT CDlgImageUpdate::OnNotify(WPARAM /*w*/, LPARAM l) {
  auto* header = reinterpret_cast<NMHDR*>(l);
  if (header == nullptr || list_ == nullptr || header->hwndFrom != list_) return 0;
  switch (header->code) {
    case LVN_GETDISPINFO: {
      auto* info = static_cast<NMLVDISPINFO*>(header);
      if (const CImageItem* item = ItemOf(info->lParam))
        info->text = CellText(*item, info->iSubItem);
      return 0;
    }
    case NM_CUSTOMDRAW: {
      auto* draw = static_cast<NMLVCUSTOMDRAW*>(header);
      if (draw->dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
      const CImageItem* item = ItemOf(draw->lItemlParam);
      if (item != nullptr && item->selected() == 0) draw->clrText = kUntickedText;
      return 0;
    }
    case LVN_KEYDOWN: {
      const WORD key = static_cast<NMLVKEYDOWN*>(header)->wVKey;
      if (key == VK_SPACE) ToggleHighlighted();
      if (key == 'A' && (GetKeyState(VK_CONTROL) & 0x8000) != 0) HighlightAll();
      return 0;
    }
    case NM_DBLCLK:
      Toggle(list_->GetFocusedItem());
      return 0;
    case LVN_COLUMNCLICK:
      SortByColumn(static_cast<NMLISTVIEW*>(header)->iSubItem);
      return 0;
    case LVN_ITEMCHANGED:
      Invalidate();  // another row may have the focus: its photo is painted beside the list
      return 0;
    default:
      return 0;
  }
}

Cp932String CDlgImageUpdate::CellText(const CImageItem& item, int column) const {
  const CPhotoItem* record = item.record();
  if (record == nullptr) return {};
  if (column == 0) return record->title();
  char date[32];
  std::snprintf(date, sizeof date, "%04d.%02d.%02d", record->year(), record->month(),
                record->day());
  return date;
}

// A second click on the same header turns the order round; another header sorts ascending.
void CDlgImageUpdate::SortByColumn(int column) {
  sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
  sortColumn_ = column;
  const bool ascending = sortAscending_;
  list_->SortItems([this, column, ascending](LPARAM first, LPARAM second) {
    const CImageItem* a = ItemOf(first);
    const CImageItem* b = ItemOf(second);
    if (a == nullptr || b == nullptr) return 0;
    int order = column == 0 ? cp932::LocaleCompare(CellText(*a, 0), CellText(*b, 0))
                            : Order(a->DateNumber(), b->DateNumber());
    if (order == 0 && column != 0) order = Order(a->TimeNumber(), b->TimeNumber());
    return ascending ? order : -order;
  });
  list_->SetSortArrow(column, ascending);
}

void CDlgImageUpdate::OnPaint() {
  CPaintDC dc(this);
  if (list_ == nullptr) return;
  const CImageItem* item = ItemAt(list_->GetFocusedItem());
  if (item == nullptr) return;
  shown_.style().DrawItem(dc, *item, kPreviewRect.left, kPreviewRect.top);
}
