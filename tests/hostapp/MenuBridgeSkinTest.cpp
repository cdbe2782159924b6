// The host's menu bar and the menus opened from it are drawn in the look the album sets.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <cstring>

#include "hostapp/MenuBridge.h"
#include "platform/gdi/GdiQt.h"
#include "platform/win/MenuSkin.h"

namespace {

win::ControlSkin Skin(COLORREF background, COLORREF border) {
  win::ControlSkin skin;
  skin.background = background;
  skin.border = border;
  skin.font.lfHeight = -12;
  std::strcpy(skin.font.lfFaceName, "MS UI Gothic");
  return skin;
}

QRgb Corner(QWidget* widget) {
  widget->ensurePolished();
  const QImage picture = widget->grab().toImage();
  return picture.pixel(picture.width() - 2, picture.height() - 2);
}

TEST(MenuBridgeSkin, TheBarAndItsMenusTakeTheAlbumsLookAndFollowItsChanges) {
  win::SetMenuSkin(Skin(RGB(245, 245, 207), RGB(127, 195, 28)));
  QMenuBar bar;
  MenuBridge bridge(
      &bar, [](UINT) {}, [](HMENU, int) {});
  CMenu menu;
  CMenu& file = menu.AppendPopup(cp932::Lit("ファイル"));
  file.AppendItem(1, cp932::Lit("開く"));
  file.AppendPopup(cp932::Lit("最近")).AppendItem(2, cp932::Lit("写真"));
  bridge.Build(&menu);
  QMenu* popup = bar.actions().at(0)->menu();
  QMenu* sub = popup->actions().at(1)->menu();
  ASSERT_TRUE(popup != nullptr && sub != nullptr);
  EXPECT_EQ(Corner(popup), gdi::ToQColor(RGB(245, 245, 207)).rgb());
  EXPECT_EQ(Corner(sub), gdi::ToQColor(RGB(245, 245, 207)).rgb());

  win::SetMenuSkin(Skin(RGB(232, 240, 250), RGB(52, 120, 200)));
  EXPECT_EQ(Corner(popup), gdi::ToQColor(RGB(232, 240, 250)).rgb());
  EXPECT_EQ(Corner(&bar), gdi::ToQColor(RGB(232, 240, 250)).rgb());
  bridge.Clear();
}

}  // namespace
