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
#include "platform/win/WindowFont.h"
#include "resources/DialogTemplates.h"
#include "ui/DrawResourceTables.h"

namespace {

using cp932::Lit;

constexpr char kSection[] = "NyUpdate";
// The external memory's folder is always the phone's data folder.
constexpr char kExternalFolderTitle[] = "PRIVATE\\NY\\ﾃﾞｰﾀﾌｫﾙﾀﾞ";

constexpr int kPreviewSize =
    CDlgImageUpdate::kPreviewRect.right - CDlgImageUpdate::kPreviewRect.left - 8;

}  // namespace

const MessageMap<CDlgImageUpdate>& CDlgImageUpdate::GetMessageMap() {
  static const MessageMap<CDlgImageUpdate> map{
      .messages = {{WM_NOTIFY, &CDlgImageUpdate::OnNotify}},
      .commands =
          {
              {res::kControlUpdateResize, &CDlgImageUpdate::OnResizeClicked},
              {res::kControlUpdateHelp, &CDlgImageUpdate::OnHelp},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgImageUpdate, CCDialogExPh)

CDlgImageUpdate::CDlgImageUpdate(CImageItems& view, HWND parent)
    : CCDialogExPh(res::kDialogImageUpdate, parent), view_(view), choice_(ReadSettings()) {
  ticked_.SetThumbnailSize(kPreviewSize);
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
  ticked_.Fill(list_, [this] { ShowCount(); });
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

void CDlgImageUpdate::ShowCount() {
  char text[160];
  std::snprintf(text, sizeof text, "ケータイへ送る写真を選択してください(%d/%d)",
                ticked_.shown().SelectedCount(), ticked_.shown().count());
  caption_->SetText(Lit(text));
}

LRESULT CDlgImageUpdate::OnNotify(WPARAM /*w*/, LPARAM l) {
  return ticked_.OnNotify(reinterpret_cast<NMHDR*>(l), this);
}

void CDlgImageUpdate::OnPaint() {
  CPaintDC dc(this);
  ticked_.PaintFocused(dc, POINT{kPreviewRect.left, kPreviewRect.top});
}
