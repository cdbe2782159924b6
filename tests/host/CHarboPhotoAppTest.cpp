#include "host/CHarboPhotoApp.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <set>

#include "host/CExclusive.h"
#include "platform/fileio/FileIo.h"
#include "platform/shell/Shell.h"
#include "tests/support/AlbumFixture.h"

namespace {

using Path = CHarboPhotoApp::Path;

class AppPaths : public AlbumFixture {};

}  // namespace

TEST_F(AppPaths, DerivesEveryFolderFromTheHostsValues) {
  ASSERT_TRUE(Initialise());
  CHarboPhotoApp& app = TheApp();
  EXPECT_EQ(app.GetPath(Path::kDataRoot), dataRoot_);
  EXPECT_EQ(app.GetPath(Path::kDataFolder), usersFolder_);
  EXPECT_EQ(app.GetPath(Path::kUserFolder), usersFolder_ + "/taro");
  EXPECT_EQ(app.GetPath(Path::kAlbumFolder), usersFolder_ + "/taro/Album");
  EXPECT_EQ(app.GetPath(Path::kWorkFolder), usersFolder_ + "/taro/Work");
  EXPECT_EQ(app.GetPath(Path::kLogFolder), dataRoot_ + "/Log");
  EXPECT_EQ(app.DatabasePath(), usersFolder_ + "/taro/Album/HBPH0200.dat");
  EXPECT_EQ(app.ColorSchemePath(0), usersFolder_ + "/color1.dat");
  EXPECT_EQ(app.GetPath(Path::kAlbumRegistryKey),
            "Software\\Pelkin Soft\\Harbo Suite\\Users\\taro\\Album");
  EXPECT_EQ(app.GetPath(Path::kSuiteRegistryKey), "Software\\Pelkin Soft\\Harbo Suite");
}

TEST_F(AppPaths, ColourSchemeNumbersAtTheIntegerLimitsStillNameAFile) {
  ASSERT_TRUE(Initialise());
  CHarboPhotoApp& app = TheApp();
  EXPECT_EQ(app.ColorSchemePath(INT_MAX), usersFolder_ + "/color2147483648.dat");
  EXPECT_EQ(app.ColorSchemePath(INT_MIN), usersFolder_ + "/color-2147483647.dat");
  // No such file: the drawing resources keep their built-in look.
  EXPECT_TRUE(app.ApplyColorScheme(INT_MAX));
  EXPECT_EQ(app.colorScheme(), INT_MAX);
  EXPECT_TRUE(app.ApplyColorScheme(0));
}

TEST_F(AppPaths, WithoutAUsersFolderTheDataFolderIsTheDataRootPlusUsers) {
  block_.usersFolder = "";
  ASSERT_TRUE(Initialise());
  EXPECT_EQ(TheApp().GetPath(Path::kDataFolder), dataRoot_ + "/Users");
  EXPECT_EQ(TheApp().GetPath(Path::kUsersFolder), dataRoot_);
}

TEST_F(AppPaths, TheAlbumFolderNameComesFromTheSuiteContext) {
  std::strcpy(suite_.context.moduleFolderNames[1], "Photos");
  ASSERT_TRUE(Initialise());
  EXPECT_EQ(TheApp().GetPath(Path::kAlbumFolder), usersFolder_ + "/taro/Photos");
}

TEST_F(AppPaths, ChangingTheUserMovesTheDatabaseButNotTheSharedFolders) {
  ASSERT_TRUE(Initialise());
  CHarboPhotoApp& app = TheApp();
  const Cp932String log = app.GetPath(Path::kLogFolder);
  app.SetUser("hanako");
  EXPECT_EQ(app.DatabasePath(), usersFolder_ + "/hanako/Album/HBPH0200.dat");
  EXPECT_EQ(app.GetPath(Path::kWorkFolder), usersFolder_ + "/hanako/Work");
  EXPECT_EQ(app.GetPath(Path::kUserRegistryKey),
            "Software\\Pelkin Soft\\Harbo Suite\\Users\\hanako");
  EXPECT_EQ(app.GetPath(Path::kLogFolder), log);
}

TEST_F(AppPaths, ASecondInitialiseOnAnInitialisedObjectChangesNothing) {
  ASSERT_TRUE(Initialise());
  const std::string other = temp_.file("Other");
  block_.usersFolder = other.c_str();
  EXPECT_EQ(TheApp().Initialise(suite::kAlbumModule, block_, 1), 1);
  EXPECT_EQ(TheApp().GetPath(Path::kDataFolder), usersFolder_);
}

TEST_F(AppPaths, AMissingToolObjectFailsWithError5OnlyWhenReporting) {
  CHarboPhotoApp& app = TheApp();
  app.SetToolForTest(nullptr);
  EXPECT_EQ(app.Initialise(suite::kAlbumModule, block_, 0), 0);
  EXPECT_EQ(suite_.error.code, 0);
  EXPECT_EQ(app.Initialise(suite::kAlbumModule, block_, 1), 0);
  EXPECT_EQ(suite_.error.code, suite::kErrorNoTool);
  app.SetToolForTest(std::make_unique<CWinAppCdma_Tool>());
}

TEST_F(AppPaths, OpeningTheAlbumMakesEveryLevelOfItsFolder) {
  ASSERT_TRUE(TheApp().TakeHostParameters(block_, 1));
  EXPECT_TRUE(std::filesystem::is_directory(usersFolder_ + "/taro/Album"));
}

namespace {

// Every file and folder below a folder, by its path relative to it.
std::set<std::string> Tree(const std::string& folder) {
  std::set<std::string> paths;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored))
    paths.insert(std::filesystem::relative(entry.path(), folder).string());
  return paths;
}

// The names of the subkeys of a key, or nothing when the key does not exist.
std::set<std::string> Subkeys(const std::string& path) {
  std::set<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != 0) return names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD bytes = sizeof name;
    if (RegEnumKeyExA(key, i, name, &bytes, nullptr, nullptr, nullptr, nullptr) != 0) break;
    names.insert(name);
  }
  RegCloseKey(key);
  return names;
}

constexpr const char* kUsersKey = "Software\\Pelkin Soft\\Harbo Suite\\Users";

struct RefusedName {
  const char* what;
  Cp932String name;
};

void PrintTo(const RefusedName& c, std::ostream* os) {
  *os << c.what;
}

// A user named so that the user's folder or key would not be one folder below the users
// folder: each of these would reach somewhere else.
class RefusedUserName : public AlbumFixture, public testing::WithParamInterface<RefusedName> {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(TheApp().TakeHostParameters(block_, 1));
    database_ = TheApp().DatabasePath();
    files_ = Tree(temp_.path());
    keys_ = Subkeys(kUsersKey);
    suite_.error = {};
    name_ = GetParam().name;
    block_.userName = name_.c_str();
  }

  // Nothing was made for the refused name and the open album is still the one it was.
  void ExpectNothingTaken() {
    EXPECT_EQ(suite_.error.code, suite::kErrorUserNameRefused);
    EXPECT_TRUE(cp932::ToUtf8(suite_.error.text).has_value()) << "the record is readable text";
    EXPECT_EQ(TheApp().userName(), user_);
    EXPECT_EQ(TheApp().DatabasePath(), database_);
    EXPECT_EQ(Tree(temp_.path()), files_);
    EXPECT_EQ(Subkeys(kUsersKey), keys_);
  }

  Cp932String name_;
  Cp932String database_;
  std::set<std::string> files_;
  std::set<std::string> keys_;
};

}  // namespace

TEST_P(RefusedUserName, FromTheTreeSettingFailsTheInitialisationAndMakesNothing) {
  const std::string elsewhere = temp_.file("Elsewhere");
  block_.usersFolder = elsewhere.c_str();
  EXPECT_FALSE(TheApp().TakeHostParameters(block_, 1));
  ExpectNothingTaken();
  EXPECT_FALSE(std::filesystem::exists(elsewhere)) << "no other value of the block was taken";
}

TEST_P(RefusedUserName, FromADataFolderChangeChangesNothing) {
  const std::string elsewhere = temp_.file("Elsewhere");
  EXPECT_FALSE(TheApp().SetDataFolder(elsewhere, name_));
  TheApp().OpenUserAlbum();
  ExpectNothingTaken();
  EXPECT_EQ(TheApp().GetPath(Path::kDataFolder), usersFolder_);
}

TEST_P(RefusedUserName, IsNeverTakenBySetUser) {
  EXPECT_FALSE(TheApp().SetUser(name_));
  TheApp().OpenUserAlbum();
  ExpectNothingTaken();
}

INSTANTIATE_TEST_SUITE_P(
    Names, RefusedUserName,
    testing::Values(RefusedName{"Empty", ""}, RefusedName{"Dot", "."}, RefusedName{"DotDot", ".."},
                    RefusedName{"ClimbsOut", "../x"}, RefusedName{"TwoLevels", "a/b"},
                    RefusedName{"TwoKeys", "a\\b"}, RefusedName{"NotCodePage932", "a\x80"},
                    RefusedName{"DanglingLeadByte", "x\xfa"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(AppPaths, TheRecordNamesARefusedUserWithItsUnreadableBytesInHex) {
  block_.userName = "../\x80";
  EXPECT_FALSE(TheApp().TakeHostParameters(block_, 1));
  const std::string text = cp932::ToUtf8Lossy(suite_.error.text);
  EXPECT_NE(text.find("../\\x80"), std::string::npos) << text;
}

TEST_F(AppPaths, UsersWhoseNamesHaveBackslashTrailBytesGetOneFolderAndOneKey) {
  // "表", "ソ" and "纊" end in 0x5C, the separator's byte: one character each, also in the
  // users key the host gives.
  const std::string usersKey = cp932::Lit("Software\\Pelkin Soft\\Harbo Suite\\ユーザー表");
  block_.usersRegistryKey = usersKey.c_str();
  for (const char* utf8 : {"表ソ", "纊"}) {
    const Cp932String name = cp932::Lit(utf8);
    block_.userName = name.c_str();
    ASSERT_TRUE(TheApp().TakeHostParameters(block_, 1)) << utf8;
    EXPECT_TRUE(std::filesystem::is_directory(usersFolder_ + "/" + utf8 + "/Album")) << utf8;
    const std::set<std::string> users = Subkeys(usersKey);
    EXPECT_EQ(users.count(name), 1u) << utf8;
    EXPECT_EQ(users.count(name.substr(0, 1)), 0u) << "no level made from half a character";
  }
  EXPECT_EQ(TheApp().GetPath(Path::kSuiteRegistryKey), "Software\\Pelkin Soft\\Harbo Suite");
  EXPECT_EQ(suite_.error.code, 0);
}

TEST_F(AppPaths, AnAlbumFolderUnderAFileFailsCleanly) {
  std::filesystem::create_directories(usersFolder_);
  {
    FILE* f = std::fopen((usersFolder_ + "/taro").c_str(), "w");
    std::fclose(f);
  }
  ASSERT_TRUE(Initialise());
  EXPECT_FALSE(TheApp().MakeAlbumFolder());
}

class AppSettings : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
  }
};

TEST_F(AppSettings, NumbersAndTextsRoundTripUnderTheAlbumKey) {
  CHarboPhotoApp& app = TheApp();
  ASSERT_TRUE(app.WriteInt("Main", "Sort", static_cast<int>(0x80000001u)));
  ASSERT_TRUE(app.WriteText("Favorite", "Name1", cp932::Lit("家族")));
  EXPECT_EQ(static_cast<uint32_t>(app.ReadInt("Main", "Sort", 2)), 0x80000001u);
  EXPECT_EQ(app.ReadText("Favorite", "Name1", ""), cp932::Lit("家族"));
  // A text is not a number: the default comes back.
  EXPECT_EQ(app.ReadInt("Favorite", "Name1", 9), 9);
  app.SetUser("other");
  EXPECT_EQ(app.ReadInt("Main", "Sort", 2), 2);
}

TEST_F(AppSettings, TheSuiteLibraryAndThePlatformCallsReachTheSameValues) {
  suite_.context.fileAccessMode = 1;
  ASSERT_TRUE(TheApp().WriteInt("Main", "ImageSize", 240));
  suite_.context.fileAccessMode = 0;
  EXPECT_EQ(TheApp().ReadInt("Main", "ImageSize", 160), 240);
}

namespace {

// Timers that only record; the test fires them by sending WM_TIMER.
class FakeTimers : public win::TimerSource {
 public:
  void Start(HWND window, uintptr_t id, UINT ms) override { started.push_back({window, id, ms}); }
  void Stop(HWND window, uintptr_t id) override { stopped.push_back({window, id, 0}); }
  struct Timer {
    HWND window;
    uintptr_t id;
    UINT ms;
  };
  std::vector<Timer> started;
  std::vector<Timer> stopped;
};

class PhoneAccess : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    win::SetTimerSourceForTest(&timers_);
  }
  void TearDown() override {
    win::SetTimerSourceForTest(nullptr);
    AlbumFixture::TearDown();
  }
  void Refuse(int32_t reason) {
    suite_.host.permissionAnswer = 0;
    suite_.host.refusalReason = reason;
  }
  std::string LastBox() const { return boxes_.empty() ? "" : boxes_.back().text; }

  FakeTimers timers_;
};

}  // namespace

TEST_F(PhoneAccess, GrantedAccessRegistersTheAlbumsPhoneOperation) {
  EXPECT_EQ(TheApp().CheckPhoneAccess(7), 1);
  EXPECT_EQ(suite::GetRunningPhoneOperation(0), 65536 + 2);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(suite::EndOperation(2, 1, 1), 1);
}

TEST_F(PhoneAccess, EachRefusalReasonShowsItsMessage) {
  Refuse(1);
  EXPECT_EQ(TheApp().CheckPhoneAccess(7), 0);
  EXPECT_NE(LastBox().find("起動処理中"), std::string::npos);
  EXPECT_EQ(boxes_.back().type, MB_ICONEXCLAMATION);
  Refuse(7);
  TheApp().CheckPhoneAccess(7);
  EXPECT_EQ(LastBox(), "ケータイと通信中です。しばらくたってから再度実行してください。");
  const size_t shown = boxes_.size();
  Refuse(2);
  TheApp().CheckPhoneAccess(7);
  Refuse(6);
  TheApp().CheckPhoneAccess(7);
  EXPECT_EQ(boxes_.size(), shown);
  EXPECT_EQ(suite_.Entries(), 0);
}

TEST_F(PhoneAccess, WithoutTheHostsWindowTheOperationIsNotAccepted) {
  suite_.host.DestroyWindow();
  EXPECT_EQ(TheApp().CheckPhoneAccess(7), 0);
  EXPECT_EQ(LastBox(), "操作を受け付けません。");
  EXPECT_EQ(suite_.Entries(), 0);
}

TEST_F(PhoneAccess, Reason8MeansNoPhoneOnlyWhenNoneIsConnected) {
  Refuse(8);
  suite_.host.phoneConnected = 0;
  TheApp().CheckPhoneAccess(7);
  EXPECT_NE(LastBox().find("ケータイが接続されていないため"), std::string::npos);
  suite_.host.phoneConnected = 1;
  TheApp().CheckPhoneAccess(7);
  EXPECT_NE(LastBox().find("通信中のため、指定した機能を実行できません。"), std::string::npos);
}

TEST_F(PhoneAccess, WhileAnotherModuleTalksTheWaitDialogCanBeCancelled) {
  ASSERT_EQ(suite::BeginOperation(1, 1, 0, 0, 0), 1);
  int dialogs = 0;
  win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
    ++dialogs;
    EXPECT_EQ(dialog.templateId(), 24030u);
    dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
    return 0;
  });
  EXPECT_EQ(TheApp().CheckPhoneAccess(7), 0);
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(boxes_.empty());
  ASSERT_FALSE(timers_.stopped.empty());
}

TEST_F(PhoneAccess, TheWaitDialogGivesUpAfterSixTicksOfTenSeconds) {
  ASSERT_EQ(suite::BeginOperation(1, 1, 0, 0, 0), 1);
  int ticks = 0;
  win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
    EXPECT_EQ(timers_.started.back().ms, 10000u);
    while (!dialog.ended() && ticks < 10) {
      dialog.SendMessage(WM_TIMER, CExclusive::kTimerId, 0);
      ++ticks;
    }
    return 0;
  });
  EXPECT_EQ(TheApp().CheckPhoneAccess(7), 0);
  EXPECT_EQ(ticks, 6);
  // The other module still holds the phone, so the album is told to try later.
  EXPECT_EQ(LastBox(), "ケータイと通信中です。しばらくたってから再度実行してください。");
}

TEST_F(PhoneAccess, TheWaitDialogClosesOnceTheOtherModuleIsDone) {
  ASSERT_EQ(suite::BeginOperation(1, 1, 0, 0, 0), 1);
  win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
    dialog.SendMessage(WM_TIMER, CExclusive::kTimerId, 0);
    EXPECT_FALSE(dialog.ended());
    suite::EndOperation(1, 1, 0);
    dialog.SendMessage(WM_TIMER, CExclusive::kTimerId, 0);
    EXPECT_TRUE(dialog.ended());
    return 0;
  });
  EXPECT_EQ(TheApp().CheckPhoneAccess(7), 1);
  EXPECT_EQ(suite::EndOperation(2, 1, 0), 1);
}

TEST_F(AppSettings, OpenDocumentMapsShellFailuresToMessages) {
  std::string launched;
  shell::SetLauncherForTest([&](const std::string& target) {
    launched = target;
    return false;
  });
  Cp932String message;
  const std::string file = temp_.file("a.jpg");
  {
    FILE* f = std::fopen(file.c_str(), "w");
    std::fclose(f);
  }
  EXPECT_EQ(TheApp().OpenDocument(file, &message), 0);
  EXPECT_EQ(launched, file);
  EXPECT_NE(message.find(cp932::Lit("関連づけられたアプリケーションが見つかりません")),
            std::string::npos);
  EXPECT_EQ(TheApp().OpenDocument(temp_.file("missing.jpg"), &message), 0);
  EXPECT_EQ(message, cp932::Lit("ファイルが見つかりません。"));
  shell::SetLauncherForTest([](const std::string&) { return true; });
  EXPECT_EQ(TheApp().OpenDocument(file, &message), 1);
  shell::SetLauncherForTest(nullptr);
}
