#include <gtest/gtest.h>
#include <sys/stat.h>

#include "library/AlbumDatabase.h"
#include "platform/fileio/FileIo.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

void Put16(std::string& b, size_t at, uint16_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8);
}

void Put32(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}

// A version 1 entry as the oldest album wrote it: 824 bytes with its own layout.
std::string Version1Entry(const std::string& path, const std::string& name) {
  std::string b(albumdb::kVersion1EntryBytes, '\0');
  Put16(b, 0, 2019);
  Put16(b, 4, 8);
  Put16(b, 8, 21);
  b.replace(12, path.size(), path);
  b.replace(400, name.size(), name);
  Put32(b, 784, 0x5);
  Put32(b, 792, 9000);  // rotation in hundredths
  Put16(b, 800, 120);
  Put16(b, 808, 0x0804);  // colour operation 4 in the low byte, mosaic 8 in the high
  Put16(b, 812, static_cast<uint16_t>(-30));
  return b;
}

struct FileState {
  std::string bytes;
  int64_t written;
  size_t entriesInFolder;
};

class AlbumDatabase : public LibraryFixture {
 protected:
  void WriteDb(const std::string& bytes) { WriteBytes(DbPath(), bytes); }

  FileState State() {
    return {ReadBytes(DbPath()), fileio::LastWriteTime(DbPath()).value_or(-1),
            fileio::ListFolder(album_)->size()};
  }
};

TEST_F(AlbumDatabase, ReadsVersionThreeAndWritesVersionFour) {
  AlbumFile("2024/5/a.jpg", "aaaa");
  TempDir outside;
  WriteBytes(outside.file("b.png"), "bb");
  PhotoFileRecord a = RecordFor("*\\2024\\5\\a.jpg");
  std::strcpy(a.memo, "memo");
  a.favourites = 0x3;
  a.comboNumber = 12;
  a.reserved = 0x5A;
  AdjustmentRecord adjust;
  adjust.rotation = 270;
  adjust.contrast = -40;
  const PhotoFileRecord b = RecordFor(outside.file("b.png"), 0xC);
  WriteDb("PHOTOALBUM0003" + PlainEntry(a, adjust) + PlainEntry(b));

  ASSERT_EQ(library_.LoadAlbum(), 1);
  ASSERT_EQ(library_.count(), 2);
  EXPECT_EQ(library_.at(0)->path(), album_ + "/2024/5/a.jpg");
  EXPECT_EQ(library_.at(0)->size(), 4);
  EXPECT_EQ(library_.at(0)->memo(), "memo");
  EXPECT_EQ(library_.at(0)->sourceName(), "a.jpg");
  EXPECT_EQ(library_.at(0)->adjustments(), adjust);
  EXPECT_EQ(library_.at(1)->path(), outside.file("b.png"));

  ASSERT_EQ(library_.SaveAlbum(), 1);
  const std::string written = ReadBytes(DbPath());
  ASSERT_EQ(written.size(), albumdb::kHeaderBytes + 2 * albumdb::kEntryBytes);
  EXPECT_EQ(written.substr(0, 14), "PHOTOALBUM0004");
  EXPECT_EQ(written.find("a.jpg"), std::string::npos) << "entries are stored encrypted";

  CPhotoManager again;
  again.SetDatabasePath(DbPath());
  ASSERT_EQ(again.LoadAlbum(), 1);
  ASSERT_EQ(again.count(), 2);
  PhotoFileRecord first{}, second{};
  library_.at(0)->ToFileRecord(&first);
  again.at(0)->ToFileRecord(&second);
  EXPECT_EQ(std::memcmp(&first, &second, sizeof first), 0);
  EXPECT_EQ(again.at(0)->adjustments(), adjust);
  EXPECT_EQ(again.at(1)->path(), outside.file("b.png"));
}

TEST_F(AlbumDatabase, ReadsVersionTwoEntriesAsPlainRecords) {
  const PhotoFileRecord a = RecordFor(AlbumFile("x.jpg"));
  WriteDb("PHOTOALBUM0002" + PlainEntry(a));
  ASSERT_EQ(library_.LoadAlbum(), 1);
  ASSERT_EQ(library_.count(), 1);
  EXPECT_EQ(library_.at(0)->DateNumber(), 20240517);
}

TEST_F(AlbumDatabase, VersionFourEncryptsEveryEntryFromTheKeysInitialState) {
  const std::string path = AlbumFile("same.jpg");
  library_.AddRecord(RecordFor(path), nullptr);
  library_.AddRecord(RecordFor(path), nullptr);
  ASSERT_EQ(library_.SaveAlbum(), 1);
  const std::string written = ReadBytes(DbPath());
  ASSERT_EQ(written.size(), 14 + 2 * albumdb::kEntryBytes);
  EXPECT_EQ(written.substr(14, albumdb::kEntryBytes),
            written.substr(14 + albumdb::kEntryBytes, albumdb::kEntryBytes));
}

TEST_F(AlbumDatabase, ReadsVersionOneEntriesAndSkipsThoseWithoutFile) {
  const std::string path = AlbumFile("old.jpg", "123456");
  const std::string bytes =
      "PHOTOALBUM0001" + Version1Entry(path, "") + Version1Entry(album_ + "/gone.jpg", "gone.jpg");
  WriteDb(bytes);
  ASSERT_EQ(library_.LoadAlbum(), 1);
  ASSERT_EQ(library_.count(), 1);
  const CPhotoItem& item = *library_.at(0);
  EXPECT_EQ(item.flags(), 4u);
  EXPECT_EQ(item.DateNumber(), 20190821);
  EXPECT_EQ(item.size(), 6);
  EXPECT_EQ(item.favourites(), 0x5u);
  EXPECT_EQ(item.sourceName(), "old.jpg");
  EXPECT_EQ(static_cast<int>(item.adjustments().rotation), 90);
  EXPECT_EQ(static_cast<int>(item.adjustments().saturation), 120);
  EXPECT_EQ(static_cast<int>(item.adjustments().contrast), -30);
  EXPECT_EQ(static_cast<int>(item.adjustments().colourOperation4), 4);
  EXPECT_EQ(static_cast<int>(item.adjustments().mosaicDivisor), 8);
  EXPECT_EQ(static_cast<int>(item.adjustments().hue), 0);
  EXPECT_NE(item.hour(), CPhotoItem::kUnknown) << "time of day comes from the file";
}

TEST_F(AlbumDatabase, HeaderAloneIsAnEmptyAlbumAndAMissingFileGivesZero) {
  EXPECT_EQ(library_.LoadAlbum(), 0);
  WriteDb("PHOTOALBUM0004");
  EXPECT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.count(), 0);
  EXPECT_TRUE(library_.unreadableCatalogue().path.empty());
}

TEST_F(AlbumDatabase, LoadsEveryWholeEntryBeforeOneCutShort) {
  const std::string a = PlainEntry(RecordFor(AlbumFile("a.jpg")));
  const std::string b = PlainEntry(RecordFor(AlbumFile("b.jpg")));
  WriteDb("PHOTOALBUM0003" + a + b.substr(0, 700));
  ASSERT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.count(), 1);
  EXPECT_TRUE(library_.unreadableCatalogue().path.empty());
}

TEST_F(AlbumDatabase, GarbageAfterTheHeaderLoadsNothingAndMarksTheCatalogueUnreadable) {
  AlbumFile("a.jpg");
  std::string garbage(3 * albumdb::kEntryBytes + 17, '\0');
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 7 + 3);
  WriteDb("PHOTOALBUM0004" + garbage);
  EXPECT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.count(), 0);
  EXPECT_EQ(library_.unreadableCatalogue().path, DbPath());
}

TEST_F(AlbumDatabase, AnotherProgramsVersionTextLoadsAsAnEmptyAlbum) {
  WriteDb("PHOTOALBUM0005" + PlainEntry(RecordFor(AlbumFile("a.jpg"))));
  EXPECT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.count(), 0);
  EXPECT_EQ(library_.unreadableCatalogue().path, DbPath());
  WriteDb("PHOTO");
  EXPECT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.unreadableCatalogue().path, DbPath());
}

TEST_F(AlbumDatabase, ReadingNeverWrites) {
  const std::string entry = PlainEntry(RecordFor(AlbumFile("a.jpg")));
  for (const std::string& bytes : {"PHOTOALBUM0003" + entry, std::string("PHOTOALBUM0009xx"),
                                   "PHOTOALBUM0004" + entry.substr(0, 100)}) {
    WriteDb(bytes);
    const FileState before = State();
    library_.LoadAlbum();
    const FileState after = State();
    EXPECT_EQ(after.bytes, before.bytes);
    EXPECT_EQ(after.written, before.written);
    EXPECT_EQ(after.entriesInFolder, before.entriesInFolder);
  }
}

TEST_F(AlbumDatabase, StopsReadingAtTheLibraryLimitAfterOneMessage) {
  const std::string entry = PlainEntry(RecordFor(AlbumFile("a.jpg")));
  std::string bytes = "PHOTOALBUM0003";
  for (int i = 0; i < CPhotoManager::kMaxRecords + 3; ++i) bytes += entry;
  WriteDb(bytes);
  EXPECT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.count(), CPhotoManager::kMaxRecords);
  EXPECT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(library_.leftOutEntries().count, 3u) << "the entries past the limit";
}

TEST_F(AlbumDatabase, WithoutTheSuiteNeitherLoadNorSaveTouchesAnything) {
  AddPhoto("a.jpg");
  WriteDb("PHOTOALBUM0004");
  suite::SetContext(nullptr);
  EXPECT_EQ(library_.LoadAlbum(), 0);
  EXPECT_EQ(library_.count(), 1);
  EXPECT_EQ(library_.SaveAlbum(), 0);
  EXPECT_EQ(ReadBytes(DbPath()), "PHOTOALBUM0004");
  suite::SetContext(&suite_.context);
  EXPECT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(suite_.Entries(), 0) << "the album file operation has ended";
}

TEST_F(AlbumDatabase, RecordWhoseFileWasDeletedIsSavedAndDroppedAtTheNextLoad) {
  AddPhoto("a.jpg");
  AddPhoto("b.jpg");
  DeleteFileA((album_ + "/a.jpg").c_str());
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(ReadBytes(DbPath()).size(), 14 + 2 * albumdb::kEntryBytes);
  ASSERT_EQ(library_.LoadAlbum(), 1);
  ASSERT_EQ(library_.count(), 1);
  EXPECT_EQ(library_.at(0)->title(), "b");
}

struct PathCase {
  const char* path;  // UTF-8
  const char* stored;
};

class AlbumRelativePath : public testing::TestWithParam<PathCase> {};

TEST_P(AlbumRelativePath, IsStoredRelativeOnlyInsideTheAlbumFolder) {
  const Cp932String folder = "/data/Users/taro/Album";
  const Cp932String path = cp932::Lit(GetParam().path);
  const Cp932String stored = albumdb::StoredPath(path, folder);
  EXPECT_EQ(stored, cp932::Lit(GetParam().stored));
  EXPECT_EQ(albumdb::ExpandedPath(stored, "/moved/Album"),
            stored[0] == '*' ? "/moved/Album" + stored.substr(1) : path);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, AlbumRelativePath,
    testing::Values(PathCase{"/data/Users/taro/Album/2024/5/a.jpg", "*/2024/5/a.jpg"},
                    // Another letter case is another folder on this disk.
                    PathCase{"/DATA/users/taro/album/Pc/b.jpg", "/DATA/users/taro/album/Pc/b.jpg"},
                    // A backslash would read back as a separator.
                    PathCase{"/data/Users/taro/Album/Pc/a\\b.jpg",
                             "/data/Users/taro/Album/Pc/a\\b.jpg"},
                    PathCase{"/data/Users/taro/Album/Pc/表.jpg", "*/Pc/表.jpg"},
                    PathCase{"/data/Users/taro/Album2/c.jpg", "/data/Users/taro/Album2/c.jpg"},
                    PathCase{"/data/Users/taro/Album", "/data/Users/taro/Album"},
                    PathCase{"/mnt/card/d.jpg", "/mnt/card/d.jpg"}));

TEST(AlbumRelativePath, ExpandsBackslashesButNotTheTrailBytesOfDoubleByteCharacters) {
  // "表" is 0x95 0x5C: its trail byte is the backslash byte and must stay.
  const Cp932String stored = cp932::Lit("*\\Pc\\表.jpg");
  EXPECT_EQ(albumdb::ExpandedPath(stored, "/a/Album/"), cp932::Lit("/a/Album/Pc/表.jpg"));
  EXPECT_EQ(albumdb::ExpandedPath("*x.jpg", "/a/Album"), "*x.jpg");
}

TEST_F(AlbumDatabase, AMovedAlbumFolderStillFindsItsPhotos) {
  AddPhoto("2024/5/a.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  const std::string moved = temp_.file("Users/jiro");
  ASSERT_EQ(rename(temp_.file("Users/taro").c_str(), moved.c_str()), 0);
  user_ = "jiro";
  block_.userName = user_.c_str();
  ASSERT_TRUE(Initialise());
  CPhotoManager again;
  const Cp932String path = TheApp().DatabasePath();
  ASSERT_EQ(again.LoadAlbum(&path), 1);
  ASSERT_EQ(again.count(), 1);
  EXPECT_EQ(again.at(0)->path(), moved + "/Album/2024/5/a.jpg");
}

}  // namespace
