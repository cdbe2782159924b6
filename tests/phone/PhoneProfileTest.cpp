#include <cstdlib>
#include <cstring>
#include <set>

#include "platform/phonelib/CCmnFnc.h"
#include "tests/phone/PhoneFixture.h"

namespace {

struct ProfileCase {
  const char* name;
  const char* text;
  bool valid;
};

class PhoneProfileText : public testing::TestWithParam<ProfileCase> {};

TEST_P(PhoneProfileText, IsReadOrRefusedWithAReason) {
  std::string error;
  const auto profile = phonelib::ParsePhoneProfile(GetParam().text, &error);
  EXPECT_EQ(profile.has_value(), GetParam().valid) << error;
  if (!GetParam().valid) {
    EXPECT_FALSE(error.empty());
  } else if (profile) {
    EXPECT_EQ(*profile, (phonelib::PhoneProfile{3, 10, 4294967295u}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PhoneProfileText,
    testing::Values(
        ProfileCase{"Plain", "Model=3\nMaxInternalBytes=10\nMaxExternalBytes=4294967295\n", true},
        ProfileCase{"CommentsBlanksCrlfAndUnknownKeys",
                    "# phone\r\n\r\n; note\r\n Model = 3 \r\nColour=red\r\n"
                    "MaxInternalBytes=10\r\nMaxExternalBytes=4294967295",
                    true},
        ProfileCase{"ValueTooLarge", "Model=3\nMaxInternalBytes=10\nMaxExternalBytes=4294967296\n",
                    false},
        ProfileCase{"NegativeValue", "Model=-3\nMaxInternalBytes=10\nMaxExternalBytes=1\n", false},
        ProfileCase{"TrailingText", "Model=3x\nMaxInternalBytes=10\nMaxExternalBytes=1\n", false},
        ProfileCase{"EmptyValue", "Model=\nMaxInternalBytes=10\nMaxExternalBytes=1\n", false},
        ProfileCase{"RepeatedKey", "Model=3\nModel=1\nMaxInternalBytes=10\nMaxExternalBytes=1\n",
                    false},
        ProfileCase{"LineWithoutEquals", "Model 3\nMaxInternalBytes=10\nMaxExternalBytes=1\n",
                    false},
        ProfileCase{"MissingLimit", "Model=3\nMaxInternalBytes=10\n", false},
        ProfileCase{"Empty", "", false}),
    [](const testing::TestParamInfo<ProfileCase>& info) { return std::string(info.param.name); });

TEST(PhoneProfileText, RefusesATextLargerThanTheLimit) {
  std::string text = "Model=1\nMaxInternalBytes=1\nMaxExternalBytes=1\n";
  text += std::string(phonelib::kMaxProfileBytes, '#');
  EXPECT_FALSE(phonelib::ParsePhoneProfile(text).has_value());
}

TEST(PhoneProfileText, ReadsBackWhatItWrites) {
  const phonelib::PhoneProfile profile{2, 307200, 0};
  EXPECT_EQ(phonelib::ParsePhoneProfile(phonelib::FormatPhoneProfile(profile)), profile);
}

class PhoneState : public PhoneTest {
 protected:
  void WriteProfile(const std::string& text) {
    WriteText(Phone() + "/" + phonelib::kProfileFileName, text);
  }
};

TEST_F(PhoneState, ReportsTheProfilesLimitsAndModel) {
  WriteProfile("Model=2\nMaxInternalBytes=102400\nMaxExternalBytes=0\n");
  CdmaCommState state;
  CProfile* profile = CreateProfile();
  EXPECT_EQ(profile->GetCdmaCommState(&state), 1);
  DeleteProfile(profile);
  EXPECT_EQ(state.connected, 1u);
  EXPECT_EQ(state.model, 2u);
  EXPECT_EQ(state.maxInternalBytes, 102400u);
  EXPECT_EQ(state.maxExternalBytes, 0u);
  CCsDataFolderProfile* folder = CreateCsDataFolderProfile();
  EXPECT_EQ(folder->Load(), 1);
  EXPECT_EQ(folder->GetModel(), 2);
  DeleteCsDataFolderProfile(folder);
}

TEST_F(PhoneState, NoFolderAMissingFolderOrABadProfileIsNotConnected) {
  auto expectDisconnected = [](const char* why) {
    CdmaCommState state{1, 1, 1, 1};
    EXPECT_EQ(CProfile().GetCdmaCommState(&state), 0) << why;
    EXPECT_EQ(state.connected, 0u) << why;
    EXPECT_EQ(state.maxInternalBytes, 0u) << why;
    CCsDataFolderProfile folder;
    EXPECT_EQ(folder.Load(), 0) << why;
    EXPECT_EQ(folder.GetModel(), 0) << why;
  };
  WriteProfile("Model=1\nMaxInternalBytes=oops\nMaxExternalBytes=1\n");
  expectDisconnected("malformed profile");
  std::filesystem::remove(Phone() + "/" + phonelib::kProfileFileName);
  expectDisconnected("no profile");
  EXPECT_TRUE(phonelib::IsPhoneConnected());
  phonelib::SetPhoneFolder(Phone() + "/nothing-here");
  expectDisconnected("missing folder");
  EXPECT_FALSE(phonelib::IsPhoneConnected());
  phonelib::SetPhoneFolder("");
  expectDisconnected("no folder");
}

TEST_F(PhoneState, TheEnvironmentNamesThePhoneUntilTheHostDoes) {
  setenv("HARBO_PHONE_DIR", Phone().c_str(), 1);
  phonelib::ClearPhoneFolderForTest();
  EXPECT_EQ(phonelib::PhoneFolder(), Phone());
  EXPECT_TRUE(phonelib::IsPhoneConnected());
  phonelib::SetPhoneFolder("");
  EXPECT_FALSE(phonelib::IsPhoneConnected());
  unsetenv("HARBO_PHONE_DIR");
}

TEST(PhoneLibrary, StartsUpOnceAndMakesDistinctTemporaryFiles) {
  EXPECT_EQ(_InitCdmaBinDll(), 1);
  EXPECT_EQ(_InitCdmaBinDll(), 1);
  EXPECT_EQ(phonelib::InitCountForTest(), 1);
  TempDir dir;
  std::set<std::string> paths;
  for (int i = 0; i < 5; ++i) {
    char buffer[CCmnFnc::kMaxPath];
    ASSERT_EQ(CCmnFnc::GetTempFilePath(dir.path().c_str(), buffer), 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(buffer));
    EXPECT_EQ(std::string(buffer).rfind(dir.path() + "/", 0), 0u);
    paths.insert(buffer);
  }
  EXPECT_EQ(paths.size(), 5u);
  char buffer[CCmnFnc::kMaxPath];
  EXPECT_EQ(CCmnFnc::GetTempFilePath((dir.path() + "/missing").c_str(), buffer), 0);
}

TEST(PhoneLibrary, TheWorkFolderIsMadeInsideTheCallbackFolder) {
  TempDir dir;
  CCdmaComm comm;
  comm.SetCBDirPath(dir.file("CB"));
  const Cp932String work = comm.GetWorkDirPath();
  EXPECT_EQ(work.rfind(dir.file("CB") + "/", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_directory(work));
  CCdmaComm unset;
  EXPECT_TRUE(std::filesystem::is_directory(unset.GetWorkDirPath()));
}

TEST(PhoneLibrary, ListsWalkInOrderAndCopiesAreIndependent) {
  CNyFileInfoList list;
  for (const char* name : {"a", "b", "c"}) {
    CNyFileInfo info;
    info.SetTitleName(name);
    list.AddTail(info);
  }
  CNyFileInfoList copy = list;
  list.RemoveAll();
  EXPECT_EQ(list.GetHeadPosition(), nullptr);
  std::string walked;
  for (POSITION pos = copy.GetHeadPosition(); pos != nullptr;)
    walked += copy.GetNext(pos).GetTitleName();
  EXPECT_EQ(walked, "abc");
  copy.AddTail(CNyFileInfo());
  EXPECT_EQ(copy.GetCount(), 4u);
}

}  // namespace
