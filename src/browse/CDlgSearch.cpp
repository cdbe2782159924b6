#include "browse/CDlgSearch.h"

#include <string>

#include "browse/CIdxIndexView.h"
#include "browse/IndexTree.h"
#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "host/SuiteContext.h"
#include "host/SuiteRegistry.h"
#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/DateTimeCtrl.h"
#include "platform/win/Edit.h"
#include "platform/win/ListCtrl.h"
#include "resources/DialogTemplates.h"

namespace {

using cp932::Lit;

constexpr char kSection[] = "FindView";
constexpr size_t kSizeDigits = 5;

constexpr const char* kDateTypes[] = {"一週間以内", "一ヶ月以内", "一年以内", "日付指定"};
constexpr const char* kDateTerms[] = {"まで", "から", "以降"};
constexpr const char* kSizeTerms[] = {"以下", "から", "以上"};

// The pickers take the dates from 1900 to 2999.
constexpr SYSTEMTIME kFirstPickable{.wYear = 1900, .wMonth = 1, .wDay = 1};
constexpr SYSTEMTIME kLastPickable{.wYear = 2999, .wMonth = 12, .wDay = 31};

template <size_t N>
void Fill(CComboBox* box, const char* const (&texts)[N]) {
  for (const char* text : texts) box->AddString(Lit(text));
}

// A list's index from the registry: one outside the list is the default.
int ReadChoice(const char* name, int fallback, int count) {
  const int value = TheApp().ReadInt(kSection, name, fallback);
  return value >= 0 && value < count ? value : fallback;
}

bool ReadSwitch(const char* name, bool fallback) {
  return TheApp().ReadInt(kSection, name, fallback ? 1 : 0) != 0;
}

std::vector<Cp932String> ReadHistory(const char* format) {
  std::vector<Cp932String> history;
  for (size_t i = 0; i < search::kHistoryLength; ++i) {
    const Cp932String text = TheApp().ReadText(kSection, format + std::to_string(i), {});
    if (!text.empty()) history.push_back(text);
  }
  return history;
}

void WriteHistory(const char* format, const std::vector<Cp932String>& history) {
  for (size_t i = 0; i < search::kHistoryLength; ++i)
    TheApp().WriteText(kSection, format + std::to_string(i),
                       i < history.size() ? history[i] : Cp932String());
}

void ShowHistory(CComboBox* box, const std::vector<Cp932String>& history) {
  const Cp932String text = box->GetEditText();
  box->ResetContent();
  for (const Cp932String& entry : history) box->AddString(entry);
  box->SetEditText(text);
}

search::Date DateOf(const CDateTimeCtrl* picker) {
  SYSTEMTIME time{};
  picker->GetTime(&time);
  return search::Date{static_cast<int16_t>(time.wYear), static_cast<int16_t>(time.wMonth),
                      static_cast<int16_t>(time.wDay)};
}

void ShowDate(CDateTimeCtrl* picker, const search::Date& date) {
  picker->SetRange(kFirstPickable, kLastPickable);
  picker->SetTime(SYSTEMTIME{.wYear = static_cast<WORD>(date.year),
                             .wMonth = static_cast<WORD>(date.month),
                             .wDay = static_cast<WORD>(date.day)});
}

}  // namespace

const MessageMap<CDlgSearch>& CDlgSearch::GetMessageMap() {
  static const MessageMap<CDlgSearch> map{
      .messages = {{DM_GETDEFID, &CDlgSearch::OnGetDefId}},
      .commands =
          {
              {res::kControlSearchName, &CDlgSearch::OnConditionChanged},
              {res::kControlSearchDate, &CDlgSearch::OnConditionChanged},
              {res::kControlSearchSize, &CDlgSearch::OnConditionChanged},
              {res::kControlSearchMemo, &CDlgSearch::OnConditionChanged},
              {res::kControlSearchDateType, &CDlgSearch::OnConditionChanged},
              {res::kControlSearchDateTerm, &CDlgSearch::OnConditionChanged},
              {res::kControlSearchSizeTerm, &CDlgSearch::OnConditionChanged},
              {res::kControlSearchRun, &CDlgSearch::OnSearch},
              {res::kControlSearchHelp, &CDlgSearch::OnHelp},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgSearch, CCDialogExPh)

CDlgSearch::CDlgSearch(HWND parent) : CCDialogExPh(res::kDialogSearch, parent) {}

BOOL CDlgSearch::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  if (!FindControls()) {
    EndDialog(IDCANCEL);
    return 1;
  }
  FillLists();
  ReadSettings();
  ShowSettings();
  OnConditionChanged();
  UseAlbumLook();
  if (Ticked(res::kControlSearchName)) {
    nameText_->SetEditSel(0, -1);
    nameText_->SetFocus();
  }
  return 1;
}

bool CDlgSearch::FindControls() {
  nameText_ = dynamic_cast<CComboBox*>(Control(res::kControlSearchNameText));
  memoText_ = dynamic_cast<CComboBox*>(Control(res::kControlSearchMemoText));
  dateType_ = dynamic_cast<CComboBox*>(Control(res::kControlSearchDateType));
  dateTerm_ = dynamic_cast<CComboBox*>(Control(res::kControlSearchDateTerm));
  sizeTerm_ = dynamic_cast<CComboBox*>(Control(res::kControlSearchSizeTerm));
  firstDate_ = dynamic_cast<CDateTimeCtrl*>(Control(res::kControlSearchFirstDate));
  secondDate_ = dynamic_cast<CDateTimeCtrl*>(Control(res::kControlSearchSecondDate));
  sizeFrom_ = dynamic_cast<CEdit*>(Control(res::kControlSearchSizeFrom));
  sizeTo_ = dynamic_cast<CEdit*>(Control(res::kControlSearchSizeTo));
  for (UINT id : {res::kControlSearchName, res::kControlSearchDate, res::kControlSearchSize,
                  res::kControlSearchMemo, res::kControlSearchPhotos, res::kControlSearchMovies,
                  res::kControlSearchInView})
    if (Check(id) == nullptr) return false;
  return nameText_ && memoText_ && dateType_ && dateTerm_ && sizeTerm_ && firstDate_ &&
         secondDate_ && sizeFrom_ && sizeTo_;
}

void CDlgSearch::FillLists() {
  Fill(dateType_, kDateTypes);
  Fill(dateTerm_, kDateTerms);
  Fill(sizeTerm_, kSizeTerms);
  nameText_->LimitText(search::kNameLimit);
  memoText_->LimitText(search::kMemoLimit);
  sizeFrom_->SetLimitText(kSizeDigits);
  sizeTo_->SetLimitText(kSizeDigits);
}

void CDlgSearch::ReadSettings() {
  search::Conditions& s = settings_;
  s.name = ReadSwitch("Name", true);
  s.date = ReadSwitch("Date", false);
  s.size = ReadSwitch("Size", false);
  s.memo = ReadSwitch("Memo", false);
  s.dateType = ReadChoice("DateType", search::kWithinWeek, std::size(kDateTypes));
  s.dateTerm = ReadChoice("DateTerm", search::kBetween, std::size(kDateTerms));
  s.sizeTerm = ReadChoice("SizeType", search::kAtMost, std::size(kSizeTerms));
  s.sizeFrom = std::to_string(TheApp().ReadInt(kSection, "SizeFrom", 100));
  s.sizeTo = std::to_string(TheApp().ReadInt(kSection, "SizeTo", 1000));
  s.photos = ReadSwitch("Image", true);
  s.movies = ReadSwitch("Movie", false);
  s.inView = ReadSwitch("Current", false);
  // The pickers open on today.
  s.first = s.second = search::Today();
  histories_.names = ReadHistory("NameKey");
  histories_.memos = ReadHistory("MemoKey");
}

void CDlgSearch::ShowSettings() {
  const search::Conditions& s = settings_;
  const std::pair<UINT, bool> checks[] = {
      {res::kControlSearchName, s.name},     {res::kControlSearchDate, s.date},
      {res::kControlSearchSize, s.size},     {res::kControlSearchMemo, s.memo},
      {res::kControlSearchPhotos, s.photos}, {res::kControlSearchMovies, s.movies},
      {res::kControlSearchInView, s.inView},
  };
  for (const auto& [id, on] : checks) Check(id)->SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
  dateType_->SetCurSel(s.dateType);
  dateTerm_->SetCurSel(s.dateTerm);
  sizeTerm_->SetCurSel(s.sizeTerm);
  sizeFrom_->SetText(s.sizeFrom);
  sizeTo_->SetText(s.sizeTo);
  ShowDate(firstDate_, s.first);
  ShowDate(secondDate_, s.second);
  ShowHistory(nameText_, histories_.names);
  ShowHistory(memoText_, histories_.memos);
  nameText_->SetEditText(histories_.names.empty() ? Cp932String() : histories_.names.front());
  memoText_->SetEditText(histories_.memos.empty() ? Cp932String() : histories_.memos.front());
}

void CDlgSearch::WriteSettings() const {
  const search::Conditions s = ReadControls();
  CHarboPhotoApp& app = TheApp();
  const std::pair<const char*, bool> switches[] = {
      {"Name", s.name},    {"Date", s.date},    {"Size", s.size},      {"Memo", s.memo},
      {"Image", s.photos}, {"Movie", s.movies}, {"Current", s.inView},
  };
  for (const auto& [name, on] : switches) app.WriteInt(kSection, name, on ? 1 : 0);
  app.WriteInt(kSection, "DateType", s.dateType);
  app.WriteInt(kSection, "DateTerm", s.dateTerm);
  app.WriteInt(kSection, "SizeType", s.sizeTerm);
  app.WriteInt(kSection, "SizeFrom", std::atoi(s.sizeFrom.c_str()));
  app.WriteInt(kSection, "SizeTo", std::atoi(s.sizeTo.c_str()));
  WriteHistory("NameKey", histories_.names);
  WriteHistory("MemoKey", histories_.memos);
}

search::Conditions CDlgSearch::ReadControls() const {
  search::Conditions c;
  c.name = Ticked(res::kControlSearchName);
  c.date = Ticked(res::kControlSearchDate);
  c.size = Ticked(res::kControlSearchSize);
  c.memo = Ticked(res::kControlSearchMemo);
  c.photos = Ticked(res::kControlSearchPhotos);
  c.movies = Ticked(res::kControlSearchMovies);
  c.inView = Ticked(res::kControlSearchInView);
  c.nameText = nameText_->GetEditText();
  c.memoText = memoText_->GetEditText();
  c.dateType = dateType_->GetCurSel();
  c.dateTerm = dateTerm_->GetCurSel();
  c.sizeTerm = sizeTerm_->GetCurSel();
  c.first = DateOf(firstDate_);
  c.second = DateOf(secondDate_);
  c.sizeFrom = sizeFrom_->GetText();
  c.sizeTo = sizeTo_->GetText();
  return c;
}

// Each control takes part only while its condition is ticked and its choices need it.
void CDlgSearch::OnConditionChanged() {
  const bool date = Ticked(res::kControlSearchDate);
  const bool given = date && dateType_->GetCurSel() == search::kGivenDates;
  const bool size = Ticked(res::kControlSearchSize);
  nameText_->EnableWindow(Ticked(res::kControlSearchName));
  memoText_->EnableWindow(Ticked(res::kControlSearchMemo));
  dateType_->EnableWindow(date);
  firstDate_->EnableWindow(given);
  dateTerm_->EnableWindow(given);
  secondDate_->EnableWindow(given && dateTerm_->GetCurSel() == search::kBetween);
  sizeFrom_->EnableWindow(size);
  sizeTerm_->EnableWindow(size);
  sizeTo_->EnableWindow(size && sizeTerm_->GetCurSel() == search::kSizeBetween);
}

void CDlgSearch::OnSearch() {
  search::Conditions conditions = ReadControls();
  SearchCriteria criteria;
  const std::optional<search::Refusal> refusal =
      search::Build(conditions, search::Today(), histories_, &criteria);
  ShowHistory(nameText_, histories_.names);
  ShowHistory(memoText_, histories_.memos);
  sizeFrom_->SetText(conditions.sizeFrom);
  sizeTo_->SetText(conditions.sizeTo);
  if (refusal.has_value()) {
    Refuse(*refusal);
    return;
  }
  CMainFrame* frame = MainFrame();
  if (frame == nullptr) return;
  if (SuiteContext* context = suite::Context()) {
    indextree::AddSearchNode(context->indexTree);
    indextree::SelectByValue(context->indexTree, indextree::kSearch);
  }
  const LRESULT found =
      frame->SendMessage(CIdxIndexView::kMsgQuery, 0, reinterpret_cast<LPARAM>(&criteria));
  if (found > 0) Close(IDOK);
}

// The message, then the control it is about has the focus with its text selected.
void CDlgSearch::Refuse(const search::Refusal& refusal) {
  AlbumMessageBox(refusal.message, MB_ICONEXCLAMATION, this);
  switch (refusal.field) {
    case search::Field::kPhotos:
      Check(res::kControlSearchPhotos)->SetFocus();
      return;
    case search::Field::kName:
      nameText_->SetEditSel(0, -1);
      nameText_->SetFocus();
      return;
    case search::Field::kMemo:
      memoText_->SetEditSel(0, -1);
      memoText_->SetFocus();
      return;
    case search::Field::kSizeFrom:
    case search::Field::kSizeTo: {
      CEdit* edit = refusal.field == search::Field::kSizeFrom ? sizeFrom_ : sizeTo_;
      edit->SetSel(0, -1);
      edit->SetFocus();
      return;
    }
    case search::Field::kNone:
      return;
  }
}

// Enter searches.
LRESULT CDlgSearch::OnGetDefId(WPARAM /*w*/, LPARAM /*l*/) {
  return MAKELPARAM(static_cast<WORD>(res::kControlSearchRun), DC_HASDEFID);
}

void CDlgSearch::OnCancel() {
  Close(IDCANCEL);
}

// The settings are kept however the dialog ends.
void CDlgSearch::Close(intptr_t result) {
  WriteSettings();
  EndDialog(result);
}

CCheckBox* CDlgSearch::Check(UINT id) const {
  return dynamic_cast<CCheckBox*>(Control(id));
}

bool CDlgSearch::Ticked(UINT id) const {
  const CCheckBox* box = Check(id);
  return box != nullptr && box->GetCheck() == BST_CHECKED;
}
