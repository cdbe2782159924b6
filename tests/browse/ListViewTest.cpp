// The list view inside the frame, driven as the frame and a person would: header clicks,
// rows selected in the list, keys, drags and the switch back to thumbnails.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTableView>

#include "browse/CHarboPhotoListView.h"
#include "host/CMainFrame.h"
#include "platform/shell/DragDrop.h"
#include "platform/shell/Shell.h"
#include "platform/win/QtBridge.h"
#include "resources/CommandIds.h"
#include "slideshow/CDlgImagePreview.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/support/FrameFixture.h"

namespace {

class ListView : public FrameFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(FrameFixture::SetUp());
    fileio::CreateFolderPath(album_ + "/Pc", false);
  }
  void TearDown() override {
    shell::SetDragResponderForTest(nullptr);
    shell::SetLauncherForTest(nullptr);
    FrameFixture::TearDown();
  }

  // A photo (or movie) file of that many bytes in the album, and its record.
  CPhotoItem* Photo(const std::string& name, size_t bytes, uint32_t flags = 4 | 8) {
    const std::string path = album_ + "/Pc/" + name;
    WriteBytes(path, std::string(bytes, 'x'));
    PhotoFileRecord record = RecordFor(path, flags);
    record.size = static_cast<int32_t>(bytes);
    return Library().AddRecord(record, nullptr);
  }

  // The frame shows its list view from the start.
  void AfterInstall() override { Command(cmd::kSwitchView); }
  CHarboPhotoListView& List() { return Frame().listView(); }
  CListCtrlEx& Rows() { return List().GetListCtrl(); }

  std::vector<std::string> RowTitles() {
    std::vector<std::string> titles;
    for (int row = 0; row < Rows().GetItemCount(); ++row)
      titles.push_back(Rows().GetItemText(row, 0));
    return titles;
  }
  std::vector<std::string> SetTitles() {
    std::vector<std::string> titles;
    for (const CImageItem* item : MainFrame()->items().items()) titles.push_back(item->title());
    return titles;
  }
  std::vector<std::string> MarkedTitles() {
    std::vector<std::string> titles;
    for (const CImageItem* item : MainFrame()->items().items())
      if (item->selected() != 0) titles.push_back(item->title());
    return titles;
  }
  void Key(Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(QtBridge::WidgetOf(&Rows())->findChild<QTableView*>(), &press);
  }
};

}  // namespace

TEST_F(ListView, ShowsSizesInWholeKilobytesTheDateWithTwoBlanksAndTheFilesIcon) {
  Photo("empty.jpg", 0);
  Photo("one.jpg", 1);
  Photo("full.jpg", 1024);
  Photo("over.jpg", 1025);
  Command(cmd::kSortName);
  List();
  EXPECT_EQ(RowTitles(), (std::vector<std::string>{"empty", "full", "one", "over"}));
  EXPECT_EQ(Rows().GetItemText(0, 1), "0KB");
  EXPECT_EQ(Rows().GetItemText(1, 1), "1KB");
  EXPECT_EQ(Rows().GetItemText(2, 1), "1KB");
  EXPECT_EQ(Rows().GetItemText(3, 1), "2KB");
  EXPECT_EQ(Rows().GetItemText(0, 2), "2024/05/17  09:30:00");
  EXPECT_GE(Rows().GetItemImage(0), 0);
  EXPECT_EQ(Rows().GetColumnHeading(2), cp932::Lit("携帯日時"));
  EXPECT_EQ(Rows().GetColumnFormat(1), LVCFMT_RIGHT);
  EXPECT_EQ(Rows().GetColumnWidth(3), 320);
}

TEST_F(ListView, ClickingSizeTwiceSortsUpThenDownAndTheThumbnailsKeepOrderSelectionAndFocus) {
  Photo("b.jpg", 3000);
  Photo("a.jpg", 10);
  const CPhotoItem* c = Photo("c.jpg", 200);
  List();
  const int row = Rows().FindItem(reinterpret_cast<LPARAM>(List().ItemOfRecord(c)));
  Rows().SetItemState(row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  CImageItem* focused = MainFrame()->items().FocusedItem();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->title(), "c");

  Rows().ClickColumn(CHarboPhotoListView::kColumnSize);
  EXPECT_EQ(RowTitles(), (std::vector<std::string>{"a", "c", "b"}));
  EXPECT_EQ(MainFrame()->sort(), 3u);
  EXPECT_EQ(List().header().sortColumn(), CHarboPhotoListView::kColumnSize);
  EXPECT_TRUE(List().header().ascending());
  Rows().ClickColumn(CHarboPhotoListView::kColumnSize);
  EXPECT_EQ(RowTitles(), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_EQ(SetTitles(), RowTitles());
  EXPECT_EQ(MainFrame()->sort(), 0x80000003u);
  EXPECT_FALSE(List().header().ascending());
  // The frame's sort command sorts the rows too: date ascending keeps the order of equals.
  Command(cmd::kSortName);
  EXPECT_EQ(RowTitles(), (std::vector<std::string>{"a", "b", "c"}));
  Rows().ClickColumn(CHarboPhotoListView::kColumnSize);
  Rows().ClickColumn(CHarboPhotoListView::kColumnSize);

  Command(cmd::kSwitchView);
  ASSERT_TRUE(MainFrame()->thumbnailShown());
  EXPECT_EQ(SetTitles(), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_EQ(MarkedTitles(), std::vector<std::string>{"c"});
  EXPECT_EQ(MainFrame()->items().FocusedItem(), focused);
  EXPECT_EQ(TheApp().library()->currentPhoto(), focused->record());
  // And back: the rows come in the set's order with the same row focused and selected.
  Command(cmd::kSwitchView);
  EXPECT_EQ(RowTitles(), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_EQ(Rows().GetItemState(1, LVIS_FOCUSED | LVIS_SELECTED), LVIS_FOCUSED | LVIS_SELECTED);
  EXPECT_EQ(Rows().GetSelectedCount(), 1);
}

TEST_F(ListView, RowSelectionsKeepTheSetsMarksAndTheHostsStatusText) {
  Photo("a.jpg", 1);
  Photo("b.jpg", 2);
  Photo("c.jpg", 3);
  Command(cmd::kSortName);
  List();
  Rows().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  Rows().SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(MarkedTitles(), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(suite_.host.statusTexts.back(), cp932::Lit("3枚中 2枚選択されています。"));
  Rows().SetItemState(0, 0, LVIS_SELECTED);
  EXPECT_EQ(MarkedTitles(), std::vector<std::string>{"c"});

  Command(cmd::kSelectAll);
  EXPECT_EQ(MarkedTitles(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(suite_.host.statusTexts.back(), cp932::Lit("3枚中 3枚選択されています。"));
  // Marks another part of the album changed come back into the rows.
  MainFrame()->items().At(1)->SetSelected(0);
  List().RefreshSelection();
  EXPECT_EQ(Rows().GetSelectedCount(), 2);
  EXPECT_EQ(Rows().GetItemState(1, LVIS_SELECTED), 0u);
}

TEST_F(ListView, EnterOpensAMovieDeleteAsksTheFrameAndADragOffersTheSelectedFiles) {
  Photo("a.jpg", 1);
  CPhotoItem* movie = Photo("m.3gp", 5, 2 | 8);
  Command(cmd::kSortName);
  List();
  std::vector<std::string> launched;
  shell::SetLauncherForTest([&](const std::string& target) {
    launched.push_back(target);
    return true;
  });
  int previews = 0;
  win::SetDialogResponder([&](CDialog& d) {
    previews += dynamic_cast<CDlgImagePreview*>(&d) != nullptr ? 1 : 0;
    return IDCANCEL;
  });
  Rows().SetItemState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  Key(Qt::Key_Return);
  EXPECT_TRUE(launched.empty()) << "a still photo opens no program";
  EXPECT_EQ(previews, 1) << "a still photo opens the preview";
  Rows().SetItemState(-1, 0, LVIS_SELECTED);
  Rows().SetItemState(1, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  Key(Qt::Key_Return);
  EXPECT_EQ(launched, std::vector<std::string>{movie->path()});

  boxAnswer_ = IDNO;
  Key(Qt::Key_Delete);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "削除してよろしいですか？");
  EXPECT_EQ(Rows().GetItemCount(), 2);

  std::vector<Cp932String> offered;
  DWORD allowed = 0;
  HWND source = nullptr;
  shell::SetDragResponderForTest([&](const shell::ClipboardFiles& files, DWORD effects) {
    offered = files.paths;
    allowed = effects;
    source = TheApp().dragSource();
    return DROPEFFECT_COPY;
  });
  NMLISTVIEW drag;
  drag.hwndFrom = &Rows();
  drag.code = LVN_BEGINDRAG;
  drag.iItem = 1;
  List().SendMessage(WM_NOTIFY, CListViewEx::kListId, reinterpret_cast<LPARAM>(&drag));
  EXPECT_EQ(offered, (std::vector<Cp932String>{movie->path()}));
  EXPECT_EQ(allowed, DROPEFFECT_COPY);
  EXPECT_EQ(source, &List());
  EXPECT_EQ(TheApp().dragSource(), nullptr);
}
