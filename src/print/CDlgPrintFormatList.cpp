#include "print/CDlgPrintFormatList.h"

#include <algorithm>

#include "platform/win/ListCtrl.h"
#include "print/CDlgPrintFormatWizard.h"
#include "print/CPrintFormats.h"
#include "resources/PrintStyleDialogs.h"

namespace {

using cp932::Lit;
using Mode = CDlgPrintFormatWizard::Mode;

constexpr int kColumnWidth = 220;

}  // namespace

const MessageMap<CDlgPrintFormatList>& CDlgPrintFormatList::GetMessageMap() {
  using D = CDlgPrintFormatList;
  static const MessageMap<D> map{
      .messages = {{WM_NOTIFY, &D::OnNotify}},
      .commands =
          {
              {res::kControlStyleCreate, &D::OnCreateStyle},
              {res::kControlStyleDetails, &D::OnDetails},
              {res::kControlStyleDelete, &D::OnDelete},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgPrintFormatList, CCDialogExPh)

CDlgPrintFormatList::CDlgPrintFormatList(CPrintFormats& formats, const CPrintInfoEx* printer,
                                         HWND parent)
    : CCDialogExPh(res::kDialogPrintFormatList, parent), formats_(formats), printer_(printer) {}

BOOL CDlgPrintFormatList::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  UseAlbumLook();
  list_ = dynamic_cast<CListCtrl*>(Control(res::kControlStyleList));
  if (list_ == nullptr) {
    EndDialog(IDCANCEL);
    return 1;
  }
  list_->InsertColumn(0, Lit("スタイル名"), kColumnWidth);
  list_->SetExtendedStyle(LVS_EX_FULLROWSELECT);
  FillList(formats_.currentIndex());
  return 1;
}

// The rows hold the styles' indexes; their names are asked for when shown.
void CDlgPrintFormatList::FillList(int selected) {
  list_->DeleteAllItems();
  std::vector<LPARAM> rows;
  for (int index = 0; index < formats_.count(); ++index) rows.push_back(index);
  list_->AppendItems(rows);
  if (formats_.count() > 0) list_->SelectItem(std::clamp(selected, 0, formats_.count() - 1));
}

LRESULT CDlgPrintFormatList::OnNotify(WPARAM /*w*/, LPARAM l) {
  auto* header = reinterpret_cast<NMHDR*>(l);
  if (header == nullptr || header->idFrom != res::kControlStyleList) return 0;
  if (header->code == NM_DBLCLK) {
    if (reinterpret_cast<NMITEMACTIVATE*>(header)->iItem >= 0) OnDetails();
    return 0;
  }
  if (header->code != LVN_GETDISPINFO) return 0;
  auto* info = reinterpret_cast<NMLVDISPINFO*>(header);
  if (const CPrintFormat* style = formats_.Get(static_cast<int>(info->lParam)))
    info->text = style->name;
  return 0;
}

int CDlgPrintFormatList::SelectedIndex() {
  for (int row = 0; row < list_->GetItemCount(); ++row)
    if (list_->IsItemSelected(row)) return static_cast<int>(list_->GetItemData(row));
  AlbumMessageBox(Lit("選択してください。"), MB_ICONEXCLAMATION, this);
  return -1;
}

void CDlgPrintFormatList::Save() {
  if (!formats_.SaveList())
    AlbumMessageBox(Lit("印刷スタイルを保存できませんでした。"), MB_ICONEXCLAMATION, this);
}

// A new style starts as a copy of the selected one under the name "ｺﾋﾟｰ" and its name.
void CDlgPrintFormatList::OnCreateStyle() {
  if (formats_.count() >= CPrintFormats::kMaxFormats) {
    AlbumMessageBox(Lit("印刷スタイルをこれ以上作成できません。"), MB_ICONEXCLAMATION, this);
    return;
  }
  const int selected = SelectedIndex();
  if (selected < 0) return;
  std::unique_ptr<CPrintFormat> style = CPrintFormats::LoadDefault();
  style->CopyFrom(*formats_.Get(selected));
  style->name = Lit("ｺﾋﾟｰ") + style->name;
  CDlgPrintFormatWizard wizard(*style, Mode::kCreate, printer_, this);
  if (wizard.DoModal() != IDOK) return;
  *style = wizard.style();
  const int added = formats_.Add(std::move(style), true);
  if (added < 0) return;
  Save();
  FillList(added);
}

void CDlgPrintFormatList::OnDetails() {
  const int selected = SelectedIndex();
  if (selected < 0) return;
  CPrintFormat* style = formats_.Get(selected);
  CDlgPrintFormatWizard wizard(*style, Mode::kDetails, printer_, this);
  if (wizard.DoModal() != IDOK) return;
  *style = wizard.style();
  Save();
  FillList(selected);
}

// The row after the removed one is selected, or the one before when the last was removed;
// the current style stays current unless it was the one removed.
void CDlgPrintFormatList::OnDelete() {
  if (formats_.count() <= 1) {
    AlbumMessageBox(Lit("印刷スタイルをこれ以上削除できません。"), MB_ICONEXCLAMATION, this);
    return;
  }
  const int selected = SelectedIndex();
  if (selected < 0) return;
  const CPrintFormat* current = formats_.current();
  std::unique_ptr<CPrintFormat> removed = formats_.Remove(formats_.Get(selected));
  const int next = std::min(selected, formats_.count() - 1);
  if (current == removed.get())
    formats_.SetCurrent(next);
  else
    formats_.SetCurrent(current);
  removed.reset();
  Save();
  FillList(next);
}
