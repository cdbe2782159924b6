#include "browse/CDlgConfList.h"

#include <cstdio>
#include <string>

#include "browse/CDlgProgMsg.h"
#include "host/CHarboPhotoApp.h"
#include "platform/gdi/CDC.h"
#include "platform/text/LocaleCompare.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/IconCtrl.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowFont.h"
#include "resources/DialogTemplates.h"
#include "ui/DrawResourceTables.h"

namespace {

// What each mode shows: title, icon, text ("%d" is the number of photos), the buttons'
// texts (no second text: one button only) and the default button.
struct ModeLook {
  const char* title;
  UINT icon;
  const char* text;
  const char* first;
  const char* second;
  UINT defaultId;
};

constexpr ModeLook kModes[] = {
    {"追加される写真の確認", IDI_INFORMATION, "以下%d枚の写真が追加されます。", "OK", nullptr,
     IDOK},
    {"削除する写真の確認", IDI_EXCLAMATION,
     "以下%d枚の写真を削除しますか？\r\n【注意】削除された写真は元に戻せません。", "はい", "いいえ",
     IDCANCEL},
    {"お気に入りを解除する写真の確認", IDI_INFORMATION,
     "以下%d枚の写真をお気に入りからはずしますか？\r\n", "はい", "いいえ", IDCANCEL},
    {"送信できない写真の確認", IDI_EXCLAMATION,
     "以下%d枚の写真は、ファイルサイズが大きいため、ケータイへ送ることができません。", "OK",
     "ｷｬﾝｾﾙ", IDOK},
};
constexpr int32_t kModeCount = static_cast<int32_t>(std::size(kModes));

constexpr int kClientWidth = 468;
constexpr int kClientHeight = 250;
// A single button stands in the middle; a pair keeps the layout's places.
constexpr RECT kSingleButton{191, 220, 276, 242};

// The name column takes what the date column and a scroll bar leave.
constexpr int kNameColumnSpare = 77;
constexpr int kDateColumnWidth = 75;

// The progress position moves after this many rows and at the end.
constexpr int kProgressStep = 128;

// The thumbnail is a bare picture cell (no captions) as large as its rectangle: the picture
// square and the cell's 8-pixel border.
constexpr int kThumbnailSize =
    CDlgConfList::kThumbnailRect.right - CDlgConfList::kThumbnailRect.left - 8;

// The column clicked last and its direction live as long as the process, so that the
// next list's first click on the same column turns the order round.
int g_sortColumn = -1;
bool g_sortAscending = true;

Cp932String WithCount(std::string_view utf8, int count) {
  std::string text(utf8);
  const size_t at = text.find("%d");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(count));
  return cp932::Lit(text);
}

CImageItem* ItemOf(LPARAM value) {
  return reinterpret_cast<CImageItem*>(value);
}

int Order(int32_t first, int32_t second) {
  return first < second ? -1 : (first > second ? 1 : 0);
}

}  // namespace

const MessageMap<CDlgConfList>& CDlgConfList::GetMessageMap() {
  static const MessageMap<CDlgConfList> map{
      .messages =
          {
              {WM_NOTIFY, &CDlgConfList::OnNotify},
              {DM_GETDEFID, &CDlgConfList::OnGetDefId},
          },
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgConfList, CCDialogExPh)

CDlgConfList::CDlgConfList(HWND parent) : CCDialogExPh(res::kDialogConfList, parent) {
  items_.SetImageSize(kThumbnailSize);
  items_.SetStyleBits(0);
}

CDlgConfList::~CDlgConfList() = default;

bool CDlgConfList::SetMode(int32_t mode) {
  if (mode < 0 || mode >= kModeCount) return false;
  mode_ = mode;
  return true;
}

void CDlgConfList::AddItem(CImageItem* item) {
  items_.Add(item);
}

intptr_t CDlgConfList::DoModal() {
  if (items_.count() > 0) return CCDialogExPh::DoModal();
  if (mode_ == kModeAdd) {
    AlbumMessageBox(cp932::Lit("アルバムに追加される写真はありません。"),
                    MB_OK | MB_ICONINFORMATION);
    return IDOK;
  }
  MessageBeep(static_cast<UINT>(-1));
  return IDCANCEL;
}

// The controls are this dialog's own, made from its layout here rather than by the base,
// which knows only texts and buttons.
BOOL CDlgConfList::OnInitDialog() {
  if (!CreateControls()) {
    EndDialog(IDCANCEL);
    return 1;
  }
  ShowMode();
  PlaceWindow();
  AddColumns();
  Fill();
  list_->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  list_->SelectItem(0);
  list_->SetFocus();
  return 1;
}

template <class Kind>
Kind* CDlgConfList::Made(UINT id) const {
  for (const auto& control : controls_)
    if (control->GetDlgCtrlID() == id) return dynamic_cast<Kind*>(control.get());
  return nullptr;
}

bool CDlgConfList::CreateControls() {
  controls_.clear();
  const res::DialogTemplate* t = res::FindDialogTemplate(templateId());
  if (t == nullptr) return false;
  for (const auto& control : t->controls)
    if (auto made = res::CreateControl(control, this)) controls_.push_back(std::move(made));
  // The controls write with the album's control font, as its other windows do.
  if (CDrawObject* draw = TheApp().drawObject())
    SetWindowFont(this, draw->GetFont(drawres::kCtrlFontIndex));
  list_ = Made<CListCtrl>(res::kControlConfList);
  icon_ = Made<CIconCtrl>(res::kControlConfIcon);
  text_ = Made<CStatic>(res::kControlConfText);
  first_ = Made<CButton>(IDOK);
  second_ = Made<CButton>(IDCANCEL);
  return list_ != nullptr && icon_ != nullptr && text_ != nullptr && first_ != nullptr &&
         second_ != nullptr;
}

void CDlgConfList::ShowMode() {
  const ModeLook& look = kModes[mode_];
  SetWindowText(cp932::Lit(look.title));
  icon_->SetStandardIcon(look.icon);
  text_->SetText(WithCount(look.text, items_.count()));
  first_->SetText(cp932::Lit(look.first));
  defaultId_ = look.defaultId;
  if (look.second != nullptr) {
    second_->SetText(cp932::Lit(look.second));
    return;
  }
  second_->ShowWindow(SW_HIDE);
  first_->MoveWindow(kSingleButton.left, kSingleButton.top,
                     kSingleButton.right - kSingleButton.left,
                     kSingleButton.bottom - kSingleButton.top);
}

// The client area takes its final size and is centred on the application's main window
// (the frame), or on the parent while there is none.
void CDlgConfList::PlaceWindow() {
  MoveWindow(0, 0, kClientWidth, kClientHeight, false);
  const HWND main = TheApp().mainWindow();
  CenterWindow(this, IsWindow(main) ? main : GetParent());
}

void CDlgConfList::AddColumns() {
  const RECT client = list_->GetClientRect();
  const int nameWidth =
      client.right - client.left - GetSystemMetrics(SM_CXVSCROLL) - kNameColumnSpare;
  list_->InsertColumn(0, cp932::Lit("写真名"), nameWidth);
  list_->InsertColumn(1, cp932::Lit("年.月.日"), kDateColumnWidth);
}

// One row per photo in the item list's order; the rows carry their items and the list
// asks for their texts when it shows them.
void CDlgConfList::Fill() {
  const int count = items_.count();
  CDlgProgMsg progress;
  progress.Create(this);
  progress.SetText(cp932::Lit("確認中です。しばらくおまちください。"));
  progress.SetRange(0, count);
  for (int row = 0; row < count; ++row) {
    list_->InsertItem(row, reinterpret_cast<LPARAM>(items_.At(row)));
    if ((row + 1) % kProgressStep == 0) progress.SetPos(row + 1);
  }
  progress.SetPos(count);
  progress.Destroy();
}

LRESULT CDlgConfList::OnGetDefId(WPARAM /*w*/, LPARAM /*l*/) {
  return MAKELPARAM(static_cast<WORD>(defaultId_), DC_HASDEFID);
}

LRESULT CDlgConfList::OnNotify(WPARAM /*w*/, LPARAM l) {
  auto* header = reinterpret_cast<NMHDR*>(l);
  if (header == nullptr || list_ == nullptr || header->hwndFrom != list_) return 0;
  switch (header->code) {
    case LVN_GETDISPINFO: {
      auto* info = static_cast<NMLVDISPINFO*>(header);
      if (const CImageItem* item = ItemOf(info->lParam))
        info->text = CellText(*item, info->iSubItem);
      return 0;
    }
    case LVN_COLUMNCLICK:
      SortByColumn(static_cast<NMLISTVIEW*>(header)->iSubItem);
      return 0;
    case LVN_ITEMCHANGED:
      // Another row may have the focus now: its photo is painted beside the list.
      Invalidate();
      return 0;
    default:
      return 0;
  }
}

// Column 0 shows the source name of a photo to be added and the file name otherwise;
// column 1 the shooting date.
Cp932String CDlgConfList::CellText(const CImageItem& item, int column) const {
  const CPhotoItem* record = item.record();
  if (record == nullptr) return {};
  if (column == 0)
    return mode_ == kModeAdd ? record->sourceName() : Cp932String(record->fileName());
  char date[32];
  std::snprintf(date, sizeof date, "%04d.%02d.%02d", record->year(), record->month(),
                record->day());
  return date;
}

// A click on the column clicked last turns its order round; another column sorts
// ascending. The rows of photos that cannot be sent are sorted like the others: the
// header shows an arrow, and rows that did not follow it would only puzzle the user.
void CDlgConfList::SortByColumn(int column) {
  const bool ascending = column == g_sortColumn ? !g_sortAscending : true;
  g_sortColumn = column;
  g_sortAscending = ascending;
  list_->SortItems([this, column, ascending](LPARAM first, LPARAM second) {
    const CImageItem* a = ItemOf(first);
    const CImageItem* b = ItemOf(second);
    if (a == nullptr || b == nullptr) return 0;
    const int order = Compare(*a, *b, column);
    return ascending ? order : -order;
  });
  list_->SetSortArrow(column, ascending);
}

// Names compare as the user's language orders them (the text the column shows); dates by
// their date numbers, then their time numbers.
int CDlgConfList::Compare(const CImageItem& first, const CImageItem& second, int column) const {
  if (column == 0) return cp932::LocaleCompare(CellText(first, 0), CellText(second, 0));
  const int byDate = Order(first.DateNumber(), second.DateNumber());
  return byDate != 0 ? byDate : Order(first.TimeNumber(), second.TimeNumber());
}

CImageItem* CDlgConfList::FocusedItem() const {
  if (list_ == nullptr) return nullptr;
  return ItemOf(list_->GetItemData(list_->GetFocusedItem()));
}

// The toolkit erases the background of the whole client area before this; the rectangle
// then shows the focused row's photo.
void CDlgConfList::OnPaint() {
  CPaintDC dc(this);
  const CImageItem* item = FocusedItem();
  if (item == nullptr) return;
  items_.style().DrawItem(dc, *item, kThumbnailRect.left, kThumbnailRect.top);
}
