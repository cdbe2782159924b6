#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/fileio/FileIo.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

void WriteDiskFile(const std::string& path, const std::string& data) {
  std::ofstream(path, std::ios::binary) << data;
}

std::string DiskFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int EntriesIn(const std::string& folder) {
  std::error_code ec;
  return static_cast<int>(std::distance(fs::directory_iterator(folder, ec), {}));
}

class FileIo : public testing::Test {
 protected:
  void TearDown() override { fileio::FailNthWriteForTest(0); }
  Cp932String Path(const char* utf8Name) const { return cp932::Lit(dir.file(utf8Name)); }
  TempDir dir;
};

TEST_F(FileIo, WritesCodePage932NamesToTheDiskInUtf8AndListsThemBack) {
  ASSERT_TRUE(fileio::WriteFileAtomic(Path("写真ｱ①.jpg"), "data"));
  EXPECT_TRUE(fs::exists(dir.file("写真ｱ①.jpg")));
  const auto entries = fileio::ListFolder(cp932::Lit(dir.path()));
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 1u);
  EXPECT_EQ((*entries)[0].name, cp932::Lit("写真ｱ①.jpg"));
  EXPECT_EQ((*entries)[0].size, 4u);
}

TEST_F(FileIo, LeavesOutDiskNamesWithoutAnExactCodePage932Form) {
  WriteDiskFile(dir.file("caf\xc3\xa9.jpg"), "x");
  WriteDiskFile(dir.file("\xe3\x80\x9c.jpg"), "x");  // comes back as U+FF5E, another file
  WriteDiskFile(dir.file("ok.jpg"), "x");
  int skipped = 0;
  const auto entries = fileio::ListFolder(cp932::Lit(dir.path()), &skipped);
  ASSERT_TRUE(entries.has_value());
  EXPECT_EQ(skipped, 2);
  ASSERT_EQ(entries->size(), 1u);
  EXPECT_EQ((*entries)[0].name, "ok.jpg");
}

TEST_F(FileIo, RefusesAPathThatIsNotCodePage932) {
  EXPECT_FALSE(fileio::ToDiskPath("bad\x80name").has_value());
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
  EXPECT_FALSE(fileio::WriteFileAtomic("bad\x80name", "x"));
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
}

TEST_F(FileIo, CreatesEveryLevelOfAFolderPathWithEitherLibrary) {
  for (const bool suite : {false, true}) {
    const Cp932String deep = Path(suite ? "a/b/アルバム" : "c/d/e/");
    ASSERT_TRUE(fileio::CreateFolderPath(deep, suite));
    EXPECT_TRUE(fileio::IsDirectory(deep));
    EXPECT_TRUE(fileio::CreateFolderPath(deep, suite)) << "an existing path is no failure";
  }
}

TEST_F(FileIo, ReportsAFolderPathThatRunsThroughAFile) {
  WriteDiskFile(dir.file("file"), "x");
  EXPECT_FALSE(fileio::CreateFolderPath(Path("file/sub/deeper"), true));
  EXPECT_NE(GetLastError(), ERROR_SUCCESS);
  EXPECT_FALSE(fs::exists(dir.file("file/sub")));
}

TEST_F(FileIo, ReportsAReadOnlyParentWhenNotRunningAsRoot) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  fs::create_directory(dir.file("locked"));
  fs::permissions(dir.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(fileio::CreateFolderPath(Path("locked/sub"), false));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

struct ErrorCase {
  const char* what;
  std::function<BOOL(const TempDir&, DWORD*)> call;
  DWORD expected;
};

class FileIoErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(FileIoErrors, ReportTheMatchingCodeThroughBothChannels) {
  TempDir dir;
  WriteDiskFile(dir.file("a.txt"), "old a");
  WriteDiskFile(dir.file("b.txt"), "old b");
  fs::create_directory(dir.file("full"));
  WriteDiskFile(dir.file("full/x"), "x");
  DWORD info = 0xDEAD;
  EXPECT_FALSE(GetParam().call(dir, &info));
  EXPECT_EQ(GetLastError(), GetParam().expected);
  EXPECT_EQ(info, GetParam().expected);
  EXPECT_EQ(DiskFileText(dir.file("a.txt")), "old a") << "a failed call changes nothing";
  EXPECT_EQ(DiskFileText(dir.file("b.txt")), "old b");
}

std::string In(const TempDir& dir, const char* name) {
  return dir.file(name);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, FileIoErrors,
    testing::Values(
        ErrorCase{"DeleteMissingFile",
                  [](const TempDir& d, DWORD* e) { return AdDeleteFileA(In(d, "no").c_str(), e); },
                  ERROR_FILE_NOT_FOUND},
        ErrorCase{
            "DeleteInMissingFolder",
            [](const TempDir& d, DWORD* e) { return AdDeleteFileA(In(d, "no/x").c_str(), e); },
            ERROR_PATH_NOT_FOUND},
        ErrorCase{
            "DeleteFolder",
            [](const TempDir& d, DWORD* e) { return AdDeleteFileA(In(d, "full").c_str(), e); },
            ERROR_ACCESS_DENIED},
        ErrorCase{"CreateExistingFolder",
                  [](const TempDir& d, DWORD* e) {
                    return AdCreateDirectoryA(In(d, "full").c_str(), nullptr, e);
                  },
                  ERROR_ALREADY_EXISTS},
        ErrorCase{"CopyOntoExisting",
                  [](const TempDir& d, DWORD* e) {
                    return AdCopyFileA(In(d, "a.txt").c_str(), In(d, "b.txt").c_str(), 1, e);
                  },
                  ERROR_FILE_EXISTS},
        ErrorCase{"CopyMissing",
                  [](const TempDir& d, DWORD* e) {
                    return AdCopyFileA(In(d, "no").c_str(), In(d, "b.txt").c_str(), 0, e);
                  },
                  ERROR_FILE_NOT_FOUND},
        ErrorCase{"MoveOntoExisting",
                  [](const TempDir& d, DWORD* e) {
                    return AdMoveFileA(In(d, "a.txt").c_str(), In(d, "b.txt").c_str(), e);
                  },
                  ERROR_ALREADY_EXISTS},
        ErrorCase{"AttributesOfMissing",
                  [](const TempDir& d, DWORD* e) {
                    return AdSetFileAttributesA(In(d, "no/x").c_str(), 0, e);
                  },
                  ERROR_PATH_NOT_FOUND},
        ErrorCase{"RemoveFullFolder",
                  [](const TempDir& d, DWORD* e) {
                    *e = RemoveDirectoryA(In(d, "full").c_str()) ? 0 : GetLastError();
                    return 0;
                  },
                  ERROR_DIR_NOT_EMPTY},
        ErrorCase{"DeleteReadOnly",
                  [](const TempDir& d, DWORD* e) {
                    SetFileAttributesA(In(d, "full/x").c_str(), FILE_ATTRIBUTE_READONLY);
                    return AdDeleteFileA(In(d, "full/x").c_str(), e);
                  },
                  ERROR_ACCESS_DENIED}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.what); });

TEST_F(FileIo, MapsTheReadOnlyAttributeToTheOwnerWriteBit) {
  const Cp932String file = Path("photo.jpg");
  ASSERT_TRUE(fileio::WriteFileAtomic(file, "x"));
  EXPECT_EQ(GetFileAttributesA(file.c_str()), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(fs::status(dir.file("photo.jpg")).permissions() & fs::perms::owner_write,
            fs::perms::none);
  EXPECT_EQ(GetFileAttributesA(file.c_str()), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(fileio::WriteFileAtomic(file, "y")) << "a read-only file is not replaced";
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(GetFileAttributesA(cp932::Lit(dir.path()).c_str()), FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(GetFileAttributesA(Path("missing").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(FileIo, CopiesAndMovesWholeFiles) {
  const Cp932String a = Path("a"), b = Path("b"), c = Path("c");
  ASSERT_TRUE(fileio::WriteFileAtomic(a, "contents"));
  ASSERT_TRUE(CopyFileA(a.c_str(), b.c_str(), 1));
  ASSERT_TRUE(MoveFileA(b.c_str(), c.c_str()));
  EXPECT_EQ(fileio::ReadFile(c), "contents");
  EXPECT_FALSE(fileio::Exists(b));
  EXPECT_EQ(EntriesIn(dir.path()), 2) << "no temporary file is left";
}

TEST_F(FileIo, KeepsTheOldFileWholeWhenTheNthWriteFails) {
  const Cp932String file = Path("album.db");
  const std::string big(100000, 'n');
  ASSERT_TRUE(fileio::WriteFileAtomic(file, "old"));
  fileio::FailNthWriteForTest(2);
  EXPECT_TRUE(fileio::WriteFileAtomic(file, "first"));
  EXPECT_FALSE(fileio::WriteFileAtomic(file, big));
  EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
  EXPECT_EQ(fileio::ReadFile(file), "first");
  EXPECT_EQ(EntriesIn(dir.path()), 1) << "the partly written temporary file is gone";
  EXPECT_TRUE(fileio::WriteFileAtomic(file, big)) << "only the n-th write fails";
  EXPECT_EQ(fileio::FileSize(file), big.size());
}

TEST_F(FileIo, ReportsWritesAndReadsInMissingFolders) {
  EXPECT_FALSE(fileio::WriteFileAtomic(Path("no/such/file"), "x"));
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_FALSE(fileio::ReadFile(Path("missing")).has_value());
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(fileio::ReadFile(cp932::Lit(dir.path())).has_value());
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

}  // namespace
