#include "print/CDlgPrintFormatPhotoOption.h"

#include <algorithm>
#include <iterator>

#include "platform/shell/ColorDialog.h"
#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Controls.h"
#include "platform/win/RadioButton.h"
#include "print/PrintFontChoice.h"
#include "resources/PrintStyleDialogs.h"

namespace {

using cp932::Lit;

constexpr const char* kInsideOutside[] = {"写真の外", "写真の中"};
constexpr const char* kMemoPlaces[] = {"写真の右", "写真の下", "写真の左", "写真の上"};
constexpr const char* kMemoSizeNames[] = {"小さい", "写真と同じ", "大きい"};
constexpr int16_t kMemoSizes[] = {CPrintPhotoOption::kMemoSmall,
                                  CPrintPhotoOption::kMemoSameAsPhoto,
                                  CPrintPhotoOption::kMemoLarge};

int MemoSizeIndex(int16_t width) {
  const auto* found = std::find(std::begin(kMemoSizes), std::end(kMemoSizes), width);
  return found == std::end(kMemoSizes) ? 1 : static_cast<int>(found - std::begin(kMemoSizes));
}

}  // namespace

const CDlgPrintFormatPhotoOption::Caption CDlgPrintFormatPhotoOption::kCaptions[3] = {
    {res::kControlOptionName, &CPrintPhotoOption::nameVisible, &CPrintPhotoOption::namePosition,
     &CPrintPhotoOption::nameFont},
    {res::kControlOptionDate, &CPrintPhotoOption::dateVisible, &CPrintPhotoOption::datePosition,
     &CPrintPhotoOption::dateFont},
    {res::kControlOptionMemo, &CPrintPhotoOption::memoVisible, &CPrintPhotoOption::memoPosition,
     &CPrintPhotoOption::memoFont},
};

const MessageMap<CDlgPrintFormatPhotoOption>& CDlgPrintFormatPhotoOption::GetMessageMap() {
  using D = CDlgPrintFormatPhotoOption;
  static const MessageMap<D> map{
      .messages = {},
      .commands =
          {
              {res::kControlOptionName + res::kRowColor, &D::OnNameColor},
              {res::kControlOptionDate + res::kRowColor, &D::OnDateColor},
              {res::kControlOptionMemo + res::kRowColor, &D::OnMemoColor},
              {res::kControlOptionName + res::kRowFont, &D::OnNameFont},
              {res::kControlOptionDate + res::kRowFont, &D::OnDateFont},
              {res::kControlOptionMemo + res::kRowFont, &D::OnMemoFont},
              {res::kControlOptionStretch, &D::OnStretch},
              {res::kControlOptionKeep, &D::OnStretch},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgPrintFormatPhotoOption, CCDialogExPh)

CDlgPrintFormatPhotoOption::CDlgPrintFormatPhotoOption(const CPrintPhotoOption& option, HWND parent)
    : CCDialogExPh(res::kDialogPhotoOption, parent),
      option_(Corrected(option)),
      working_(option_) {}

// Places beyond the choices go back to the first; switches above 1 count as on.
CPrintPhotoOption CDlgPrintFormatPhotoOption::Corrected(const CPrintPhotoOption& option) {
  CPrintPhotoOption o(option);
  if (o.namePosition > 1) o.namePosition = 0;
  if (o.datePosition > 1) o.datePosition = 0;
  if (o.memoPosition > 3) o.memoPosition = 0;
  o.memoAlternate = std::min<uint8_t>(o.memoAlternate, 1);
  o.scaleOver = std::min<uint8_t>(o.scaleOver, 1);
  return o;
}

BOOL CDlgPrintFormatPhotoOption::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  UseAlbumLook();
  for (const Caption& caption : kCaptions) ShowCaption(caption);
  if (auto* size = dynamic_cast<CComboBox*>(Control(res::kControlOptionMemoSize))) {
    for (const char* name : kMemoSizeNames) size->AddString(Lit(name));
    size->SetCurSel(MemoSizeIndex(working_.memoWidth));
  }
  if (auto* alternate = dynamic_cast<CCheckBox*>(Control(res::kControlOptionAlternate)))
    alternate->SetCheck(working_.memoAlternate != 0 ? BST_CHECKED : BST_UNCHECKED);
  if (auto* stretch = dynamic_cast<CRadioButton*>(Control(res::kControlOptionStretch)))
    stretch->SetCheck(working_.stretch != 0 ? BST_CHECKED : BST_UNCHECKED);
  if (auto* keep = dynamic_cast<CRadioButton*>(Control(res::kControlOptionKeep)))
    keep->SetCheck(working_.stretch != 0 ? BST_UNCHECKED : BST_CHECKED);
  if (auto* fit = dynamic_cast<CCheckBox*>(Control(res::kControlOptionFitWhole)))
    fit->SetCheck(working_.scaleOver != 0 ? BST_CHECKED : BST_UNCHECKED);
  ShowFit();
  return 1;
}

void CDlgPrintFormatPhotoOption::ShowCaption(const Caption& caption) {
  if (auto* show = dynamic_cast<CCheckBox*>(Control(caption.first + res::kRowShow)))
    show->SetCheck(working_.*caption.visible != 0 ? BST_CHECKED : BST_UNCHECKED);
  if (auto* place = dynamic_cast<CComboBox*>(Control(caption.first + res::kRowPosition))) {
    if (caption.first == res::kControlOptionMemo)
      for (const char* name : kMemoPlaces) place->AddString(Lit(name));
    else
      for (const char* name : kInsideOutside) place->AddString(Lit(name));
    place->SetCurSel(working_.*caption.position);
  }
  ShowFontName(caption);
}

void CDlgPrintFormatPhotoOption::ShowFontName(const Caption& caption) {
  if (auto* name = dynamic_cast<CStatic*>(Control(caption.first + res::kRowFontName)))
    name->SetText(printfont::Describe(working_.*caption.font, " : "));
}

// The fit of the whole photo only means something when the proportions are kept.
void CDlgPrintFormatPhotoOption::ShowFit() {
  if (CWnd* fit = Control(res::kControlOptionFitWhole))
    fit->EnableWindow(!Checked(res::kControlOptionStretch));
}

void CDlgPrintFormatPhotoOption::OnStretch() {
  ShowFit();
}

void CDlgPrintFormatPhotoOption::ChooseColor(const Caption& caption) {
  CPrintFont& font = working_.*caption.font;
  if (const std::optional<COLORREF> chosen = shell::ChooseColor(this, font.color))
    font.color = *chosen;
}

void CDlgPrintFormatPhotoOption::ChooseFont(const Caption& caption) {
  if (printfont::Choose(this, working_.*caption.font)) ShowFontName(caption);
}

bool CDlgPrintFormatPhotoOption::Checked(UINT id) const {
  if (const auto* box = dynamic_cast<const CCheckBox*>(Control(id)))
    return box->GetCheck() == BST_CHECKED;
  const auto* radio = dynamic_cast<const CRadioButton*>(Control(id));
  return radio != nullptr && radio->GetCheck() == BST_CHECKED;
}

int CDlgPrintFormatPhotoOption::Selected(UINT id) const {
  const auto* box = dynamic_cast<const CComboBox*>(Control(id));
  return box != nullptr ? box->GetCurSel() : -1;
}

void CDlgPrintFormatPhotoOption::OnOK() {
  for (const Caption& caption : kCaptions) {
    working_.*caption.visible = Checked(caption.first + res::kRowShow) ? 1 : 0;
    const int place = Selected(caption.first + res::kRowPosition);
    if (place >= 0) working_.*caption.position = static_cast<uint8_t>(place);
  }
  const int size = Selected(res::kControlOptionMemoSize);
  if (size >= 0) working_.memoWidth = kMemoSizes[size];
  working_.memoAlternate = Checked(res::kControlOptionAlternate) ? 1 : 0;
  working_.stretch = Checked(res::kControlOptionStretch) ? 1 : 0;
  working_.scaleOver = Checked(res::kControlOptionFitWhole) ? 1 : 0;
  option_ = working_;
  CCDialogExPh::OnOK();
}
