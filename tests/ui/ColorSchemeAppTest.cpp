#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "host/CHarboPhotoApp.h"
#include "tests/support/AlbumFixture.h"
#include "ui/CDrawObject.h"

namespace {

constexpr int32_t kSelect = 117;

class AppColorScheme : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    std::filesystem::create_directories(usersFolder_);
    ASSERT_TRUE(Initialise());
  }
  void TearDown() override {
    if (TheApp().drawObject() == nullptr)
      TheApp().ReplaceDrawObject(std::make_unique<CDrawObject>());
    TheApp().drawObject()->Clear();
    AlbumFixture::TearDown();
  }
  void WriteScheme(const std::string& name, const std::string& text) {
    std::ofstream(usersFolder_ + "/" + name, std::ios::binary) << text;
  }
};

}  // namespace

TEST_F(AppColorScheme, SchemeZeroLoadsColorOneFromTheDataFolder) {
  WriteScheme("color1.dat", "COLOR_SELECT=0000FF\nFILE_LOGOBMP=logo.png\n");
  WriteScheme("color2.dat", "COLOR_SELECT=00FF00\n");
  std::ofstream(usersFolder_ + "/logo.png") << "png";
  ASSERT_TRUE(TheApp().ApplyColorScheme(0));
  CDrawObject* draw = TheApp().drawObject();
  EXPECT_EQ(draw->GetColor(kSelect), RGB(255, 0, 0));
  EXPECT_EQ(draw->appliedScheme(), 0);
  EXPECT_EQ(TheApp().colorScheme(), 0);
  EXPECT_EQ(draw->GetBitmapPath(501), usersFolder_ + "/logo.png");
  ASSERT_TRUE(TheApp().ApplyColorScheme(1));
  EXPECT_EQ(draw->GetColor(kSelect), RGB(0, 255, 0));
  EXPECT_EQ(draw->GetBitmapFile(501), "") << "a new scheme starts from the built-in look";
}

TEST_F(AppColorScheme, AMissingSchemeFileGivesTheBuiltInLookAndIsStillRecorded) {
  WriteScheme("color1.dat", "COLOR_SELECT=0000FF\n");
  ASSERT_TRUE(TheApp().ApplyColorScheme(0));
  ASSERT_TRUE(TheApp().ApplyColorScheme(7));
  EXPECT_EQ(TheApp().drawObject()->GetColor(kSelect), RGB(255, 221, 51));
  EXPECT_EQ(TheApp().drawObject()->appliedScheme(), 7);
}

TEST_F(AppColorScheme, WithoutADrawingObjectNothingIsLoaded) {
  TheApp().ReplaceDrawObject(nullptr);
  EXPECT_FALSE(TheApp().ApplyColorScheme(2));
  EXPECT_EQ(TheApp().colorScheme(), 2);
}
