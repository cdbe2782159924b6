#include <string>

#include "platform/phonelib/CPhoneTransfer.h"

#include "tests/phone/PhoneFixture.h"

namespace {

class PhoneWrite : public PhoneTest {
 protected:
  // An entry as the album fills one for sending: area, file flag, name, phone folder,
  // local path and size.
  void AddEntry(int area, const std::string& name, const std::string& content,
                const std::string& folder = "PRIVATE\\NY\\DF") {
    const std::string local = Work("Update(" + std::to_string(count_++) + ")");
    WriteText(local, content);
    CNyFileInfo info;
    info.SetStorageArea(area);
    info.SetFileFlag(1);
    info.SetTitleName(name);
    info.SetPhoneDirPath(folder);
    info.SetPath(local);
    info.SetFileSize(static_cast<uint32_t>(content.size()));
    comm_.GetNyFileInfoList()->AddTail(info);
  }

  std::vector<bool> Send(int overwrite) {
    EXPECT_NE(comm_.PutFilesForQuarn(comm_.GetNyFileInfoList(), 1, overwrite, &window_), 0);
    EXPECT_TRUE(PumpUntil(CCdmaComm::kMsgWriteDone));
    std::vector<bool> written;
    CNyFileInfoList& list = *comm_.GetNyFileInfoList();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
      written.push_back(list.GetNext(pos).IsReadSuccess() != 0);
    return written;
  }

  CCdmaComm comm_;
  int count_ = 0;
};

TEST_F(PhoneWrite, WritesEachEntryIntoItsStorageAreaUnderItsPhoneFolder) {
  AddEntry(1, "in.jpg", "inside");
  AddEntry(2, "out.jpg", "outside");
  EXPECT_EQ(Send(0), (std::vector<bool>{true, true}));
  EXPECT_EQ(ReadText(Internal() + "/PRIVATE/NY/DF/in.jpg"), "inside");
  EXPECT_EQ(ReadText(External() + "/PRIVATE/NY/DF/out.jpg"), "outside");
  ASSERT_EQ(window_.Count(CCdmaComm::kMsgWriteDone), 1);
  EXPECT_EQ(window_.received.back().w, 2u);
  EXPECT_EQ(window_.Count(CCdmaComm::kMsgReadDone), 0);
}

TEST_F(PhoneWrite, KeepsAnExistingFileUnlessTheOverwriteSwitchIsOn) {
  WriteText(Internal() + "/PRIVATE/NY/DF/same.jpg", "old");
  AddEntry(1, "same.jpg", "new");
  EXPECT_EQ(Send(0), (std::vector<bool>{false}));
  EXPECT_EQ(ReadText(Internal() + "/PRIVATE/NY/DF/same.jpg"), "old");
  EXPECT_EQ(Send(1), (std::vector<bool>{true}));
  EXPECT_EQ(ReadText(Internal() + "/PRIVATE/NY/DF/same.jpg"), "new");
  EXPECT_EQ(FilesIn(Internal() + "/PRIVATE/NY/DF"), (std::vector<std::string>{"same.jpg"}));
}

TEST_F(PhoneWrite, KeepsDoubleByteCharactersWhoseSecondByteIsABackslash) {
  // "ソフト" has 0x5C as the second byte of its first character.
  const std::string folder = cp932::Lit("ソフト") + "\\DF";
  AddEntry(1, "a.jpg", "a", folder);
  EXPECT_EQ(Send(0), (std::vector<bool>{true}));
  EXPECT_EQ(ReadText(Internal() + "/ソフト/DF/a.jpg"), "a");
}

TEST_F(PhoneWrite, RefusesEntriesThatWouldLeaveTheAreaOrThatThePhoneCannotTake) {
  AddEntry(1, "escape.jpg", "x", "..\\..");
  AddEntry(1, "a/b.jpg", "x");
  AddEntry(1, "..", "x");
  AddEntry(3, "nowhere.jpg", "x");
  AddEntry(1, "huge.jpg", std::string(100001, 'h'));  // the profile allows 100000 bytes
  AddEntry(2, "fits.jpg", std::string(100001, 'f'));  // external memory allows more
  EXPECT_EQ(Send(1), (std::vector<bool>{false, false, false, false, false, true}));
  EXPECT_FALSE(std::filesystem::exists(Phone() + "/escape.jpg"));
  EXPECT_FALSE(std::filesystem::exists(dir_.path() + "/escape.jpg"));
  EXPECT_FALSE(std::filesystem::exists(Internal() + "/PRIVATE/NY/DF/huge.jpg"));
}

TEST_F(PhoneWrite, APhoneWithoutExternalMemoryGetsNothingThere) {
  std::filesystem::remove_all(External());
  AddEntry(2, "card.jpg", "x");
  EXPECT_EQ(Send(0), (std::vector<bool>{false}));
  EXPECT_FALSE(std::filesystem::exists(External()));
}

TEST_F(PhoneWrite, StartsNothingForAnotherKindANullListOrNoPhone) {
  AddEntry(1, "a.jpg", "a");
  EXPECT_EQ(comm_.PutFilesForQuarn(comm_.GetNyFileInfoList(), 0, 0, &window_), 0);
  EXPECT_EQ(comm_.PutFilesForQuarn(nullptr, 1, 0, &window_), 0);
  phonelib::SetPhoneFolder("");
  EXPECT_EQ(comm_.PutFilesForQuarn(comm_.GetNyFileInfoList(), 1, 0, &window_), 0);
  EXPECT_EQ(comm_.GetNyFileInfoList()->GetCount(), 1u);
}

TEST_F(PhoneWrite, CancellingLeavesTheRestUnwrittenAndSaysSo) {
  for (int i = 0; i < 6; ++i) AddEntry(1, "f" + std::to_string(i) + ".jpg", "x");
  ASSERT_NE(comm_.PutFilesForQuarn(comm_.GetNyFileInfoList(), 1, 0, &window_), 0);
  PumpMessages();
  comm_.transferForTest()->Cancel();
  ASSERT_TRUE(PumpUntil(CCdmaComm::kMsgWriteDone));
  EXPECT_EQ(comm_.IsUserCancel(), 1);
  size_t written = 0;
  CNyFileInfoList& list = *comm_.GetNyFileInfoList();
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    written += list.GetNext(pos).IsReadSuccess() ? 1 : 0;
  EXPECT_EQ(list.GetCount(), 6u);
  EXPECT_EQ(FilesIn(Internal() + "/PRIVATE/NY/DF").size(), written);
  EXPECT_EQ(window_.received.back().w, written);
}

}  // namespace
