#include <sys/stat.h>

#include <filesystem>
#include <memory>

#include "platform/fileio/FileIo.h"
#include "platform/phonelib/CPhoneTransfer.h"
#include "platform/phonelib/CTransferProgressWnd.h"
#include "tests/phone/PhoneFixture.h"

namespace {

struct Listed {
  std::string title;
  std::string path;
  bool read;
  bool external;
};

class PhoneRead : public PhoneTest {
 protected:
  void SetUp() override {
    PhoneTest::SetUp();
    for (const char* ext : {"jpg", "png", "amc", "3gp", "3g2"}) request_.AddExtension(ext);
    request_.SetSubFolderSW(1);
    request_.SetSkipPresentSW(1);
    request_.SetStrIntPath(Work("StrInt"));
    request_.SetStrExtPath(Work("StrExt"));
  }

  BOOL Start(int mask) { return comm_.GetFilesForQuarn(mask, &request_, &window_); }

  std::vector<Listed> Read(int mask) {
    EXPECT_NE(Start(mask), 0);
    EXPECT_TRUE(PumpUntil(CCdmaComm::kMsgReadDone));
    return Results();
  }

  std::vector<Listed> Results() {
    std::vector<Listed> out;
    CNyFileInfoList& list = *comm_.GetNyFileInfoList();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
      const CNyFileInfo& info = list.GetNext(pos);
      EXPECT_TRUE(info.IsFile());
      out.push_back({info.GetTitleName(), info.GetPath(), info.IsReadSuccess() != 0,
                     info.IsExtStorageFile() != 0});
    }
    return out;
  }

  static std::vector<std::string> Titles(const std::vector<Listed>& listed) {
    std::vector<std::string> titles;
    for (const Listed& l : listed) titles.push_back(l.title);
    return titles;
  }

  void AddPresent(const std::string& name, uint32_t size) {
    std::unique_ptr<CCdmaOptionFileInfo, void (*)(CCdmaOptionFileInfo*)> entry(
        CreateCdmaOptionFileInfo(), &DeleteCdmaOptionFileInfo);
    entry->Empty();
    entry->SetMaskNameAndSize();
    entry->SetName(name);
    entry->SetSize(size);
    request_.GetCdmaOptionFileInfoList()->AddTail(*entry);
  }

  CCdmaFilesOption request_;
  CCdmaComm comm_;
};

struct MaskCase {
  int mask;
  std::vector<std::string> titles;
};

class PhoneReadMask : public PhoneRead, public testing::WithParamInterface<MaskCase> {};

TEST_P(PhoneReadMask, ReadsTheStorageAreasOfTheMaskIntoTheirStagingFolders) {
  WriteText(Internal() + "/in.jpg", "internal");
  WriteText(External() + "/out.jpg", "external!");
  const auto listed = Read(GetParam().mask);
  EXPECT_EQ(Titles(listed), GetParam().titles);
  for (const Listed& l : listed) {
    EXPECT_TRUE(l.read);
    EXPECT_EQ(l.external, l.title == "out.jpg");
    EXPECT_EQ(l.path, Work(l.external ? "StrExt/" : "StrInt/") + l.title);
    EXPECT_EQ(ReadText(l.path), l.external ? "external!" : "internal");
  }
  // The phone keeps its files.
  EXPECT_EQ(ReadText(Internal() + "/in.jpg"), "internal");
}

INSTANTIATE_TEST_SUITE_P(Masks, PhoneReadMask,
                         testing::Values(MaskCase{1, {"in.jpg"}}, MaskCase{2, {"out.jpg"}},
                                         MaskCase{3, {"in.jpg", "out.jpg"}}));

TEST_F(PhoneRead, ReadsTheWantedTypesWhateverTheirLetterCase) {
  for (const char* name : {"a.JPG", "b.Png", "c.3gp", "d.AMC", "notes.txt", "jpg", "e.jpeg"})
    WriteText(Internal() + "/" + name, "x");
  EXPECT_EQ(Titles(Read(1)), (std::vector<std::string>{"a.JPG", "b.Png", "c.3gp", "d.AMC"}));
}

TEST_F(PhoneRead, LeavesOutFilesPresentUnderTheSameNameAndSizeIgnoringCase) {
  WriteText(Internal() + "/same.jpg", "12345");
  WriteText(Internal() + "/CASE.jpg", "12345");
  WriteText(Internal() + "/resized.jpg", "1234567");
  AddPresent("same.jpg", 5);
  AddPresent("case.JPG", 5);
  AddPresent("resized.jpg", 5);
  EXPECT_EQ(Titles(Read(1)), (std::vector<std::string>{"resized.jpg"}));
}

TEST_F(PhoneRead, HonoursItsSwitchesForSubfoldersAndThePresentList) {
  WriteText(Internal() + "/a.jpg", "top");
  WriteText(Internal() + "/DCIM/a.jpg", "nested");
  AddPresent("a.jpg", 3);
  request_.SetSkipPresentSW(0);
  const auto all = Read(1);
  ASSERT_EQ(Titles(all), (std::vector<std::string>{"a.jpg", "a.jpg"}));
  // Two files of one name from different folders both arrive, under distinct names.
  EXPECT_NE(all[0].path, all[1].path);
  EXPECT_EQ(ReadText(all[0].path) + ReadText(all[1].path), "nestedtop");

  CCdmaComm second;
  request_.SetSubFolderSW(0);
  request_.SetSkipPresentSW(1);
  request_.SetStrIntPath(Work("again"));
  ASSERT_NE(second.GetFilesForQuarn(1, &request_, &window_), 0);
  ASSERT_TRUE(PumpUntil(CCdmaComm::kMsgReadDone));
  EXPECT_TRUE(second.GetNyFileInfoList()->IsEmpty());
}

TEST_F(PhoneRead, PostsCompletionOnceAndKeepsThePhoneFilesModificationTime) {
  WriteText(Internal() + "/a.jpg", "a");
  WriteText(Internal() + "/b.jpg", "b");
  const auto shot = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400);
  std::filesystem::last_write_time(Internal() + "/a.jpg", shot);
  const auto listed = Read(1);
  for (int round = 0; round < 20; ++round) PumpMessages();
  ASSERT_EQ(window_.Count(CCdmaComm::kMsgReadDone), 1);
  EXPECT_EQ(window_.received.back().w, 2u);
  EXPECT_EQ(window_.received.back().l, 0);
  EXPECT_EQ(comm_.IsUserCancel(), 0);
  EXPECT_FALSE(comm_.IsTransferring());
  EXPECT_EQ(std::filesystem::last_write_time(listed[0].path), shot);
  // Nothing but the copies is left in the staging folder.
  EXPECT_EQ(FilesIn(Work("StrInt")), (std::vector<std::string>{"a.jpg", "b.jpg"}));
}

TEST_F(PhoneRead, LeavesOutHiddenFilesHiddenFoldersAndEmptyFiles) {
  WriteText(Internal() + "/photo.jpg", "photo");
  WriteText(Internal() + "/.hidden.jpg", "hidden");
  WriteText(Internal() + "/empty.jpg", "");
  WriteText(Internal() + "/DCIM/.thumbnails/photo.jpg", "thumbnail");
  WriteText(Internal() + "/DCIM/.trashed-1712345678-old.jpg", "trashed");
  WriteText(Internal() + "/DCIM/.trash/old.jpg", "trashed");
  WriteText(External() + "/DCIM/card.jpg", "card");
  const auto listed = Read(3);
  EXPECT_EQ(Titles(listed), (std::vector<std::string>{"photo.jpg", "card.jpg"}));
}

TEST_F(PhoneRead, AnEmptyPhoneStillCompletes) {
  EXPECT_TRUE(Read(3).empty());
  EXPECT_EQ(window_.Count(CCdmaComm::kMsgReadDone), 1);
}

TEST_F(PhoneRead, TheCancelButtonStopsTheTransferAndIsReported) {
  for (int i = 0; i < 10; ++i) WriteText(Internal() + "/p" + std::to_string(i) + ".jpg", "data");
  ASSERT_NE(Start(1), 0);
  PumpMessages();
  CTransferProgressWnd* progress = comm_.transferForTest()->progressWindow();
  ASSERT_TRUE(IsWindow(progress));
  progress->cancelButton().Click();
  EXPECT_FALSE(IsWindow(progress));
  ASSERT_TRUE(PumpUntil(CCdmaComm::kMsgReadDone));
  EXPECT_EQ(comm_.IsUserCancel(), 1);
  EXPECT_EQ(window_.received.back().l, 1);
  const auto listed = Results();
  EXPECT_LT(listed.size(), 10u);
  EXPECT_EQ(FilesIn(Work("StrInt")).size(), listed.size());
  for (int round = 0; round < 20; ++round) PumpMessages();
  EXPECT_EQ(window_.Count(CCdmaComm::kMsgReadDone), 1);
}

TEST_F(PhoneRead, ClosingTheProgressWindowCancels) {
  WriteText(Internal() + "/a.jpg", "a");
  ASSERT_NE(Start(1), 0);
  comm_.transferForTest()->progressWindow()->SendMessage(WM_CLOSE);
  ASSERT_TRUE(PumpUntil(CCdmaComm::kMsgReadDone));
  EXPECT_EQ(comm_.IsUserCancel(), 1);
}

TEST_F(PhoneRead, FilesThatShrinkVanishOrCannotBeOpenedAreListedAsNotRead) {
  WriteText(Internal() + "/shrinks.jpg", "0123456789");
  WriteText(Internal() + "/vanishes.jpg", "0123456789");
  WriteText(Internal() + "/fine.jpg", "ok");
  WriteText(Internal() + "/turns-into-a-pipe.jpg", "0123456789");
  ASSERT_NE(Start(1), 0);
  std::filesystem::resize_file(Internal() + "/shrinks.jpg", 4);
  std::filesystem::remove(Internal() + "/vanishes.jpg");
  std::filesystem::remove(Internal() + "/turns-into-a-pipe.jpg");
  mkfifo((Internal() + "/turns-into-a-pipe.jpg").c_str(), 0600);
  ASSERT_TRUE(PumpUntil(CCdmaComm::kMsgReadDone));
  const auto listed = Results();
  ASSERT_EQ(Titles(listed), (std::vector<std::string>{"fine.jpg", "shrinks.jpg",
                                                      "turns-into-a-pipe.jpg", "vanishes.jpg"}));
  EXPECT_TRUE(listed[0].read);
  for (size_t i = 1; i < listed.size(); ++i) {
    EXPECT_FALSE(listed[i].read) << listed[i].title;
    EXPECT_TRUE(listed[i].path.empty());
  }
  EXPECT_EQ(window_.received.back().w, 1u);
  EXPECT_EQ(FilesIn(Work("StrInt")), (std::vector<std::string>{"fine.jpg"}));
}

TEST_F(PhoneRead, AFullDiskLeavesNoFileAndIsNotReportedAsRead) {
  WriteText(Internal() + "/a.jpg", std::string(5000, 'a'));
  ASSERT_NE(Start(1), 0);
  fileio::FailNthWriteForTest(1);
  ASSERT_TRUE(PumpUntil(CCdmaComm::kMsgReadDone));
  fileio::FailNthWriteForTest(0);
  const auto listed = Results();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_FALSE(listed[0].read);
  EXPECT_TRUE(FilesIn(Work("StrInt")).empty());
}

TEST_F(PhoneRead, StartsNothingWithoutAPhoneALiveWindowOrAValidRequest) {
  WriteText(Internal() + "/a.jpg", "a");
  EXPECT_EQ(Start(0), 0);
  EXPECT_EQ(Start(4), 0);
  EXPECT_EQ(comm_.GetFilesForQuarn(1, nullptr, &window_), 0);
  RecordingWnd gone;
  EXPECT_EQ(comm_.GetFilesForQuarn(1, &request_, &gone), 0);
  CCdmaFilesOption noStaging = request_;
  noStaging.SetStrExtPath("");
  EXPECT_EQ(comm_.GetFilesForQuarn(3, &noStaging, &window_), 0);
  phonelib::SetPhoneFolder("");
  EXPECT_EQ(Start(1), 0);
  phonelib::SetPhoneFolder(Phone() + "-unplugged");
  EXPECT_EQ(Start(1), 0);
  phonelib::SetPhoneFolder(Phone());
  ASSERT_NE(Start(1), 0);
  EXPECT_EQ(Start(1), 0) << "a second transfer while one runs";
  ASSERT_TRUE(PumpUntil(CCdmaComm::kMsgReadDone));
  EXPECT_EQ(window_.Count(CCdmaComm::kMsgReadDone), 1);
}

TEST_F(PhoneRead, DeletingTheObjectMidTransferPostsNothing) {
  WriteText(Internal() + "/a.jpg", "a");
  auto* comm = CreateCdmaComm();
  ASSERT_NE(comm->GetFilesForQuarn(1, &request_, &window_), 0);
  DeleteCdmaComm(comm);
  for (int round = 0; round < 20; ++round) PumpMessages();
  EXPECT_EQ(window_.Count(CCdmaComm::kMsgReadDone), 0);
}

TEST_F(PhoneRead, RefusesStagingPathsLongerThanTheLimit) {
  EXPECT_FALSE(request_.SetStrIntPath(std::string(CCdmaFilesOption::kMaxPathBytes + 1, 'a')));
  EXPECT_EQ(request_.GetStrIntPath(), Work("StrInt"));
  EXPECT_TRUE(request_.SetStrIntPath(std::string(CCdmaFilesOption::kMaxPathBytes, 'a')));
}

}  // namespace
