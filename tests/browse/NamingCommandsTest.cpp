// The search dialog, the rename dialog and the memo editor, driven through the frame's
// commands as a person would, with the dialogs and message boxes answered by responders.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "browse/CDlgMemoEdit.h"
#include "browse/CDlgRename.h"
#include "browse/CDlgSearch.h"
#include "browse/IndexTree.h"
#include "browse/SearchConditions.h"
#include "host/CMainFrame.h"
#include "library/PhotoKind.h"
#include "library/SearchCriteria.h"
#include "platform/fileio/FaultInjection.h"
#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/DateTimeCtrl.h"
#include "platform/win/Edit.h"
#include "platform/win/TreeCtrl.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/support/FrameFixture.h"
#include "tests/support/HostIndexTree.h"

namespace {

using cp932::Lit;

class NamingCommands : public FrameFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(FrameFixture::SetUp());
    fileio::CreateFolderPath(album_ + "/2020/05", false);
    ASSERT_TRUE(hostTree_.Connect(suite_.context));
  }
  void TearDown() override {
    fileio::faults::Disarm();
    hostTree_.Disconnect();
    chmod((album_ + "/2020/05").c_str(), 0755);
    FrameFixture::TearDown();
  }

  // A record of the album whose file holds kb kilobytes, dated 10 May 2020.
  CPhotoItem* Photo(const std::string& name, uint32_t flags, int kb = 1) {
    const std::string path = album_ + "/2020/05/" + name;
    WriteBytes(path, std::string(static_cast<size_t>(kb) * 1024, 'x'));
    PhotoFileRecord record = RecordFor(path, flags);
    record.year = 2020, record.month = 5, record.day = 10;
    record.comboNumber = (flags & PhotoKind::kBurstComposite) != 0 ? 1 : 0;
    std::strncpy(record.sourceName, "DSC.0001.JPG", sizeof record.sourceName - 1);
    return Library().AddRecord(record, nullptr);
  }

  void AfterInstall() override { MainFrame()->RebuildItems(SearchCriteria{}); }

  // Opens the search dialog, lets set choose its conditions and presses 検索; answers
  // whether the dialog closed itself. The dialog is then closed as a person would.
  bool Search(const std::function<void(CDlgSearch&)>& set) {
    bool closed = false;
    win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
      auto& d = dynamic_cast<CDlgSearch&>(dialog);
      set(d);
      d.SendMessage(WM_COMMAND, MAKEWPARAM(res::kControlSearchRun, BN_CLICKED), 0);
      closed = d.ended();
      if (!closed) d.SendMessage(WM_COMMAND, IDCANCEL, 0);
      return IDCANCEL;
    });
    Command(cmd::kSearch);
    return closed;
  }

  // The titles of the photos the frame shows, in their order.
  std::vector<std::string> Shown() {
    std::vector<std::string> titles;
    for (const CImageItem* item : Frame().items().items())
      titles.push_back(cp932::ToUtf8Lossy(item->record()->title()));
    std::sort(titles.begin(), titles.end());
    return titles;
  }

  HostIndexTree hostTree_;
  CTreeCtrl& tree_ = hostTree_.tree();
};

CCheckBox& Check(CDlgSearch& d, UINT id) {
  return *dynamic_cast<CCheckBox*>(d.Control(id));
}
CComboBox& Combo(CDlgSearch& d, UINT id) {
  return *dynamic_cast<CComboBox*>(d.Control(id));
}
CEdit& Edit(CDlgSearch& d, UINT id) {
  return *dynamic_cast<CEdit*>(d.Control(id));
}
void Tick(CDlgSearch& d, UINT id, bool on) {
  if ((Check(d, id).GetCheck() == BST_CHECKED) != on) Check(d, id).Click();
}
// Only the size condition, at least 0 KB, over the kinds given.
void AnySize(CDlgSearch& d, bool photos, bool movies) {
  for (UINT off : {res::kControlSearchName, res::kControlSearchDate, res::kControlSearchMemo,
                   res::kControlSearchInView})
    Tick(d, off, false);
  Tick(d, res::kControlSearchSize, true);
  Combo(d, res::kControlSearchSizeTerm).SelectAsUser(search::kAtLeast);
  Edit(d, res::kControlSearchSizeFrom).SetText("0");
  Tick(d, res::kControlSearchPhotos, photos);
  Tick(d, res::kControlSearchMovies, movies);
}

TEST_F(NamingCommands, SearchFindsTheKindsAndRangesAskedForAndStaysOpenWithoutHits) {
  Photo("beach.jpg", PhotoKind::kStill, 300);
  Photo("clip.3gp", PhotoKind::kMovie, 50);
  Photo("burst.jpg", PhotoKind::kStill | PhotoKind::kBurstComposite, 700);

  EXPECT_TRUE(Search([](CDlgSearch& d) { AnySize(d, false, true); }));
  EXPECT_EQ(Shown(), std::vector<std::string>{"clip"});
  EXPECT_EQ(Frame().indexView().currentCategory(), indextree::kSearch);
  EXPECT_TRUE(Search([](CDlgSearch& d) { AnySize(d, true, false); }));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"beach", "burst"})) << "composites are photos";

  // Sizes and dates given the wrong way round are read the right way round.
  EXPECT_TRUE(Search([](CDlgSearch& d) {
    AnySize(d, true, true);
    Combo(d, res::kControlSearchSizeTerm).SelectAsUser(search::kSizeBetween);
    EXPECT_TRUE(d.Control(res::kControlSearchSizeTo)->IsWindowEnabled());
    Edit(d, res::kControlSearchSizeFrom).SetText("500");
    Edit(d, res::kControlSearchSizeTo).SetText("0100");
  }));
  EXPECT_EQ(Shown(), std::vector<std::string>{"beach"});
  EXPECT_TRUE(Search([](CDlgSearch& d) {
    AnySize(d, true, true);
    Tick(d, res::kControlSearchSize, false);
    Tick(d, res::kControlSearchDate, true);
    EXPECT_FALSE(d.Control(res::kControlSearchFirstDate)->IsWindowEnabled());
    Combo(d, res::kControlSearchDateType).SelectAsUser(search::kGivenDates);
    Combo(d, res::kControlSearchDateTerm).SelectAsUser(search::kBetween);
    EXPECT_TRUE(d.Control(res::kControlSearchSecondDate)->IsWindowEnabled());
    dynamic_cast<CDateTimeCtrl*>(d.Control(res::kControlSearchFirstDate))
        ->SetTime(SYSTEMTIME{.wYear = 2020, .wMonth = 5, .wDay = 10});
    dynamic_cast<CDateTimeCtrl*>(d.Control(res::kControlSearchSecondDate))
        ->SetTime(SYSTEMTIME{.wYear = 2020, .wMonth = 5, .wDay = 1});
  }));
  EXPECT_EQ(Shown().size(), 3u);

  // Within the photos shown only: the last search showed three, this one looks at them.
  Search([](CDlgSearch& d) { AnySize(d, false, true); });
  ASSERT_EQ(Shown(), std::vector<std::string>{"clip"});
  EXPECT_TRUE(Search([](CDlgSearch& d) {
    AnySize(d, true, true);
    Tick(d, res::kControlSearchInView, true);
  }));
  EXPECT_EQ(tree_.GetCount(), 1) << "one search results node, however many searches";
  EXPECT_EQ(Shown(), std::vector<std::string>{"clip"});

  // No hits: the report, and the dialog stays for another try.
  boxes_.clear();
  EXPECT_FALSE(Search([](CDlgSearch& d) {
    AnySize(d, true, true);
    Tick(d, res::kControlSearchInView, false);
    Tick(d, res::kControlSearchMemo, true);
    Combo(d, res::kControlSearchMemoText).SetEditText(Lit("誰も書かない"));
  }));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "検索終了しました。検索件数は、0件です。");
}

TEST_F(NamingCommands, SearchRefusesWhatItCannotSearchForInItsOwnWords) {
  Photo("beach.jpg", PhotoKind::kStill);
  const std::pair<std::function<void(CDlgSearch&)>, std::string> cases[] = {
      {[](CDlgSearch& d) { AnySize(d, false, false); },
       "写真、ムービーの両方または、どちらかにチェックしてください。"},
      {[](CDlgSearch& d) {
         AnySize(d, true, false);
         Tick(d, res::kControlSearchSize, false);
       },
       "検索条件を設定してください。"},
      {[](CDlgSearch& d) {
         AnySize(d, true, false);
         Tick(d, res::kControlSearchName, true);
         Combo(d, res::kControlSearchNameText).SetEditText("");
       },
       "名前を入力してください。"},
      {[](CDlgSearch& d) {
         AnySize(d, true, false);
         Edit(d, res::kControlSearchSizeFrom).SetText("");
       },
       "数字を入力してください。"},
  };
  for (const auto& [set, message] : cases) {
    boxes_.clear();
    EXPECT_FALSE(Search(set)) << message;
    ASSERT_EQ(boxes_.size(), 1u) << message;
    EXPECT_EQ(boxes_[0].text, message);
  }
}

TEST_F(NamingCommands, SearchKeepsSixteenNamesNewestFirstAndEachOnce) {
  Photo("beach.jpg", PhotoKind::kStill);
  auto searchName = [this](const std::string& name) {
    Search([&](CDlgSearch& d) {
      Tick(d, res::kControlSearchName, true);
      Combo(d, res::kControlSearchNameText).SetEditText(name);
    });
  };
  for (int i = 0; i < 17; ++i) searchName("n" + std::to_string(i));
  searchName("n5");
  std::vector<std::string> kept;
  for (int i = 0; i < 17; ++i)
    kept.push_back(TheApp().ReadText("FindView", "NameKey" + std::to_string(i), "-"));
  EXPECT_EQ(kept[0], "n5") << "searched again: at the front, once";
  EXPECT_EQ(kept[1], "n16");
  EXPECT_EQ(kept[15], "n1") << "n0 fell out";
  EXPECT_EQ(kept[16], "-");
  EXPECT_EQ(std::count(kept.begin(), kept.end(), "n5"), 1);

  // The next opening shows them, and the settings it was left with.
  Search([](CDlgSearch& d) {
    EXPECT_EQ(Combo(d, res::kControlSearchNameText).GetCount(), 16);
    EXPECT_EQ(Combo(d, res::kControlSearchNameText).GetEditText(), "n5");
    d.SendMessage(WM_COMMAND, IDCANCEL, 0);
  });
}

TEST(SearchDates, SpansEndTodayAndStartTheDayAfterTheSameDayBack) {
  search::Conditions c;
  const search::Date today{2028, 3, 31};
  c.dateType = search::kWithinWeek;
  EXPECT_EQ(search::DateRange(c, today).first, (search::Date{2028, 3, 25}));
  c.dateType = search::kWithinMonth;
  EXPECT_EQ(search::DateRange(c, today).first, (search::Date{2028, 3, 1})) << "29 Feb + 1";
  EXPECT_EQ(search::DateRange(c, search::Date{2027, 1, 15}).first, (search::Date{2026, 12, 16}));
  c.dateType = search::kWithinYear;
  EXPECT_EQ(search::DateRange(c, search::Date{2028, 2, 29}).first, (search::Date{2027, 3, 1}));
  c.dateType = search::kGivenDates;
  c.dateTerm = search::kUntil;
  c.first = today;
  EXPECT_EQ(search::DateRange(c, today).first, (search::Date{1900, 1, 1}));
  c.dateTerm = search::kSince;
  EXPECT_EQ(search::DateRange(c, today).second, (search::Date{2099, 12, 31}));
}

// Opens the rename dialog on the photo, types the name and presses OK; answers whether the
// dialog ended.
bool Rename(CMainFrame& frame, CPhotoItem* photo, const Cp932String& name, bool original = false) {
  bool ended = false;
  win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
    auto& d = dynamic_cast<CDlgRename&>(dialog);
    EXPECT_EQ(d.edit()->GetText(), photo->title());
    d.edit()->SetText(name);
    if (original) d.SendMessage(WM_COMMAND, MAKEWPARAM(res::kControlRenameOriginal, 0), 0);
    d.SendMessage(WM_COMMAND, IDOK, 0);
    ended = d.ended();
    if (!ended) d.SendMessage(WM_COMMAND, IDCANCEL, 0);
    return IDCANCEL;
  });
  frame.RenameItem(frame.items().ItemOf(photo));
  return ended;
}

TEST_F(NamingCommands, RenameChecksTheNameAndRenamesTheFileKeepingItsExtension) {
  CPhotoItem* photo = Photo("beach.jpg", PhotoKind::kStill);
  CMainFrame& frame = Frame();
  EXPECT_FALSE(Rename(frame, photo, std::string(91, 'a')));
  EXPECT_FALSE(Rename(frame, photo, Lit("a*b")));
  EXPECT_FALSE(Rename(frame, photo, "   "));
  ASSERT_EQ(boxes_.size(), 3u);
  EXPECT_EQ(boxes_[0].text, "名前を変更できません。\n半角90文字以下で入力してください。");
  EXPECT_EQ(boxes_[1].text, "次の文字は使えません。\r\n\\/:,;*?\"<>|");
  EXPECT_EQ(boxes_[2].text, "写真名を入力して下さい。");

  EXPECT_TRUE(Rename(frame, photo, std::string(90, 'a')));
  EXPECT_TRUE(std::filesystem::exists(album_ + "/2020/05/" + std::string(90, 'a') + ".jpg"));
  // ソ ends in the backslash's byte, which is no backslash there.
  EXPECT_TRUE(Rename(frame, photo, Lit("ソ")));
  EXPECT_EQ(photo->path(), Lit(album_ + "/2020/05/ソ.jpg"));
  EXPECT_TRUE(Rename(frame, photo, "", true)) << "the original name without its last extension";
  EXPECT_EQ(photo->title(), "DSC.0001");
  photo->SetSourceName("IMG_7.JPG");
  EXPECT_TRUE(Rename(frame, photo, "", true));
  EXPECT_EQ(photo->title(), "IMG_7");
  EXPECT_TRUE(Rename(frame, photo, "DSC.0001"));
  EXPECT_TRUE(Rename(frame, photo, "dsc.0001")) << "a change of case renames the file too";
  EXPECT_TRUE(std::filesystem::exists(album_ + "/2020/05/dsc.0001.jpg"));
  EXPECT_FALSE(std::filesystem::exists(album_ + "/2020/05/DSC.0001.jpg"));
  EXPECT_EQ(boxes_.size(), 3u);

  CPhotoManager reloaded;
  reloaded.LoadAlbum(&Library().databasePath());
  ASSERT_EQ(reloaded.count(), 1);
  EXPECT_EQ(reloaded.at(0)->title(), "dsc.0001") << "the album was saved";
}

TEST_F(NamingCommands, ARenameTheDiskRefusesLeavesFileAndRecordAsTheyWere) {
  CPhotoItem* photo = Photo("beach.jpg", PhotoKind::kStill);
  CPhotoItem* pc = Photo("pc.jpg", PhotoKind::kStill | PhotoKind::kFromPc);
  Photo("taken.jpg", PhotoKind::kStill);
  CMainFrame& frame = Frame();
  const std::string before = photo->path();

  EXPECT_TRUE(Rename(frame, photo, "taken")) << "the dialog ends, with the reason";
  fileio::faults::Arm(1, fileio::faults::Action::kIoError);  // the file's move
  Rename(frame, pc, "other");
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(
      boxes_[0].text,
      "名前の変更に失敗しました。\n\nファイルが使用中の場合や、2020年5月にtakenと同じ名前がある"
      "場合、名前の変更はできません。");
  EXPECT_NE(boxes_[1].text.find("パソコンにotherと同じ名前"), std::string::npos);
  EXPECT_EQ(photo->path(), before);
  EXPECT_EQ(ReadBytes(before).size(), 1024u);
  EXPECT_EQ(ReadBytes(album_ + "/2020/05/taken.jpg").size(), 1024u);

  // A full disk at any point of a rename: the album on disk always finds every file, and a
  // rename reported as failed left the name as it was.
  fileio::faults::ResetCount();
  ASSERT_TRUE(Rename(frame, pc, "pc2"));
  const int points = fileio::faults::PointsPassed();
  for (int k = 1; k <= points; ++k) {
    const Cp932String was = photo->path();
    const size_t boxes = boxes_.size();
    fileio::faults::Arm(k, fileio::faults::Action::kNoSpace);
    Rename(frame, photo, "try" + std::to_string(k));
    fileio::faults::Disarm();
    if (boxes_.size() > boxes) {
      EXPECT_EQ(photo->path(), was) << k;
    }
    EXPECT_TRUE(std::filesystem::exists(photo->path())) << k;
    CPhotoManager onDisk;
    onDisk.LoadAlbum(&Library().databasePath());
    for (const CPhotoItem* record : onDisk.items())
      EXPECT_TRUE(std::filesystem::exists(record->path())) << k << " " << record->path();
  }
  EXPECT_GT(boxes_.size(), 2u) << "some point made a rename fail";
}

TEST_F(NamingCommands, TheMemoTakes511BytesAndIsKept) {
  CPhotoItem* photo = Photo("beach.jpg", PhotoKind::kStill);
  CMainFrame& frame = Frame();
  auto edit = [&](const Cp932String& memo) {
    bool ended = false;
    win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
      auto& d = dynamic_cast<CDlgMemoEdit&>(dialog);
      d.edit()->SetText(memo);
      d.SendMessage(WM_COMMAND, IDOK, 0);
      ended = d.ended();
      return IDCANCEL;
    });
    frame.EditMemo(frame.items().ItemOf(photo));
    return ended;
  };
  EXPECT_FALSE(edit(std::string(512, 'm')));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "メモを変更できません。\n半角511文字以下で入力してください。");
  EXPECT_TRUE(edit(std::string(509, 'm') + "\r\n"));
  EXPECT_EQ(photo->memo(), std::string(509, 'm') + "\r\n");
  CPhotoManager reloaded;
  reloaded.LoadAlbum(&Library().databasePath());
  ASSERT_EQ(reloaded.count(), 1);
  EXPECT_EQ(reloaded.at(0)->memo().size(), 511u);
}

}  // namespace
