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
#include "platform/win/WindowFont.h"
#include "resources/DialogTemplates.h"
#include "ui/DrawResourceTables.h"

namespace {

using cp932::Lit;

// The thumbnail is a bare picture cell as large as its rectangle, less the cell's border.
constexpr int kPreviewSize =
    CDlgImageExport::kPreviewRect.right - CDlgImageExport::kPreviewRect.left - 8;

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
              {res::kControlExportHelp, &CDlgImageExport::OnHelp},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgImageExport, CCDialogExPh)

CDlgImageExport::CDlgImageExport(CImageItems& view, HWND parent)
    : CCDialogExPh(res::kDialogImageExport, parent), view_(view) {
  ticked_.SetThumbnailSize(kPreviewSize);
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
  ticked_.Fill(list_, [this] { ShowCount(); });
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

void CDlgImageExport::ShowCount() {
  char text[160];
  std::snprintf(text, sizeof text, "ｴｸｽﾎﾟｰﾄする写真を選択してください。(%d/%d)",
                ticked_.shown().SelectedCount(), ticked_.shown().count());
  caption_->SetText(Lit(text));
}

// The ticked photos in view order, which is the order they are copied in.
std::vector<CPhotoItem*> CDlgImageExport::Ticked() const {
  std::vector<CPhotoItem*> photos;
  for (const CImageItem* item : view_.items())
    if (item->selected() != 0 && item->record() != nullptr) photos.push_back(item->record());
  return photos;
}

LRESULT CDlgImageExport::OnNotify(WPARAM /*w*/, LPARAM l) {
  return ticked_.OnNotify(reinterpret_cast<NMHDR*>(l), this);
}

void CDlgImageExport::OnPaint() {
  CPaintDC dc(this);
  ticked_.PaintFocused(dc, POINT{kPreviewRect.left, kPreviewRect.top});
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
