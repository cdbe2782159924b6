#include "browse/CDlgRename.h"

#include <cstdio>

#include "host/CHarboPhotoApp.h"
#include "library/AlbumText.h"
#include "library/CPhotoItem.h"
#include "library/CPhotoManager.h"
#include "library/PhotoKind.h"
#include "platform/win/Edit.h"
#include "resources/DialogTemplates.h"

namespace {

using cp932::Lit;

Cp932String Formatted(const char* utf8Format, int number) {
  char text[256];
  std::snprintf(text, sizeof text, utf8Format, number);
  return Lit(text);
}

}  // namespace

const MessageMap<CDlgRename>& CDlgRename::GetMessageMap() {
  static const MessageMap<CDlgRename> map{
      .messages = {},
      .commands = {{res::kControlRenameOriginal, &CDlgRename::OnOriginalName}},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgRename, CCDialogExPh)

CDlgRename::CDlgRename(CPhotoItem* record, HWND parent)
    : CCDialogExPh(res::kDialogRename, parent), record_(record) {}

BOOL CDlgRename::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  edit_ = dynamic_cast<CEdit*>(Control(res::kControlRenameEdit));
  if (edit_ == nullptr || record_ == nullptr) {
    EndDialog(IDCANCEL);
    return 1;
  }
  edit_->SetLimitText(kNameLimit);
  edit_->SetText(record_->title());
  edit_->SetSel(0, -1);
  edit_->SetFocus();
  UseAlbumLook();
  return 1;
}

// The name from the phone or the PC without its last extension.
void CDlgRename::OnOriginalName() {
  const Cp932String& original = record_->sourceName();
  edit_->SetText(original.substr(0, std::min(original.rfind('.'), original.size())));
  edit_->SetSel(0, -1);
  edit_->SetFocus();
}

char CDlgRename::FirstForbidden(std::string_view name) {
  for (size_t i = 0; i < name.size(); i += albumtext::CharLength(name, i))
    if (albumtext::CharLength(name, i) == 1 &&
        std::string_view(kForbidden).find(name[i]) != std::string_view::npos)
      return name[i];
  return 0;
}

void CDlgRename::Refuse(const Refusal& refusal) {
  AlbumMessageBox(refusal.message, MB_ICONEXCLAMATION, this);
  if (refusal.selectText) edit_->SetSel(0, -1);
  edit_->SetFocus();
}

std::optional<CDlgRename::Refusal> CDlgRename::Check(const Cp932String& name) {
  if (name.empty()) return Refusal{Lit("写真名を入力して下さい。"), true};
  if (name.size() > kNameLimit)
    return Refusal{Formatted("名前を変更できません。\n半角%d文字以下で入力してください。",
                             static_cast<int>(kNameLimit))};
  if (FirstForbidden(name) != 0) return Refusal{Lit("次の文字は使えません。\r\n") + kForbidden};
  return std::nullopt;
}

void CDlgRename::OnOK() {
  const Cp932String name = albumtext::TrimBlanks(edit_->GetText());
  if (const std::optional<Refusal> refusal = Check(name)) {
    Refuse(*refusal);
    return;
  }
  if (RenameAndSave(*record_, name)) {
    EndDialog(IDOK);
    return;
  }
  AlbumMessageBox(FailureMessage(*record_, name), MB_ICONEXCLAMATION, this);
  EndDialog(IDCANCEL);
}

// The file is renamed, then the album saved; when the album cannot be saved the file gets
// its old name back, so that the catalogue on disk still finds it.
bool CDlgRename::RenameAndSave(CPhotoItem& record, const Cp932String& name) {
  const Cp932String oldTitle = record.title();
  if (record.Rename(name) == 0) return false;
  CPhotoManager* library = TheApp().library();
  if (library == nullptr || library->SaveAlbum() != 0) return true;
  record.Rename(oldTitle);
  return false;
}

// Where the photo's file lives decides what may hold the same name.
Cp932String CDlgRename::FailureMessage(const CPhotoItem& record, const Cp932String& name) {
  const Cp932String head = Lit("名前の変更に失敗しました。\n\nファイルが使用中の場合や、");
  const Cp932String tail = name + Lit("と同じ名前がある場合、名前の変更はできません。");
  if ((record.flags() & PhotoKind::kFromPc) != 0) return head + Lit("パソコンに") + tail;
  if ((record.flags() & PhotoKind::kBurstComposite) != 0) return head + Lit("連続写真に") + tail;
  char month[64];
  std::snprintf(month, sizeof month, "%d年%d月に", record.year(), record.month());
  return head + Lit(month) + tail;
}
