#include "transfer/CDlgImageExport.h"

#include <cstdio>
#include <string>

#include "browse/CDlgProgMsg.h"
#include "host/CHarboPhotoApp.h"
#include "platform/gdi/CDC.h"
#include "platform/shell/FileDialog.h"
#include "platform/shell/Shell.h"
#include "platform/text/LocaleCompare.h"
#include "platform/win/CheckBox.h"
#include "platform/win/Edit.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/Menu.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowFont.h"
#include "resources/DialogTemplates.h"
#include "ui/DrawResourceTables.h"

namespace {

using cp932::Lit;

constexpr int kDateColumnWidth = 75;
constexpr COLORREF kUntickedText = 0x00808080;
// The thumbnail is a bare picture cell as large as its rectangle, less the cell's border.
constexpr int kPreviewSize =
    CDlgImageExport::kPreviewRect.right - CDlgImageExport::kPreviewRect.left - 8;

CImageItem* ItemOf(LPARAM value) {
  return reinterpret_cast<CImageItem*>(value);
}

int Order(int32_t first, int32_t second) {
  return first < second ? -1 : (first > second ? 1 : 0);
}

Cp932String Formatted(const char* utf8Format, int number) {
  char text[160];
  std::snprintf(text, sizeof text, utf8Format, number);
  return Lit(text);
}

}  // namespace

const MessageMap<CDlgImageExport>& CDlgImageExport::GetMessageMap() {
  static const MessageMap<CDlgImageExport> map{
      .messages = {{WM_NOTIFY, &CDlgImageExport::OnNotify}},
      .commands =
          {
              {res::kControlExportBrowse, &CDlgImageExport::OnBrowse},
              {res::kControlExportStart, &CDlgImageExport::OnStart},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgImageExport, CCDialogExPh)

CDlgImageExport::CDlgImageExport(CImageItems& view, HWND parent)
    : CCDialogExPh(res::kDialogImageExport, parent), view_(view) {
  shown_.SetImageSize(kPreviewSize);
  shown_.SetStyleBits(0);
}

CDlgImageExport::~CDlgImageExport() = default;

BOOL CDlgImageExport::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  if (!FindControls()) {
    EndDialog(IDCANCEL);
    return 1;
  }
  if (CDrawObject* draw = TheApp().drawObject())
    SetWindowFont(this, draw->GetFont(drawres::kCtrlFontIndex));
  // The edit-values box and the quality slider are kept but never read by the export.
  for (UINT hidden : {res::kControlExportApplyEdits, res::kControlExportQuality,
                      res::kControlExportBest, res::kControlExportSmallest})
    if (CWnd* control = Control(hidden)) control->ShowWindow(SW_HIDE);
  settings_ = pcexport::ReadSettings();
  ShowSettings();
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

bool CDlgImageExport::FindControls() {
  list_ = dynamic_cast<CListCtrl*>(Control(res::kControlExportList));
  folder_ = dynamic_cast<CEdit*>(Control(res::kControlExportFolder));
  caption_ = dynamic_cast<CStatic*>(Control(res::kControlExportCaption));
  overwrite_ = dynamic_cast<CCheckBox*>(Control(res::kControlExportOverwrite));
  subfolders_ = dynamic_cast<CCheckBox*>(Control(res::kControlExportSubfolders));
  applyEdits_ = dynamic_cast<CCheckBox*>(Control(res::kControlExportApplyEdits));
  return list_ && folder_ && caption_ && overwrite_ && subfolders_ && applyEdits_;
}

void CDlgImageExport::ShowSettings() {
  folder_->SetText(settings_.folder);
  overwrite_->SetCheck(settings_.overwrite ? 1 : 0);
  subfolders_->SetCheck(settings_.subfolders ? 1 : 0);
  applyEdits_->SetCheck(settings_.applyEdits ? 1 : 0);
}

void CDlgImageExport::TakeSettings() {
  settings_.folder = folder_->GetText();
  settings_.overwrite = overwrite_->GetCheck() == 1;
  settings_.subfolders = subfolders_->GetCheck() == 1;
  settings_.applyEdits = applyEdits_->GetCheck() == 1;
}

// Closing is the dialog's only way out; the settings as the user left them are kept.
void CDlgImageExport::OnCancel() {
  if (list_ != nullptr) {
    TakeSettings();
    pcexport::WriteSettings(settings_);
  }
  CCDialogExPh::OnCancel();
}

// The photos selected in the view come first (they start ticked), then the others, each
// group in view order.
void CDlgImageExport::Fill() {
  for (int pass = 0; pass < 2; ++pass)
    for (CImageItem* item : view_.items())
      if ((item->selected() != 0) == (pass == 0)) shown_.Add(item);
  int row = 0;
  for (CImageItem* item : shown_.items()) list_->InsertItem(row++, reinterpret_cast<LPARAM>(item));
  ShowCount();
}

void CDlgImageExport::ShowCount() {
  char text[160];
  std::snprintf(text, sizeof text, "ｴｸｽﾎﾟｰﾄする写真を選択してください。(%d/%d)",
                shown_.SelectedCount(), shown_.count());
  caption_->SetText(Lit(text));
}

CImageItem* CDlgImageExport::ItemAt(int row) const {
  return row < 0 ? nullptr : ItemOf(list_->GetItemData(row));
}

void CDlgImageExport::Toggle(int row) {
  CImageItem* item = ItemAt(row);
  if (item == nullptr) return;
  item->SetSelected(item->selected() != 0 ? 0 : 1);
  ShowCount();
  list_->Invalidate();
}

void CDlgImageExport::ToggleHighlighted() {
  for (int row = 0; row < list_->GetItemCount(); ++row)
    if (list_->IsItemSelected(row)) Toggle(row);
}

// Space ticks or unticks the highlighted rows; Ctrl+A highlights every row.
void CDlgImageExport::KeyDown(UINT vk) {
  if (vk == VK_SPACE) {
    ToggleHighlighted();
  } else if (vk == 'A' && GetKeyState(VK_CONTROL) < 0) {
    for (int row = 0; row < list_->GetItemCount(); ++row)
      list_->SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
  }
}

// The ticked photos in view order, which is the order they are copied in.
std::vector<CPhotoItem*> CDlgImageExport::Ticked() const {
  std::vector<CPhotoItem*> photos;
  for (const CImageItem* item : view_.items())
    if (item->selected() != 0 && item->record() != nullptr) photos.push_back(item->record());
  return photos;
}

LRESULT CDlgImageExport::OnNotify(WPARAM /*w*/, LPARAM l) {
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
    case LVN_KEYDOWN:
      KeyDown(static_cast<NMLVKEYDOWN*>(header)->wVKey);
      return 0;
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

Cp932String CDlgImageExport::CellText(const CImageItem& item, int column) const {
  const CPhotoItem* record = item.record();
  if (record == nullptr) return {};
  if (column == 0) return record->title();
  char date[32];
  std::snprintf(date, sizeof date, "%04d.%02d.%02d", record->year(), record->month(),
                record->day());
  return date;
}

// A second click on the same header turns the order round; another header sorts ascending.
void CDlgImageExport::SortByColumn(int column) {
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

void CDlgImageExport::OnPaint() {
  CPaintDC dc(this);
  if (list_ == nullptr) return;
  const CImageItem* item = ItemAt(list_->GetFocusedItem());
  if (item == nullptr) return;
  shown_.style().DrawItem(dc, *item, kPreviewRect.left, kPreviewRect.top);
}

// A chosen place that has no path the album can write (no code page 932 form) is refused
// by name; the field keeps what it had.
void CDlgImageExport::OnBrowse() {
  const shell::ChosenFiles chosen =
      shell::ChooseFolder(this, Lit("フォルダを選択して下さい。"), folder_->GetText());
  for (const std::string& name : chosen.refused)
    AlbumMessageBox(
        Lit("\"") + shell::NameForMessage(name) + Lit("\"のパスが取得できないため選択できません。"),
        MB_ICONEXCLAMATION, this);
  if (!chosen.paths.empty()) folder_->SetText(chosen.paths.front());
}

void CDlgImageExport::OnStart() {
  const std::vector<CPhotoItem*> photos = Ticked();
  if (photos.empty()) {
    AlbumMessageBox(Lit("写真を選択してください。"), MB_ICONEXCLAMATION, this);
    return;
  }
  TakeSettings();
  const std::optional<Cp932String> folder =
      pcexport::PrepareFolder(settings_.folder, settings_.subfolders, photos);
  if (!folder) {
    RefuseFolder();
    return;
  }
  Export(*folder, photos);
}

void CDlgImageExport::RefuseFolder() {
  AlbumMessageBox(Lit("指定されたフォルダにエクスポートできません。\r\n"
                      "フォルダを設定しなおしてください。"),
                  MB_ICONEXCLAMATION, this);
  folder_->SetFocus();
  folder_->SetSel(0, -1);
}

void CDlgImageExport::Export(const Cp932String& folder, const std::vector<CPhotoItem*>& photos) {
  pcexport::Outcome outcome;
  {
    CDlgProgMsg progress;
    progress.Create(this);
    progress.SetText(Lit("写真エクスポート中…"));
    progress.SetRange(0, static_cast<int>(photos.size()));
    outcome =
        pcexport::Run(folder, photos, settings_, [&progress](int done) { progress.SetPos(done); });
    progress.Destroy();
  }
  if (!outcome.failed.empty())
    AlbumMessageBox(Formatted("%d件失敗しました。", static_cast<int>(outcome.failed.size())),
                    MB_ICONERROR, this);
  if (AlbumMessageBox(Lit("終了しました。\r\nフォルダを表示しますか?"), MB_YESNO | MB_ICONQUESTION,
                      this) != IDYES)
    return;
  if (ShellExecuteA(this, "open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL) <= 32)
    AlbumMessageBox(Lit("フォルダの表示に失敗しました。"), MB_ICONEXCLAMATION, this);
}
