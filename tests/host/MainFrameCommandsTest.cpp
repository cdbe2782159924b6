// The frame's panes, settings and commands, driven as the host and a person would: commands
// through WM_COMMAND, answers through the responders.
#include <gtest/gtest.h>

#include "browse/CDlgRename.h"
#include "browse/IndexTree.h"
#include "host/CMainFrame.h"
#include "library/AlbumDatabase.h"
#include "platform/shell/Clipboard.h"
#include "platform/win/Edit.h"
#include "platform/win/PopupMenu.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/support/FrameFixture.h"

namespace {

class MainFrameCommands : public FrameFixture {
 protected:
  // A photo file in the album and its record.
  CPhotoItem* Photo(const std::string& name, uint32_t favourites = 0) {
    const std::string path = album_ + "/Pc/" + name;
    fileio::CreateFolderPath(album_ + "/Pc", false);
    WriteBytes(path, "jpeg " + name);
    PhotoFileRecord record = RecordFor(path, 4 | 8);
    record.favourites = favourites;
    return Library().AddRecord(record, nullptr);
  }

  // Selects the items whose titles are given.
  void Select(std::initializer_list<const char*> titles) {
    for (CImageItem* item : Frame().items().items())
      for (const char* title : titles)
        if (item->title() == title) item->SetSelected(1);
  }

  std::vector<std::string> Titles() {
    std::vector<std::string> titles;
    for (const CImageItem* item : Frame().items().items()) titles.push_back(item->title());
    std::sort(titles.begin(), titles.end());
    return titles;
  }

  // Answers every message box with the button and the confirmation list with an answer.
  void Answer(int box, intptr_t list) {
    boxAnswer_ = box;
    win::SetDialogResponder([this, list](CDialog&) -> intptr_t {
      ++listsShown_;
      return list;
    });
  }

  std::string Box(size_t i) const { return i < boxes_.size() ? boxes_[i].text : ""; }

  int listsShown_ = 0;
};

TEST_F(MainFrameCommands, StartsWithTheDefaultsAndWritesTheViewSettingsBack) {
  Photo("a.jpg");
  CMainFrame& frame = Frame();
  EXPECT_TRUE(frame.thumbnailShown());
  EXPECT_FALSE(frame.listShown());
  EXPECT_TRUE(frame.easyPrintShown()) << "the PDF printer makes printing always available";
  EXPECT_TRUE(frame.indexShown());
  EXPECT_EQ(frame.sort(), 2u);
  EXPECT_EQ(frame.imageSize(), 160);
  EXPECT_EQ(frame.imageStyle(), 14);
  EXPECT_EQ(frame.items().count(), 1) << "the index starts on all photos";
  EXPECT_EQ(frame.thumbnailView().items(), &frame.items());

  Command(cmd::kSortName);
  Command(cmd::kSizeSmall);
  Command(cmd::kCaptionMemo);
  Command(cmd::kSwitchView);
  EXPECT_TRUE(frame.listShown());
  EXPECT_EQ(frame.listView().items(), &frame.items());
  EXPECT_EQ(frame.thumbnailView().items(), nullptr);
  Command(cmd::kToggleEasyPrint);
  frame.SaveSettings(false);
  frame.DestroyWindow();

  CMainFrame& again = Frame();
  EXPECT_TRUE(again.listShown());
  EXPECT_FALSE(again.easyPrintShown());
  EXPECT_EQ(again.sort(), 1u);
  EXPECT_EQ(again.imageSize(), 80);
  EXPECT_EQ(again.imageStyle(), 6);
  EXPECT_EQ(TheApp().ReadInt("Main", "DispList", -1), 1);
}

TEST_F(MainFrameCommands, SortingByTheSameKeyTwiceTurnsTheOrderRound) {
  Photo("b.jpg");
  Photo("A.jpg");
  Photo("c.jpg");
  Command(cmd::kSortName);
  EXPECT_EQ(Frame().items().At(0)->title(), "A");
  EXPECT_TRUE(State(cmd::kSortName).radio());
  Command(cmd::kSortName);
  EXPECT_EQ(Frame().sort(), 0x80000001u);
  EXPECT_EQ(Frame().items().At(0)->title(), "c");
  Command(cmd::kSortDate);
  EXPECT_EQ(Frame().sort(), 2u);
}

TEST_F(MainFrameCommands, DeletingAskesListsAndRemovesFilesRecordsAndTallies) {
  CPhotoItem* gone = Photo("gone.jpg");
  const std::string path = gone->path();
  Photo("kept.jpg");
  Photo("other.jpg");
  Select({"gone", "other"});
  Answer(IDNO, 1);
  Command(cmd::kDelete);
  EXPECT_EQ(listsShown_, 0) << "no means nothing happens";
  Answer(IDYES, 2);
  Command(cmd::kDelete);
  EXPECT_EQ(listsShown_, 1);
  EXPECT_EQ(Titles().size(), 3u) << "the list answered no";

  Answer(IDYES, 1);
  Command(cmd::kDelete);
  EXPECT_EQ(Box(0), "削除してよろしいですか？");
  EXPECT_EQ(Titles(), std::vector<std::string>{"kept"});
  EXPECT_EQ(Library().count(), 1);
  EXPECT_FALSE(fileio::Exists(path));
  CPhotoManager reread;
  const Cp932String db = TheApp().DatabasePath();
  ASSERT_EQ(reread.LoadAlbum(&db), 1);
  EXPECT_EQ(reread.count(), 1) << "the library was saved";
  EXPECT_EQ(suite_.Entries(), 0) << "the file operation has ended";
}

TEST_F(MainFrameCommands, FavouritesAreNeverDeletedAndAnEmptyListBeeps) {
  Photo("fav.jpg", 0x1);
  Photo("plain.jpg");
  Select({"fav"});
  Answer(IDYES, 1);
  const int beeps = win::BeepCountForTest();
  Command(cmd::kDelete);
  EXPECT_EQ(Box(1), "お気に入りの写真は削除できません。");
  EXPECT_EQ(listsShown_, 0) << "nothing to list";
  EXPECT_EQ(win::BeepCountForTest(), beeps + 1);
  EXPECT_EQ(Library().count(), 2);

  Select({"plain"});
  Command(cmd::kDelete);
  EXPECT_EQ(listsShown_, 1);
  EXPECT_EQ(Titles(), std::vector<std::string>{"fav"});
}

TEST_F(MainFrameCommands, DeletingInTheFavouritesOnlyTakesTheFavouriteAway) {
  Photo("one.jpg", 0x1);
  Photo("two.jpg", 0x3);
  ASSERT_EQ(Library().SaveAlbum(), 1);
  const std::string saved = ReadBytes(TheApp().DatabasePath());
  Frame().indexView().SelectCategory(indextree::kFavourites);
  ASSERT_EQ(Frame().items().count(), 2);
  Select({"one", "two"});
  Answer(IDOK, 1);
  Command(cmd::kDelete);
  EXPECT_EQ(Box(0), "お気に入りからはずしてよろしいですか？");
  EXPECT_EQ(listsShown_, 0);
  EXPECT_EQ(Library().count(), 2) << "no photo leaves the album";
  for (const CPhotoItem* record : Library().items()) EXPECT_EQ(record->favourites(), 0u);
  EXPECT_TRUE(Titles().empty());
  EXPECT_EQ(ReadBytes(TheApp().DatabasePath()), saved) << "not saved by the removal";
}

TEST_F(MainFrameCommands, NothingToDeleteIsToldOrBeepedWhileATransferRuns) {
  Answer(IDYES, 1);
  Command(cmd::kDelete);
  EXPECT_EQ(Box(0), "写真がありません。");
  Photo("a.jpg");
  Frame().ApplyIndexAgain();
  Command(cmd::kDelete);
  EXPECT_EQ(Box(1), "写真を選択してください。");
  Frame().SetTransfer(1);
  const int beeps = win::BeepCountForTest();
  Command(cmd::kDelete);
  EXPECT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(win::BeepCountForTest(), beeps + 1);
}

TEST_F(MainFrameCommands, CommandsFollowTheSelectionTheTransferAndTheVisibleView) {
  Photo("a.jpg");
  EXPECT_FALSE(State(cmd::kDelete).enabled());
  EXPECT_FALSE(State(cmd::kCopy).enabled());
  EXPECT_TRUE(State(cmd::kSelectAll).enabled());
  Command(cmd::kSelectAll);
  EXPECT_TRUE(State(cmd::kDelete).enabled());
  EXPECT_TRUE(State(cmd::kCopy).enabled());
  Frame().SetTransfer(1);
  EXPECT_FALSE(State(cmd::kDelete).enabled()) << "deleting waits for the transfer";
  Frame().SetTransfer(0);
  EXPECT_TRUE(State(cmd::kInsertIntoEasyPrint).enabled());
  EXPECT_FALSE(State(cmd::kPrint).enabled()) << "nothing placed yet";
  Command(cmd::kInsertIntoEasyPrint);
  EXPECT_TRUE(State(cmd::kPrint).enabled());
  Command(cmd::kToggleEasyPrint);
  EXPECT_FALSE(State(cmd::kToggleEasyPrint).checked());
  EXPECT_FALSE(State(cmd::kInsertIntoEasyPrint).enabled()) << "the panel is hidden";
}

TEST_F(MainFrameCommands, TheViewsContextMenusCarryTheFramesCommandsAndTheirStates) {
  Photo("a.jpg");
  Photo("b.jpg");
  UINT answer = cmd::kSelectAll;
  std::vector<UINT> firstItems;
  win::SetPopupMenuResponder([&](const CMenu& menu, POINT) {
    firstItems.push_back(menu.GetMenuItemID(0));
    return answer;
  });
  CHarboPhotoView& view = Frame().thumbnailView();
  const LPARAM fromKeyboard = MAKELPARAM(0xFFFF, 0xFFFF);
  view.SendMessage(WM_CONTEXTMENU, 0, fromKeyboard);
  EXPECT_EQ(Frame().items().SelectedCount(), 2) << "the space menu's select all reached the frame";
  answer = cmd::kRename;
  std::string renaming;
  win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
    if (auto* rename = dynamic_cast<CDlgRename*>(&dialog)) renaming = rename->edit()->GetText();
    return IDCANCEL;
  });
  view.SendMessage(WM_CONTEXTMENU, 0, fromKeyboard);
  win::SetDialogResponder(nullptr);
  answer = cmd::kDelete;
  boxAnswer_ = IDNO;
  view.SendMessage(WM_CONTEXTMENU, 0, fromKeyboard);
  win::SetPopupMenuResponder(nullptr);
  EXPECT_EQ(firstItems, (std::vector<UINT>{cmd::kSelectAll, cmd::kOpenItem, cmd::kOpenItem}))
      << "the photo menu once the focused photo is selected";
  EXPECT_EQ(renaming, Frame().items().FocusedItem()->record()->title()) << "the focused photo";
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(Box(0), "削除してよろしいですか？");
}

TEST_F(MainFrameCommands, TheEditorOpensOnTheFocusedPhotoAndItsValuesAreSavedOnOk) {
  Photo("a.jpg");
  EXPECT_FALSE(State(cmd::kEditPhoto).enabled()) << "the focused photo is not selected";
  Command(cmd::kSelectAll);
  ASSERT_TRUE(State(cmd::kEditPhoto).enabled());
  win::SetDialogResponder([](CDialog& dialog) -> intptr_t {
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(res::kControlEditRotate, BN_CLICKED), 0);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
  });
  Command(cmd::kEditPhoto);
  CPhotoManager reloaded;
  reloaded.SetDatabasePath(Library().databasePath());
  ASSERT_EQ(reloaded.LoadAlbum(), 1);
  ASSERT_EQ(reloaded.count(), 1);
  EXPECT_EQ(int(reloaded.items()[0]->adjustments().rotation), 90)
      << "kept through a save and a load";
}

TEST_F(MainFrameCommands, AWorkersMessageBoxIsShownAndAnswered) {
  boxAnswer_ = IDNO;
  const Cp932String text = cp932::Lit("転送できません。"), caption = cp932::Lit("アルバム");
  WorkerMessageBox request{nullptr, text.c_str(), caption.c_str(), MB_YESNO};
  EXPECT_EQ(
      Frame().SendMessage(CMainFrame::kMsgWorkerMessageBox, 0, reinterpret_cast<LPARAM>(&request)),
      IDNO);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].caption, "アルバム");
  EXPECT_EQ(boxes_[0].owner, &Frame()) << "a gone owner is replaced by the frame";
  EXPECT_EQ(Frame().SendMessage(CMainFrame::kMsgWorkerMessageBox, 0, 0), 0);
}

TEST_F(MainFrameCommands, CopyPutsTheSelectedFilesOnTheClipboard) {
  CPhotoItem* a = Photo("a.jpg");
  CPhotoItem* b = Photo("b.jpg");
  Photo("c.jpg");
  Select({"a", "b"});
  Command(cmd::kCopy);
  const auto files = shell::ReadClipboardFiles();
  ASSERT_TRUE(files.has_value());
  std::vector<Cp932String> paths = files->paths;
  std::sort(paths.begin(), paths.end());
  EXPECT_EQ(paths, (std::vector<Cp932String>{a->path(), b->path()}));
  EXPECT_EQ(files->dropEffect, DROPEFFECT_COPY);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(MainFrameCommands, TheFavouriteSetterMarksOrClearsTheSelection) {
  Photo("a.jpg");
  Photo("b.jpg");
  Command(cmd::kSetFavourite);
  EXPECT_EQ(Box(0), "写真を選択してください");
  Select({"a"});
  Frame().SetFavouriteChoice(3);
  Command(cmd::kSetFavourite);
  EXPECT_EQ(Library().favouriteTally(3), 1u);
  Frame().SetFavouriteChoice(0);
  Command(cmd::kSetFavourite);
  EXPECT_EQ(Library().favouriteCount(), 0u);
}

}  // namespace
