// The host's menus take their look from the colour scheme the application applies.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/win/MenuSkin.h"
#include "tests/support/AlbumFixture.h"
#include "ui/CDrawObject.h"
#include "ui/Skin.h"

namespace {

class MenuSkinScheme : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    std::filesystem::create_directories(usersFolder_);
    const std::filesystem::path samples =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "sample" /
        "Users";
    for (const char* name : {"color1.dat", "color2.dat"})
      std::filesystem::copy_file(samples / name, std::filesystem::path(usersFolder_) / name);
    ASSERT_TRUE(Initialise());
    listener_ = win::AddMenuSkinListener([this] { ++heard_; });
  }
  void TearDown() override {
    win::RemoveMenuSkinListener(listener_);
    TheApp().drawObject()->Clear();
    AlbumFixture::TearDown();
  }

  int listener_ = 0;
  int heard_ = 0;
};

TEST_F(MenuSkinScheme, ComesFromTheSchemeAndFollowsASchemeChange) {
  for (int scheme : {0, 1}) {
    ASSERT_TRUE(TheApp().ApplyColorScheme(scheme));
    CDrawObject& draw = *TheApp().drawObject();
    const std::optional<win::ControlSkin> menus = win::MenuSkin();
    ASSERT_TRUE(menus);
    EXPECT_EQ(menus->background, draw.GetColor(113)) << "the menu colour follows COLOR_CTRLBACK2";
    EXPECT_EQ(menus->border, draw.GetColor(111));
  }
  EXPECT_EQ(heard_, 2);
  EXPECT_EQ(win::MenuSkin()->border, RGB(52, 120, 200)) << "color2.dat's frame colour";
}

}  // namespace
