#include <gtest/gtest.h>

#include "library/AlbumDatabase.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

class AppLibrary : public AlbumFixture {};

TEST_F(AppLibrary, OpeningTheUserAlbumLoadsItsDatabaseAndSavingWritesItBack) {
  ASSERT_TRUE(Initialise());
  CHarboPhotoApp& app = TheApp();
  app.OpenUserAlbum();
  ASSERT_NE(app.library(), nullptr);
  const std::string album = app.GetPath(CHarboPhotoApp::Path::kAlbumFolder);
  WriteBytes(album + "/a.jpg", "x");
  app.library()->AddFile(4, album + "/a.jpg", 2021, 3, 4, 0, 0, 0, 0);
  ASSERT_EQ(app.SaveLibrary(), 1);
  EXPECT_EQ(ReadBytes(app.DatabasePath()).size(), albumdb::kHeaderBytes + albumdb::kEntryBytes);

  app.library()->RemoveAll();
  app.OpenUserAlbum();
  ASSERT_EQ(app.library()->count(), 1);
  ASSERT_EQ(app.library()->yearTallies().nodes.size(), 1u) << "the tallies are rebuilt";
  EXPECT_EQ(app.library()->yearTallies().nodes[0].year, 2021);
}

TEST_F(AppLibrary, AnotherUserOpensAnotherAlbum) {
  ASSERT_TRUE(Initialise());
  CHarboPhotoApp& app = TheApp();
  app.OpenUserAlbum();
  const std::string album = app.GetPath(CHarboPhotoApp::Path::kAlbumFolder);
  WriteBytes(album + "/a.jpg", "x");
  app.library()->AddFile(4, album + "/a.jpg", 2021, 3, 4, 0, 0, 0, 0);
  ASSERT_EQ(app.SaveLibrary(), 1);
  app.SetUser("hanako");
  app.OpenUserAlbum();
  EXPECT_EQ(app.library()->count(), 0);
  app.SetUser(user_);
  app.OpenUserAlbum();
  EXPECT_EQ(app.library()->count(), 1);
}

}  // namespace
