#include "print/CDlgMargin.h"

#include "platform/win/Controls.h"
#include "platform/win/Edit.h"
#include "platform/win/RadioButton.h"
#include "print/PrintFontChoice.h"
#include "resources/PrintStyleDialogs.h"

namespace {

using cp932::Lit;

constexpr int32_t kAcross[] = {CPrintMarginText::kLeft, CPrintMarginText::kCentre,
                               CPrintMarginText::kRight};
constexpr int32_t kDown[] = {CPrintMarginText::kTop, CPrintMarginText::kMiddle,
                             CPrintMarginText::kBottom};
constexpr int32_t kAcrossMask = 0x03;
constexpr int32_t kDownMask = 0x1C;

// The index of the place the position's bits name; an unknown one shows as the first.
int PlaceIndex(const int32_t (&places)[3], int32_t bits) {
  for (int i = 0; i < 3; ++i)
    if (places[i] == bits) return i;
  return 0;
}

}  // namespace

const MessageMap<CDlgMargin>& CDlgMargin::GetMessageMap() {
  using D = CDlgMargin;
  static const MessageMap<D> map{
      .messages = {},
      .commands =
          {
              {res::kControlMarginHeader + res::kBandFont, &D::OnHeaderFont},
              {res::kControlMarginFooter + res::kBandFont, &D::OnFooterFont},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgMargin, CCDialogExPh)

CDlgMargin::CDlgMargin(const CPrintMarginText& header, const CPrintMarginText& footer, HWND parent)
    : CCDialogExPh(res::kDialogMargin, parent),
      header_(header),
      footer_(footer),
      workHeader_(header),
      workFooter_(footer) {}

BOOL CDlgMargin::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  UseAlbumLook();
  ShowBand(res::kControlMarginHeader, workHeader_);
  ShowBand(res::kControlMarginFooter, workFooter_);
  return 1;
}

// Each band's three choices form radio groups of their own.
void CDlgMargin::ShowBand(UINT first, const CPrintMarginText& band) {
  const int group = static_cast<int>(first) * 4;
  for (UINT i = 0; i < 11; ++i) {
    auto* radio = dynamic_cast<CRadioButton*>(Control(first + i));
    if (radio == nullptr) continue;
    radio->SetGroup(group + (i < res::kBandLeft ? 1 : i < res::kBandTop ? 2 : 3));
    radio->SetCheck(BST_UNCHECKED);
  }
  const auto check = [&](UINT id) {
    if (auto* radio = dynamic_cast<CRadioButton*>(Control(first + id)))
      radio->SetCheck(BST_CHECKED);
  };
  check(band.show != 0 ? res::kBandShow : res::kBandHide);
  check(res::kBandLeft + static_cast<UINT>(PlaceIndex(kAcross, band.position & kAcrossMask)));
  check(res::kBandTop + static_cast<UINT>(PlaceIndex(kDown, band.position & kDownMask)));
  if (auto* edit = dynamic_cast<CEdit*>(Control(first + res::kBandText))) edit->SetText(band.text);
  ShowFontName(first, band.font);
}

void CDlgMargin::ShowFontName(UINT first, const CPrintFont& font) {
  if (auto* name = dynamic_cast<CStatic*>(Control(first + res::kBandFontName)))
    name->SetText(printfont::Describe(font, " "));
}

// The position with the place of the three buttons from the first given; a stored value
// the buttons show as the one checked stays as it was.
int32_t CDlgMargin::Place(int32_t position, const int32_t (&places)[3], int32_t mask,
                          UINT first) const {
  for (UINT i = 0; i < 3; ++i) {
    if (!Checked(first + i)) continue;
    if (static_cast<int>(i) == PlaceIndex(places, position & mask)) return position;
    return (position & ~mask) | places[i];
  }
  return position;
}

bool CDlgMargin::Checked(UINT id) const {
  const auto* radio = dynamic_cast<const CRadioButton*>(Control(id));
  return radio != nullptr && radio->GetCheck() == BST_CHECKED;
}

CPrintMarginText CDlgMargin::TakeBand(UINT first, const CPrintMarginText& chosen) const {
  CPrintMarginText band(chosen);
  band.show = Checked(first + res::kBandHide) ? 0 : 1;
  if (const auto* edit = dynamic_cast<const CEdit*>(Control(first + res::kBandText)))
    band.text = edit->GetText();
  band.position = Place(band.position, kAcross, kAcrossMask, first + res::kBandLeft);
  band.position = Place(band.position, kDown, kDownMask, first + res::kBandTop);
  return band;
}

void CDlgMargin::OnHeaderFont() {
  if (printfont::Choose(this, workHeader_.font))
    ShowFontName(res::kControlMarginHeader, workHeader_.font);
}

void CDlgMargin::OnFooterFont() {
  if (printfont::Choose(this, workFooter_.font))
    ShowFontName(res::kControlMarginFooter, workFooter_.font);
}

bool CDlgMargin::Changed() const {
  return !(TakeBand(res::kControlMarginHeader, workHeader_) == header_) ||
         !(TakeBand(res::kControlMarginFooter, workFooter_) == footer_);
}

void CDlgMargin::OnOK() {
  header_ = TakeBand(res::kControlMarginHeader, workHeader_);
  footer_ = TakeBand(res::kControlMarginFooter, workFooter_);
  CCDialogExPh::OnOK();
}

// Cancel and closing the window ask before changes are dropped: yes keeps them as OK would,
// no drops them, and cancel goes back to the dialog.
void CDlgMargin::OnCancel() {
  if (!Changed()) {
    CCDialogExPh::OnCancel();
    return;
  }
  const int answer = AlbumMessageBox(Lit("変更されています。更新しますか？"),
                                     MB_YESNOCANCEL | MB_ICONQUESTION, this);
  if (answer == IDYES)
    OnOK();
  else if (answer == IDNO)
    CCDialogExPh::OnCancel();
}
