#include "transfer/CDlgImageImport.h"

#include "host/CHarboPhotoApp.h"
#include "platform/shell/FileDialog.h"
#include "platform/shell/ShellIcons.h"
#include "platform/text/LocaleCompare.h"
#include "platform/win/DropTarget.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowFont.h"
#include "resources/DialogTemplates.h"
#include "transfer/PcImport.h"
#include "ui/DrawResourceTables.h"

namespace {

using cp932::Lit;

constexpr int kNameColumnWidth = 150;
constexpr const char* kFilter =
    "写真ファイル (*.jpg;*.png)|*.jpg; *.png|ムービーファイル (*.amc;*.3gp;3g2)|*.amc; *.3gp; "
    "*.3g2|全てのファイル (*.*)|*.*||";

Cp932String FileName(const Cp932String& path) {
  const size_t slash = cp932::FindLastChar(path, '/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

const MessageMap<CDlgImageImport>& CDlgImageImport::GetMessageMap() {
  static const MessageMap<CDlgImageImport> map{
      .messages =
          {
              {WM_NOTIFY, &CDlgImageImport::OnNotify},
              {WM_DROPFILES, &CDlgImageImport::OnDropFiles},
          },
      .commands =
          {
              {res::kControlImportInsert, &CDlgImageImport::OnInsert},
              {res::kControlImportRemove, &CDlgImageImport::OnRemove},
              {res::kControlImportHelp, &CDlgImageImport::OnHelp},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgImageImport, CCDialogExPh)

CDlgImageImport::CDlgImageImport(HWND parent) : CCDialogExPh(res::kDialogImageImport, parent) {}

CDlgImageImport::~CDlgImageImport() = default;

BOOL CDlgImageImport::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  list_ = dynamic_cast<CListCtrl*>(Control(res::kControlImportList));
  if (list_ == nullptr) {
    EndDialog(IDCANCEL);
    return 1;
  }
  if (CDrawObject* draw = TheApp().drawObject())
    SetWindowFont(this, draw->GetFont(drawres::kCtrlFontIndex));
  if (CWnd* hide = Control(res::kControlImportHideMain)) hide->ShowWindow(SW_HIDE);
  const RECT client = list_->GetClientRect();
  list_->InsertColumn(0, Lit("ファイル名"), kNameColumnWidth);
  list_->InsertColumn(
      1, Lit("コピー元"),
      client.right - client.left - kNameColumnWidth - GetSystemMetrics(SM_CXVSCROLL));
  list_->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_MULTISELECT);
  list_->ShowSystemSmallIcons(true);
  DragAcceptFiles(this, true);
  return 1;
}

// Two names are the same file only when they are equal byte for byte: the desktop's file
// systems tell upper from lower case, so IMG.JPG and img.jpg are two photos.
bool CDlgImageImport::Listed(const Cp932String& path) const {
  for (int row = 0; row < list_->GetItemCount(); ++row)
    if (paths_[static_cast<size_t>(list_->GetItemData(row))] == path) return true;
  return false;
}

bool CDlgImageImport::AddFile(const Cp932String& path) {
  if (list_ == nullptr || pcimport::Check(path) != pcimport::Refusal::kNone || Listed(path))
    return false;
  paths_.push_back(path);
  list_->InsertItem(list_->GetItemCount(), static_cast<LPARAM>(paths_.size() - 1));
  return true;
}

// The names are shown as well as they can be: a character without a form shows as "?".
void CDlgImageImport::RefuseNames(const std::vector<std::string>& utf8Names) {
  if (utf8Names.empty()) return;
  Cp932String text = Lit("次のファイルは名前に使えない文字を含むため、取り込めません。\n");
  for (const std::string& name : utf8Names) text += "\n" + shell::NameForMessage(name);
  AlbumMessageBox(text, MB_ICONEXCLAMATION, this);
}

LRESULT CDlgImageImport::OnDropFiles(WPARAM w, LPARAM /*l*/) {
  const auto* dropped = reinterpret_cast<const DroppedFiles*>(w);
  if (dropped == nullptr) return 0;
  for (const Cp932String& path : dropped->paths) AddFile(path);
  RefuseNames(dropped->refused);
  return 0;
}

void CDlgImageImport::OnInsert() {
  const shell::ChosenFiles chosen = shell::ChooseFilesToOpen(this, Lit(kFilter));
  bool tooLong = false;
  for (const Cp932String& path : chosen.paths) {
    if (path.size() > kMaxPathBytes)
      tooLong = true;
    else
      AddFile(path);
  }
  RefuseNames(chosen.refused);
  if (tooLong)
    AlbumMessageBox(Lit("ファイルパスが半角259文字を超えている為、処理を中断します。\n"
                        "ファイル名や、フォルダを変更して下さい。"),
                    MB_ICONEXCLAMATION, this);
}

void CDlgImageImport::OnRemove() {
  for (int row = list_->GetItemCount() - 1; row >= 0; --row)
    if (list_->IsItemSelected(row)) list_->DeleteItem(row);
}

Cp932String CDlgImageImport::CellText(const Cp932String& path, int column) {
  return column == 0 ? FileName(path) : path;
}

LRESULT CDlgImageImport::OnNotify(WPARAM /*w*/, LPARAM l) {
  auto* header = reinterpret_cast<NMHDR*>(l);
  if (header == nullptr || list_ == nullptr || header->hwndFrom != list_) return 0;
  if (header->code == LVN_COLUMNCLICK) {
    SortByColumn(static_cast<NMLISTVIEW*>(header)->iSubItem);
  } else if (header->code == LVN_GETDISPINFO) {
    auto* info = static_cast<NMLVDISPINFO*>(header);
    const auto index = static_cast<size_t>(info->lParam);
    if (index >= paths_.size()) return 0;
    info->text = CellText(paths_[index], info->iSubItem);
    if ((info->mask & LVIF_IMAGE) != 0) info->iImage = shell::FileIconIndex(paths_[index]);
  }
  return 0;
}

// The first click on a header sorts ascending; a second click on it turns the order round.
void CDlgImageImport::SortByColumn(int column) {
  sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
  sortColumn_ = column;
  const bool ascending = sortAscending_;
  list_->SortItems([this, column, ascending](LPARAM first, LPARAM second) {
    const int order = cp932::LocaleCompare(CellText(paths_[static_cast<size_t>(first)], column),
                                           CellText(paths_[static_cast<size_t>(second)], column));
    return ascending ? order : -order;
  });
  list_->SetSortArrow(column, ascending);
}

void CDlgImageImport::TakeListOrder() {
  files_.clear();
  for (int row = 0; row < list_->GetItemCount(); ++row)
    files_.push_back(paths_[static_cast<size_t>(list_->GetItemData(row))]);
}

void CDlgImageImport::OnOK() {
  if (list_ != nullptr) TakeListOrder();
  CCDialogExPh::OnOK();
}
