// The index: the categories of the host's tree and the panel's entries with their counts,
// the queries the panel sends, the favourite rename with its name dialog, and the tree and
// the panel kept in step by the frame.
#include <gtest/gtest.h>

#include "browse/CDlgNameEdit.h"
#include "browse/CIdxIndexView.h"
#include "browse/IndexQuery.h"
#include "browse/IndexTree.h"
#include "host/CMainFrame.h"
#include "platform/win/Edit.h"
#include "platform/win/TreeCtrl.h"
#include "resources/CommandIds.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/support/FrameFixture.h"
#include "tests/support/HostIndexTree.h"

namespace {

using cp932::Lit;
using Lines = std::vector<std::string>;

// A field of the packed query, read by value.
int64_t Num(int64_t value) {
  return value;
}

// Stands in for the frame: keeps the queries and notices the panel sends it.
class QueryRecorder : public CWnd {
 public:
  std::vector<SearchCriteria> queries;
  int renamed = 0;

  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == CIdxIndexView::kMsgQuery)
      queries.push_back(*reinterpret_cast<SearchCriteria*>(l));
    if (message == CIdxIndexView::kMsgFavouriteRenamed) ++renamed;
    return CWnd::WindowProc(message, w, l);
  }
};

class IndexPanel : public FrameFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(FrameFixture::SetUp());
    fileio::CreateFolderPath(album_ + "/Pc", false);
    ASSERT_TRUE(hostTree_.Connect(suite_.context));
  }
  void TearDown() override {
    DestroyFrame();
    hostTree_.Disconnect();
    FrameFixture::TearDown();
  }

  CPhotoItem* Photo(const std::string& name, int year, int month, uint32_t favourites = 0,
                    uint32_t flags = 4 | 8, uint16_t combo = 0) {
    const std::string path = album_ + "/Pc/" + name;
    WriteBytes(path, "jpeg " + name);
    PhotoFileRecord record = RecordFor(path, flags);
    record.year = static_cast<uint16_t>(year);
    record.month = static_cast<uint16_t>(month);
    record.favourites = favourites;
    record.comboNumber = combo;
    return Library().AddRecord(record, nullptr);
  }

  // The album of most cases: two years, favourites 1 and 3, one burst composite.
  void FillAlbum() {
    Photo("a.jpg", 2023, 5);
    Photo("b.jpg", 2024, 5, 0x1);
    Photo("c.jpg", 2024, 5);
    Photo("d.jpg", 2024, 12, 0x5);
    Photo("e.jpg", 2024, 12, 0, 0x20000 | 4 | 8, 1);
    Library().Recount();
  }

  // What the host does on the tree setting, before the window's creation.
  void BeforeInstall() override {
    indextree::Build(&tree_, indextree::CategoriesOf(&Library()), TheApp().RememberedCategory());
  }
  // The frame made and shown, as the host makes and shows it.
  CMainFrame& Start() {
    Frame();
    suite_.host.ShowWindow(SW_SHOW);
    MainFrame()->ShowWindow(SW_SHOW);
    return *MainFrame();
  }

  static std::vector<std::string> RowsOf(const CIdxCtrl& list) {
    std::vector<std::string> rows;
    for (int i = 0; i < list.GetCount(); ++i)
      rows.push_back(cp932::ToUtf8Lossy(list.GetItemText(i)));
    return rows;
  }

  std::vector<std::string> Nodes() const {
    std::vector<std::string> nodes;
    for (int i = 0; i < tree_.GetCount(); ++i)
      nodes.push_back(cp932::ToUtf8Lossy(tree_.GetItemText(tree_.GetItemAt(i))));
    return nodes;
  }

  void SelectNode(LPARAM value) { ASSERT_TRUE(indextree::SelectByValue(&tree_, value)); }

  // A click and a double click on a row of the list, as the mouse makes them.
  static void Click(CIdxCtrl& list, int row) {
    SendMessage(&list, WM_LBUTTONDOWN, 0, MAKELPARAM(5, row * CIdxCtrl::kItemHeight + 5));
  }
  static void DoubleClick(CIdxCtrl& list, int row) {
    SendMessage(&list, WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, row * CIdxCtrl::kItemHeight + 5));
  }

  HostIndexTree hostTree_;
  CTreeCtrl& tree_ = hostTree_.tree();
};

TEST_F(IndexPanel, ListsEveryCategorysEntriesWithTheLibrarysCounts) {
  FillAlbum();
  Library().SetFavouriteName(3, Lit("旅行"));
  CIdxIndexView& panel = Start().indexView();
  EXPECT_EQ(Nodes(), (Lines{"全て", "2023年", "2024年", "お気に入り", "連続"}));
  EXPECT_EQ(RowsOf(panel), Lines{"全て (5)"});
  SelectNode(2024);
  EXPECT_EQ(RowsOf(panel), (Lines{"全て (4)", "5月 (2)", "12月 (2)"}));
  SelectNode(indextree::kFavourites);
  const Lines favourites = RowsOf(panel);
  ASSERT_EQ(favourites.size(), 13u) << "全て and every slot, empty or not";
  EXPECT_EQ(favourites[0], "全て (2)");
  EXPECT_EQ(favourites[1], "お気に入り1 (2)");
  EXPECT_EQ(favourites[2], "お気に入り2 (0)");
  EXPECT_EQ(favourites[3], "旅行 (1)");
  EXPECT_EQ(favourites[12], "お気に入り12 (0)");
  SelectNode(indextree::kBurst);
  EXPECT_EQ(RowsOf(panel), Lines{"全て (1)"});
  // The icons are the sprite's cells: the three looks differ, and months have their own.
  const CIdxCtrl::IconCells all = CIdxIndexCtrl::IconsOf(indexentries::Kind::kAll);
  const CIdxCtrl::IconCells month = CIdxIndexCtrl::IconsOf(indexentries::Kind::kMonth);
  ASSERT_NE(all.normal, nullptr);
  EXPECT_NE(all.hover, all.normal);
  EXPECT_NE(all.selected, all.normal);
  EXPECT_NE(month.normal, all.normal);
}

// The panel talks to a stand-in frame here, so that every query it sends is seen.
TEST_F(IndexPanel, SendsTheQueryOfTheEntryOnlyWhenTheEntryChanges) {
  FillAlbum();
  QueryRecorder frame;
  ASSERT_TRUE(frame.Create("frame", 0, RECT{0, 0, 200, 400}, nullptr));
  CIdxIndexView panel;
  ASSERT_TRUE(panel.Create(&frame, 1, &frame));
  panel.MoveWindow(0, 0, 160, 400);
  panel.SelectCategory(2024);
  ASSERT_EQ(frame.queries.size(), 1u);
  EXPECT_EQ(Num(frame.queries[0].tests), 0x51);
  EXPECT_EQ(Num(frame.queries[0].kindMask), 6);
  EXPECT_EQ(Num(frame.queries[0].earliest[0]), 2024);
  EXPECT_EQ(Num(frame.queries[0].latest[1]), 12);
  Click(panel, 2);
  Click(panel, 2);
  ASSERT_EQ(frame.queries.size(), 2u) << "the same entry again sends nothing";
  EXPECT_EQ(panel.currentEntry(), 12);
  EXPECT_EQ(Num(frame.queries[1].earliest[1]), 12);
  EXPECT_EQ(Num(frame.queries[1].latest[2]), 31);

  panel.SelectCategory(indextree::kFavourites);
  ASSERT_EQ(frame.queries.size(), 3u);
  EXPECT_EQ(Num(frame.queries[2].tests), 0x61);
  EXPECT_EQ(Num(frame.queries[2].kindMask), 0x20007);
  EXPECT_EQ(Num(frame.queries[2].favouriteMask), 0xFFF);
  Click(panel, 3);
  EXPECT_EQ(Num(frame.queries.back().favouriteMask), 0x4);
  panel.SelectCategory(2024);
  EXPECT_EQ(panel.currentEntry(), 12) << "the year's entry is remembered";
  EXPECT_EQ(Num(frame.queries.back().earliest[1]), 12);
  const size_t sent = frame.queries.size();
  panel.SelectCategory(indextree::kSearch);
  panel.SelectCategory(indextree::kSetAside);
  ASSERT_EQ(frame.queries.size(), sent + 1) << "the search sends its own query";
  EXPECT_EQ(Num(frame.queries.back().tests), 0x40);
  EXPECT_EQ(Num(frame.queries.back().wantedSetAside), 1);
  frame.DestroyWindow();
}

TEST_F(IndexPanel, RenamesAFavouriteByDoubleClickThroughTheNameDialog) {
  FillAlbum();
  QueryRecorder frame;
  ASSERT_TRUE(frame.Create("frame", 0, RECT{0, 0, 200, 400}, nullptr));
  CIdxIndexView panel;
  ASSERT_TRUE(panel.Create(&frame, 1, &frame));
  panel.MoveWindow(0, 0, 160, 400);
  panel.SelectCategory(indextree::kFavourites);
  int dialogs = 0;
  std::vector<std::string> captions;
  win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
    ++dialogs;
    auto& names = dynamic_cast<CDlgNameEdit&>(dialog);
    captions.push_back(cp932::ToUtf8Lossy(names.GetWindowText()));
    EXPECT_EQ(names.edit()->limitText(), 32u);
    EXPECT_EQ(names.edit()->GetText(), Lit("お気に入り2"));
    for (const char* refused : {"  　", "お気に入り3"}) {
      names.edit()->SetText(Lit(refused));
      names.SendMessage(WM_COMMAND, IDOK, 0);
      EXPECT_FALSE(names.ended()) << refused;
    }
    names.edit()->SetText(Lit(" 家族 "));
    names.SendMessage(WM_COMMAND, IDOK, 0);
    return 0;
  });
  DoubleClick(panel, 0);
  EXPECT_EQ(dialogs, 0) << "全て is no favourite";
  DoubleClick(panel, 2);
  ASSERT_EQ(dialogs, 1);
  EXPECT_EQ(captions[0], "\"お気に入り2\"の変更");
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].text, "名前を入力してください。");
  EXPECT_EQ(boxes_[1].text, "指定された名前は既に存在します。\n別の名前を指定してください。");
  EXPECT_EQ(Library().FavouriteName(2), Lit("家族"));
  EXPECT_EQ(TheApp().ReadText("Favorite", "Name2", ""), Lit("家族")) << "the name is saved";
  EXPECT_EQ(panel.GetItemText(2), Lit("家族 (0)"));
  EXPECT_EQ(frame.renamed, 1);

  // Its own name is not in use: keeping it is accepted.
  win::SetDialogResponder([](CDialog& dialog) -> intptr_t {
    dialog.SendMessage(WM_COMMAND, IDOK, 0);
    return 0;
  });
  EXPECT_TRUE(panel.RenameFavourite(2));
  EXPECT_EQ(boxes_.size(), 2u);
  frame.DestroyWindow();
}

TEST_F(IndexPanel, TheFrameKeepsTheTreeAndThePanelInStep) {
  FillAlbum();
  TheApp().WriteInt("IndexView", "TabCurrent", 1999);
  CMainFrame& frame = Start();
  CIdxIndexView& panel = frame.indexView();
  EXPECT_EQ(indextree::SelectedValue(&tree_), indextree::kAll) << "no node has 1999";
  EXPECT_EQ(panel.currentCategory(), indextree::kAll);
  EXPECT_EQ(frame.items().count(), 5);

  // Two searches leave one search node; selecting another node takes it away.
  for (int search = 0; search < 2; ++search) {
    indextree::AddSearchNode(&tree_);
    SelectNode(indextree::kSearch);
    SearchCriteria query = indexquery::For(indextree::kAll, 0);
    query.report = 1;
    frame.SendMessage(CIdxIndexView::kMsgQuery, 0, reinterpret_cast<LPARAM>(&query));
  }
  EXPECT_EQ(Nodes().back(), "検索結果");
  EXPECT_EQ(Nodes().size(), 6u);
  EXPECT_EQ(RowsOf(panel), Lines{"検索結果 (5)"});
  EXPECT_EQ(panel.GetCurSel(), -1);
  SelectNode(2023);
  EXPECT_EQ(Nodes().size(), 5u);
  EXPECT_EQ(frame.items().count(), 1);

  // The host shows a photo: its year and its month.
  const std::string path = album_ + "/Pc/d.jpg";
  EXPECT_EQ(frame.SendMessage(kHostMsgShowPhoto, 0, reinterpret_cast<LPARAM>(path.c_str())), 0);
  EXPECT_EQ(indextree::SelectedValue(&tree_), 2024);
  EXPECT_EQ(panel.currentEntry(), 12);
  EXPECT_EQ(frame.items().count(), 2);

  // Renaming a favourite is offered only on a favourite of the favourites.
  const auto renameEnabled = [&] {
    CCmdUI ui(cmd::kRenameFavourite);
    frame.OnCmdMsg(cmd::kRenameFavourite, &ui);
    return ui.enabled();
  };
  EXPECT_FALSE(renameEnabled());
  SelectNode(indextree::kFavourites);
  EXPECT_FALSE(renameEnabled());
  Click(panel, 1);
  EXPECT_TRUE(renameEnabled());

  // Deleting the only photo of 2023 takes its node away; the panel stays where it was and
  // a category without a node falls back to "全て".
  SelectNode(2023);
  for (CImageItem* item : frame.items().items()) item->SetSelected(1);
  boxAnswer_ = IDYES;
  win::SetDialogResponder([](CDialog&) -> intptr_t { return 1; });
  frame.SendMessage(WM_COMMAND, cmd::kDelete, 0);
  EXPECT_EQ(Nodes(), (Lines{"全て", "2024年", "お気に入り", "連続"}));
  EXPECT_EQ(indextree::SelectedValue(&tree_), indextree::kAll);
  EXPECT_EQ(panel.currentCategory(), indextree::kAll);
  EXPECT_EQ(RowsOf(panel), Lines{"全て (4)"});
}

}  // namespace
