#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/fileio/FileIo.h"
#include "platform/registry/Registry.h"
#include "tests/support/TempDir.h"

namespace {

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Each test gets its own registry folder and an empty cache.
class Registry : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::getenv("HARBO_REGISTRY_DIR");
    setenv("HARBO_REGISTRY_DIR", dir_.path().c_str(), 1);
    registry::ResetCache();
  }
  void TearDown() override {
    fileio::FailNthWriteForTest(0);
    for (HKEY key : open_) RegCloseKey(key);
    setenv("HARBO_REGISTRY_DIR", saved_.c_str(), 1);
    registry::ResetCache();
  }
  HKEY Create(const char* path, DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              disposition),
              ERROR_REG_SUCCESS);
    open_.push_back(key);
    return key;
  }
  LONG Open(const char* path, HKEY* key, DWORD access = KEY_READ) {
    const LONG result = RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, access, key);
    if (result == ERROR_REG_SUCCESS) open_.push_back(*key);
    return result;
  }
  static LONG SetDword(HKEY key, const char* name, DWORD v) {
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), 4);
  }
  static DWORD GetDword(HKEY key, const char* name) {
    DWORD v = 0, size = 4;
    EXPECT_EQ(RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&v), &size),
              ERROR_REG_SUCCESS);
    return v;
  }
  std::string UserFile() const { return dir_.file("HKEY_CURRENT_USER.reg"); }

  TempDir dir_;
  std::string saved_;
  std::vector<HKEY> open_;
};

TEST_F(Registry, CreatesEveryLevelAndTellsCreatedFromOpened) {
  DWORD disposition = 0;
  Create("Software\\Harbo\\Album", &disposition);
  EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
  Create("software\\HARBO\\album\\", &disposition);
  EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY) << "names compare without ASCII case";
  HKEY middle = nullptr;
  EXPECT_EQ(Open("Software\\Harbo", &middle), ERROR_REG_SUCCESS);
  char name[16];
  DWORD nameBytes = sizeof name;
  ASSERT_EQ(RegEnumKeyExA(middle, 0, name, &nameBytes, nullptr, nullptr, nullptr, nullptr),
            ERROR_REG_SUCCESS);
  EXPECT_STREQ(name, "Album");
  EXPECT_EQ(nameBytes, 5u);
  nameBytes = sizeof name;
  EXPECT_EQ(RegEnumKeyExA(middle, 1, name, &nameBytes, nullptr, nullptr, nullptr, nullptr),
            ERROR_REG_NO_MORE_ITEMS);
}

// A key name made of one double-byte character whose trail byte is 0x5C, the byte of the
// path separator, from each range of lead bytes.
class RegistryBackslashTrail : public Registry, public testing::WithParamInterface<const char*> {};

TEST_P(RegistryBackslashTrail, NamesOneKeyNotTwo) {
  const Cp932String name = GetParam();
  Create(("Software\\Trail\\" + name + "\\Album").c_str());
  HKEY trail = nullptr;
  ASSERT_EQ(Open("Software\\Trail", &trail), ERROR_REG_SUCCESS);
  char found[16];
  DWORD bytes = sizeof found;
  ASSERT_EQ(RegEnumKeyExA(trail, 0, found, &bytes, nullptr, nullptr, nullptr, nullptr),
            ERROR_REG_SUCCESS);
  EXPECT_EQ(Cp932String(found), name);
  bytes = sizeof found;
  EXPECT_EQ(RegEnumKeyExA(trail, 1, found, &bytes, nullptr, nullptr, nullptr, nullptr),
            ERROR_REG_NO_MORE_ITEMS);
  HKEY album = nullptr;
  EXPECT_EQ(Open(("Software\\Trail\\" + name + "\\Album").c_str(), &album), ERROR_REG_SUCCESS);
  registry::ResetCache();
  EXPECT_EQ(Open(("Software\\Trail\\" + name + "\\Album").c_str(), &album), ERROR_REG_SUCCESS)
      << "the name survives the file too";
}

// 表, 濬, 纊, 犾 and a user-defined character, named by their lead bytes.
INSTANTIATE_TEST_SUITE_P(LeadBytes, RegistryBackslashTrail,
                         testing::Values("\x95\x5c", "\xe0\x5c", "\xfa\x5c", "\xfb\x5c",
                                         "\xf0\x5c"),
                         [](const auto& info) {
                           return "Lead" + std::to_string(static_cast<uint8_t>(info.param[0]));
                         });

struct ValueCase {
  const char* what;
  DWORD type;
  std::string data;
};

class RegistryValues : public Registry, public testing::WithParamInterface<ValueCase> {};

TEST_P(RegistryValues, SurviveTheFileByteForByte) {
  HKEY key = Create("Software\\Values");
  const ValueCase& v = GetParam();
  ASSERT_EQ(RegSetValueExA(key, "Value", 0, v.type, reinterpret_cast<const BYTE*>(v.data.data()),
                           static_cast<DWORD>(v.data.size())),
            ERROR_REG_SUCCESS);
  registry::ResetCache();
  DWORD type = 0, size = 0;
  ASSERT_EQ(RegQueryValueExA(key, "VALUE", nullptr, &type, nullptr, &size), ERROR_REG_SUCCESS);
  std::string back(size, '\0');
  ASSERT_EQ(
      RegQueryValueExA(key, "value", nullptr, &type, reinterpret_cast<BYTE*>(back.data()), &size),
      ERROR_REG_SUCCESS);
  EXPECT_EQ(type, v.type);
  EXPECT_EQ(back, v.data);
}

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Types, RegistryValues,
    testing::Values(ValueCase{"Dword", REG_DWORD, std::string("\x0a\0\0\x80", 4)},
                    ValueCase{"Text", REG_SZ, std::string("C:\\Photos\0", 10)},
                    ValueCase{"Cp932Text", REG_SZ, cp932::Lit("表ソ%\"=[]") + '\0'},
                    ValueCase{"EmptyText", REG_SZ, std::string(1, '\0')},
                    ValueCase{"Binary", REG_BINARY, AllBytes()},
                    ValueCase{"EmptyBinary", REG_BINARY, ""},
                    ValueCase{"OtherType", 7, std::string("a\0b\0\0", 5)}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.what); });

TEST_F(Registry, AnswersSizeQueriesAndShortBuffersAsThePlatformDoes) {
  HKEY key = Create("Software\\Sizes");
  ASSERT_EQ(RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("photo"), 5),
            ERROR_REG_SUCCESS);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExA(key, "Text", nullptr, nullptr, nullptr, &size), ERROR_REG_SUCCESS);
  EXPECT_EQ(size, 6u) << "a text is stored with its terminating zero";
  char small[3] = {'x', 'x', 'x'};
  size = sizeof small;
  EXPECT_EQ(RegQueryValueExA(key, "Text", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
            ERROR_REG_MORE_DATA);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(small[0], 'x');
  EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, nullptr, nullptr, &size),
            ERROR_REG_FILE_NOT_FOUND);
  EXPECT_EQ(RegSetValueExA(key, "Bad", 0, REG_DWORD, reinterpret_cast<const BYTE*>("ab"), 2),
            ERROR_REG_INVALID_PARAMETER);
}

TEST_F(Registry, EnumeratesValuesAndDeletesThem) {
  HKEY key = Create("Software\\Enum");
  ASSERT_EQ(SetDword(key, "First", 1), ERROR_REG_SUCCESS);
  ASSERT_EQ(SetDword(key, "Second", 2), ERROR_REG_SUCCESS);
  char name[4];
  DWORD nameBytes = sizeof name, type = 0;
  EXPECT_EQ(RegEnumValueA(key, 1, name, &nameBytes, nullptr, &type, nullptr, nullptr),
            ERROR_REG_MORE_DATA);
  nameBytes = sizeof name;
  EXPECT_EQ(RegEnumValueA(key, 2, name, &nameBytes, nullptr, &type, nullptr, nullptr),
            ERROR_REG_NO_MORE_ITEMS);
  ASSERT_EQ(RegDeleteValueA(key, "FIRST"), ERROR_REG_SUCCESS);
  EXPECT_EQ(RegDeleteValueA(key, "First"), ERROR_REG_FILE_NOT_FOUND);
  EXPECT_EQ(GetDword(key, "second"), 2u);
}

TEST_F(Registry, EnumeratingANameIntoABufferWithoutRoomForItsZeroWritesNothing) {
  Create("Software\\Exact\\Album");
  HKEY exact = nullptr;
  ASSERT_EQ(Open("Software\\Exact", &exact, KEY_ALL_ACCESS), ERROR_REG_SUCCESS);
  ASSERT_EQ(SetDword(exact, "Sizes", 7), ERROR_REG_SUCCESS);
  // Exactly as long as "Album" and "Sizes", on the heap so that one byte more is caught.
  const auto name = std::make_unique<char[]>(5);
  std::memset(name.get(), 'x', 5);
  DWORD bytes = 5;
  EXPECT_EQ(RegEnumKeyExA(exact, 0, name.get(), &bytes, nullptr, nullptr, nullptr, nullptr),
            ERROR_REG_MORE_DATA);
  EXPECT_EQ(std::string(name.get(), 5), "xxxxx");
  bytes = 5;
  DWORD type = 99, data = 0, dataBytes = sizeof data;
  EXPECT_EQ(RegEnumValueA(exact, 0, name.get(), &bytes, nullptr, &type,
                          reinterpret_cast<BYTE*>(&data), &dataBytes),
            ERROR_REG_MORE_DATA);
  EXPECT_EQ(std::string(name.get(), 5), "xxxxx");
  EXPECT_EQ(type, 99u);
  EXPECT_EQ(data, 0u);
  // One byte more is room enough; the count comes back without the zero.
  const auto room = std::make_unique<char[]>(6);
  bytes = 6;
  ASSERT_EQ(RegEnumKeyExA(exact, 0, room.get(), &bytes, nullptr, nullptr, nullptr, nullptr),
            ERROR_REG_SUCCESS);
  EXPECT_STREQ(room.get(), "Album");
  EXPECT_EQ(bytes, 5u);
  bytes = 6;
  ASSERT_EQ(RegEnumValueA(exact, 0, room.get(), &bytes, nullptr, &type,
                          reinterpret_cast<BYTE*>(&data), &dataBytes),
            ERROR_REG_SUCCESS);
  EXPECT_STREQ(room.get(), "Sizes");
  EXPECT_EQ(data, 7u);
}

TEST_F(Registry, RefusesToDeleteAKeyThatHasSubkeys) {
  Create("Software\\Parent\\Child");
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Parent"), ERROR_REG_ACCESS_DENIED);
  DWORD info = 0;
  EXPECT_EQ(AdRegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Parent\\child", &info),
            ERROR_REG_SUCCESS);
  EXPECT_EQ(info, 0u);
  EXPECT_EQ(AdRegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Parent\\Child", &info),
            ERROR_REG_FILE_NOT_FOUND);
  EXPECT_EQ(info, static_cast<DWORD>(ERROR_REG_FILE_NOT_FOUND));
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Parent"), ERROR_REG_SUCCESS);
}

TEST_F(Registry, RefusesClosedAndMadeUpHandles) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\H", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_REG_SUCCESS);
  ASSERT_EQ(RegCloseKey(key), ERROR_REG_SUCCESS);
  HKEY garbage = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x1234));
  for (HKEY bad : {key, garbage, static_cast<HKEY>(nullptr)}) {
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(bad, "x", nullptr, nullptr, nullptr, &size),
              ERROR_REG_INVALID_HANDLE);
    EXPECT_EQ(SetDword(bad, "x", 1), ERROR_REG_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(bad), ERROR_REG_INVALID_HANDLE);
    HKEY sub = nullptr;
    EXPECT_EQ(RegOpenKeyExA(bad, "x", 0, KEY_READ, &sub), ERROR_REG_INVALID_HANDLE);
  }
  EXPECT_EQ(RegRootFromValue(0), HKEY_CURRENT_USER);
}

TEST_F(Registry, HonoursTheRightsAHandleWasOpenedWith) {
  Create("Software\\Rights");
  HKEY reader = nullptr;
  ASSERT_EQ(Open("Software\\Rights", &reader, KEY_READ), ERROR_REG_SUCCESS);
  EXPECT_EQ(SetDword(reader, "x", 1), ERROR_REG_ACCESS_DENIED);
  EXPECT_EQ(Open("Software\\Missing", &reader), ERROR_REG_FILE_NOT_FOUND);
}

TEST_F(Registry, ReportsAKeyDeletedBehindAnOpenHandle) {
  HKEY key = Create("Software\\Gone");
  ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Gone"), ERROR_REG_SUCCESS);
  EXPECT_EQ(SetDword(key, "x", 1), ERROR_REG_KEY_DELETED);
  EXPECT_FALSE(FileText(UserFile()).find("Gone") != std::string::npos);
}

// Runs body in a child process and returns its exit status.
int InChild(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) _exit(body());
  int status = -1;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(Registry, SeesWhatAnotherProcessWrote) {
  HKEY key = Create("Software\\Shared");
  ASSERT_EQ(SetDword(key, "Count", 1), ERROR_REG_SUCCESS);
  ASSERT_EQ(InChild([] {
              HKEY child = nullptr;
              RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Shared", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &child, nullptr);
              DWORD v = 2;
              return RegSetValueExA(child, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v),
                                    4) == ERROR_REG_SUCCESS
                         ? 0
                         : 1;
            }),
            0);
  EXPECT_EQ(GetDword(key, "Count"), 2u) << "the cached copy is read again after the change";
  ASSERT_EQ(SetDword(key, "Mine", 3), ERROR_REG_SUCCESS);
  EXPECT_EQ(InChild([key] { return static_cast<int>(GetDword(key, "Mine")); }), 3);
}

TEST_F(Registry, KeepsTheSoundLinesOfADamagedFileAndSavesTheFileAside) {
  const std::string damaged =
      "HARBO-REGISTRY 1\n[Software\\Good]\n\"Kept\"=dword:0000002a\n\"Broken\"=dword:zz\n"
      "[Software\\Bad\n\"Orphan\"=dword:00000001\n[Software\\Good]\n\"Also\"=sz:\"yes\"\n";
  std::ofstream(UserFile(), std::ios::binary) << damaged;
  HKEY key = nullptr;
  ASSERT_EQ(Open("Software\\Good", &key, KEY_ALL_ACCESS), ERROR_REG_SUCCESS);
  EXPECT_EQ(GetDword(key, "Kept"), 42u);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExA(key, "Also", nullptr, nullptr, nullptr, &size), ERROR_REG_SUCCESS);
  EXPECT_EQ(RegQueryValueExA(key, "Orphan", nullptr, nullptr, nullptr, &size),
            ERROR_REG_FILE_NOT_FOUND);
  ASSERT_EQ(SetDword(key, "New", 1), ERROR_REG_SUCCESS);
  EXPECT_EQ(FileText(UserFile() + ".damaged"), damaged);
}

TEST_F(Registry, KeepsTheOldFileWholeWhenAWriteFails) {
  HKEY key = Create("Software\\Disk");
  ASSERT_EQ(SetDword(key, "Value", 1), ERROR_REG_SUCCESS);
  const std::string before = FileText(UserFile());
  fileio::FailNthWriteForTest(1);
  EXPECT_EQ(SetDword(key, "Value", 2), ERROR_REG_WRITE_FAULT);
  EXPECT_EQ(FileText(UserFile()), before);
  EXPECT_EQ(GetDword(key, "Value"), 1u) << "the failed change is not kept in memory either";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2)
      << "only the file and its lock file";
}

TEST_F(Registry, DeferredWritesReachTheFileOnceTheOutermostScopeEnds) {
  HKEY key = Create("Software\\Batch");
  ASSERT_EQ(SetDword(key, "Value", 1), ERROR_REG_SUCCESS);
  const std::string before = FileText(UserFile());
  {
    registry::DeferredWrites outer;
    {
      registry::DeferredWrites inner;
      ASSERT_EQ(SetDword(Create("Software\\Batch\\Sub"), "Value", 2), ERROR_REG_SUCCESS);
      ASSERT_EQ(SetDword(key, "Value", 3), ERROR_REG_SUCCESS);
      EXPECT_TRUE(inner.Commit());
    }
    EXPECT_EQ(GetDword(key, "Value"), 3u);
    EXPECT_EQ(FileText(UserFile()), before);
    EXPECT_TRUE(outer.Commit());
  }
  registry::ResetCache();
  HKEY sub = nullptr;
  ASSERT_EQ(Open("Software\\Batch\\Sub", &sub), ERROR_REG_SUCCESS);
  EXPECT_EQ(GetDword(sub, "Value"), 2u);
  EXPECT_EQ(GetDword(key, "Value"), 3u);
}

TEST_F(Registry, DeferredWritesThatFailAreForgottenAndReported) {
  HKEY key = Create("Software\\Batch");
  ASSERT_EQ(SetDword(key, "Value", 1), ERROR_REG_SUCCESS);
  registry::DeferredWrites batch;
  ASSERT_EQ(SetDword(key, "Value", 2), ERROR_REG_SUCCESS);
  fileio::FailNthWriteForTest(1);
  EXPECT_FALSE(batch.Commit());
  EXPECT_EQ(GetDword(key, "Value"), 1u);
}

TEST_F(Registry, LoadsOnlyTextThatIsARegistryFile) {
  const std::string good = "HARBO-REGISTRY 1\n[Software\\Parsed]\n\"v\"=dword:00000005\n";
  EXPECT_FALSE(registry::ParseForTest("[Software\\Parsed]\n", 18));
  HKEY key = nullptr;
  EXPECT_EQ(Open("Software\\Parsed", &key), ERROR_REG_FILE_NOT_FOUND);
  ASSERT_TRUE(registry::ParseForTest(good.data(), good.size()));
  ASSERT_EQ(Open("Software\\Parsed", &key), ERROR_REG_SUCCESS);
  EXPECT_EQ(GetDword(key, "v"), 5u);
}

}  // namespace
