#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>

#include "library/AlbumStorage.h"
#include "platform/fileio/FileIo.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

class AlbumStorage : public LibraryFixture {
 protected:
  void SetUp() override {
    LibraryFixture::SetUp();
    staging_ = albumstorage::StagingFolder(false);
    ASSERT_TRUE(albumstorage::MakeFolder(staging_));
  }

  std::string Stage(const std::string& name, const std::string& content = "photo") {
    const std::string path = staging_ + "/" + name;
    WriteBytes(path, content);
    return path;
  }

  std::string MonthFolderOf(const std::string& path) {
    const time_t written = static_cast<time_t>(*fileio::LastWriteTime(path));
    tm local{};
    localtime_r(&written, &local);
    return albumstorage::MonthFolder(local.tm_year + 1900, local.tm_mon + 1);
  }

  // Stores a staged file and adds its record, as the phone reading does.
  int StoreAndAdd(const std::string& staged, Cp932String* path) {
    Cp932String name;
    if (!library_.StorePhoneFile(staged, path, &name)) return 0;
    return library_.AddFile(4, *path, 2024, 1, 1, 0, 0, 0, 0) != nullptr;
  }

  std::string staging_;
};

TEST_F(AlbumStorage, ReceivingTheSameNameThriceNumbersTheLaterCopies) {
  Cp932String first, second, third;
  const std::string folder = MonthFolderOf(Stage("A.JPG"));
  ASSERT_EQ(StoreAndAdd(staging_ + "/A.JPG", &first), 1);
  Stage("A.JPG", "two");
  ASSERT_EQ(StoreAndAdd(staging_ + "/A.JPG", &second), 1);
  Stage("A.JPG", "three");
  ASSERT_EQ(StoreAndAdd(staging_ + "/A.JPG", &third), 1);
  EXPECT_EQ(first, folder + "/A.JPG");
  EXPECT_EQ(second, folder + "/A(2).JPG");
  EXPECT_EQ(third, folder + "/A(3).JPG");
  EXPECT_EQ(ReadBytes(third), "three");
  EXPECT_FALSE(fileio::Exists(staging_ + "/A.JPG")) << "the staging file is gone";
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(AlbumStorage, AFileWithoutRecordIsOverwrittenOnlyWhenTheUserSaysYes) {
  const std::string staged = Stage("B.jpg", "new");
  const std::string target = MonthFolderOf(staged) + "/B.jpg";
  fileio::CreateFolderPath(MonthFolderOf(staged), false);
  WriteBytes(target, "old");
  boxAnswer_ = IDNO;
  Cp932String path, name;
  EXPECT_EQ(library_.StorePhoneFile(staged, &path, &name), 0);
  EXPECT_EQ(ReadBytes(target), "old");
  EXPECT_FALSE(fileio::Exists(staged)) << "the staging file is deleted on failure too";
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, target + "と同じ名前が存在します。\n上書しますか？");
  EXPECT_EQ(boxes_[0].type, 0x24u);

  boxAnswer_ = IDYES;
  Stage("B.jpg", "new");
  ASSERT_EQ(library_.StorePhoneFile(staged, &path, &name), 1);
  EXPECT_EQ(path, target);
  EXPECT_EQ(name, "B.jpg");
  EXPECT_EQ(ReadBytes(target), "new");
}

TEST_F(AlbumStorage, APhoneFileIsMovedIntoPlaceWritableAndWithItsTimes) {
  const std::string staged = Stage("C.jpg", "a large photo");
  ASSERT_EQ(chmod(staged.c_str(), 0444), 0);
  struct stat before {};
  ASSERT_EQ(stat(staged.c_str(), &before), 0);
  Cp932String path, name;
  ASSERT_EQ(library_.StorePhoneFile(staged, &path, &name), 1);
  struct stat after {};
  ASSERT_EQ(stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "one rename, not a second copy";
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_FALSE(fileio::Exists(staged));
}

TEST_F(AlbumStorage, RefusesAStagingFileWithoutExtensionOrThatIsMissing) {
  Cp932String path, name;
  EXPECT_EQ(library_.StorePhoneFile(Stage("noext"), &path, &name), 0);
  EXPECT_EQ(library_.StorePhoneFile(staging_ + "/missing.jpg", &path, &name), 0);
}

TEST_F(AlbumStorage, ImportKeepsTheSourceAndGivesAWritableCopy) {
  TempDir source;
  const std::string file = source.file("holiday.jpg");
  WriteBytes(file, "pc");
  ASSERT_EQ(chmod(file.c_str(), 0444), 0);
  Cp932String path, sourceName;
  ASSERT_EQ(library_.StoreImportedFile(file, &path, &sourceName), 1);
  EXPECT_EQ(path, albumstorage::PcFolder() + "/holiday.jpg");
  EXPECT_EQ(sourceName, "holiday.jpg");
  EXPECT_TRUE(fileio::IsFile(file));
  EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(AlbumStorage, ImportRefusesAnExtensionThatBelongsToAFolder) {
  TempDir source;
  fileio::CreateFolderPath(source.file("v1.2"), false);
  WriteBytes(source.file("v1.2/readme"), "x");
  Cp932String path, name;
  EXPECT_EQ(library_.StoreImportedFile(source.file("v1.2/readme"), &path, &name), 0);
}

struct TitleCase {
  std::string title;
  size_t storedBytes;
};

class ImportTitleCut : public AlbumStorage, public testing::WithParamInterface<TitleCase> {};

TEST_P(ImportTitleCut, LongTitlesAreCutTo90BytesWithoutSplittingACharacter) {
  TempDir source;
  const std::string file = source.path() + "/" + GetParam().title + ".jpg";
  std::optional<std::string> disk = fileio::ToDiskPath(file);
  ASSERT_TRUE(disk);
  WriteBytes(*disk, "x");
  Cp932String path, sourceName;
  ASSERT_EQ(library_.StoreImportedFile(file, &path, &sourceName), 1);
  EXPECT_EQ(sourceName.size(), GetParam().storedBytes + 4);
  EXPECT_EQ(sourceName, GetParam().title.substr(0, GetParam().storedBytes) + ".jpg");
  EXPECT_TRUE(cp932::ToUtf8(sourceName).has_value()) << "no half character";
}

const Cp932String kKanji = cp932::Lit("写");

INSTANTIATE_TEST_SUITE_P(
    Titles, ImportTitleCut,
    testing::Values(TitleCase{std::string(100, 't'), 90}, TitleCase{std::string(90, 't'), 90},
                    // 89 single bytes, then a two-byte character over the 90th byte.
                    TitleCase{std::string(89, 't') + kKanji + "tail", 89},
                    TitleCase{std::string(88, 't') + kKanji + "tail", 90}));

TEST_F(AlbumStorage, NumberedImportNamesStayWithinTheTitleLimit) {
  TempDir source;
  const std::string title(90, 'n');
  const std::string file = source.file(title + ".jpg");
  WriteBytes(file, "x");
  Cp932String first, second, name;
  ASSERT_EQ(library_.StoreImportedFile(file, &first, &name), 1);
  ASSERT_NE(library_.AddFile(4 | 8, first, 2024, 1, 1, 0, 0, 0, 0), nullptr);
  ASSERT_EQ(library_.StoreImportedFile(file, &second, &name), 1);
  EXPECT_EQ(second, albumstorage::PcFolder() + "/" + std::string(87, 'n') + "(2).jpg");
  EXPECT_EQ(name, title + ".jpg") << "the source name keeps the whole title";
}

TEST_F(AlbumStorage, ImportOverwritesAnUnrecordedFileOnlyAfterYes) {
  TempDir source;
  WriteBytes(source.file("c.png"), "new");
  ASSERT_TRUE(albumstorage::MakeFolder(albumstorage::PcFolder()));
  const std::string target = albumstorage::PcFolder() + "/c.png";
  WriteBytes(target, "old");
  boxAnswer_ = IDNO;
  Cp932String path, name;
  EXPECT_EQ(library_.StoreImportedFile(source.file("c.png"), &path, &name), 0);
  EXPECT_EQ(ReadBytes(target), "old");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, target + "と同じ名前が存在します。\n上書してよろしいですか？");
  boxAnswer_ = IDYES;
  EXPECT_EQ(library_.StoreImportedFile(source.file("c.png"), &path, &name), 1);
  EXPECT_EQ(ReadBytes(target), "new");
  EXPECT_TRUE(fileio::IsFile(source.file("c.png")));
}

TEST_F(AlbumStorage, BurstCompositesGoToTheComboFolderAndTheTemporaryFileGoes) {
  const std::string work = TheApp().GetPath(CHarboPhotoApp::Path::kWorkFolder);
  const std::string jpeg = work + "/shot(連写).Jpg";
  const Cp932String cpJpeg = *cp932::FromUtf8(jpeg);
  WriteBytes(jpeg, "composite");
  Cp932String path, name;
  ASSERT_EQ(library_.StoreBurstComposite(cpJpeg, &path, &name), 1);
  EXPECT_EQ(path, albumstorage::ComboFolder() + "/" + cp932::Lit("shot(連写).Jpg"));
  EXPECT_FALSE(fileio::Exists(cpJpeg));
}

}  // namespace
