#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "platform/gdi/GdiObjects.h"
#include "ui/CDrawObject.h"
#include "ui/DrawResourceTables.h"

namespace {

constexpr int32_t kSelect = 117;
constexpr COLORREF kRed = RGB(255, 0, 0);

LOGPEN PenRecord(HPEN pen) {
  LOGPEN record;
  EXPECT_EQ(GetObjectA(pen, sizeof record, &record), static_cast<int>(sizeof record));
  return record;
}

LOGFONTA FontRecord(HFONT font) {
  LOGFONTA record;
  EXPECT_EQ(GetObjectA(font, sizeof record, &record), static_cast<int>(sizeof record));
  return record;
}

LOGBRUSH BrushRecord(HBRUSH brush) {
  LOGBRUSH record;
  EXPECT_EQ(GetObjectA(brush, sizeof record, &record), static_cast<int>(sizeof record));
  return record;
}

bool SameFont(const LOGFONTA& a, const LOGFONTA& b) {
  return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfEscapement == b.lfEscapement &&
         std::strcmp(a.lfFaceName, b.lfFaceName) == 0;
}

}  // namespace

TEST(DrawObject, UnlistedIndicesTakeTheSystemColour) {
  CDrawObject draw;
  EXPECT_EQ(draw.GetColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(draw.GetColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(draw.GetColor(107), GetSysColor(107));
}

TEST(DrawObject, FollowingColoursTakeTheColourOfTheirIndexFromTheFile) {
  CDrawObject draw;
  draw.ApplyText(
      "COLOR_3DFACE=010203\nCOLOR_CTRLBACK2=040506\n134=070809\n"
      "COLOR_MOUSEOVER=0A0B0C\nCOLOR_CTRLFRAME=0D0E0F\n");
  EXPECT_EQ(draw.GetColor(106), 0x010203u);
  EXPECT_EQ(draw.GetColor(COLOR_MENU), 0x040506u);
  EXPECT_EQ(draw.GetColor(136), 0x070809u);
  EXPECT_EQ(draw.GetColor(137), 0x0A0B0Cu);
  EXPECT_EQ(draw.GetColor(182), 0x0D0E0Fu);
}

TEST(DrawObject, WinBackFollowsTheFacesColourAfterALoadWithClearing) {
  CDrawObject draw;
  EXPECT_EQ(draw.GetColor(106), GetSysColor(COLOR_3DFACE));
  draw.Clear();
  draw.ApplyText("COLOR_3DFACE=112233\n");
  EXPECT_EQ(draw.GetColor(106), 0x112233u);
  EXPECT_EQ(draw.GetColor(COLOR_MENU), RGB(245, 245, 207));
}

TEST(DrawObject, LaterLinesWinAndReplaceTheCachedPen) {
  CDrawObject draw;
  draw.ApplyText("COLOR_SELECT=000000\n");
  const HPEN first = draw.GetPen(kSelect);
  draw.ApplyText("COLOR_SELECT=112233\n117=0000FF\n");
  EXPECT_EQ(draw.GetColor(kSelect), kRed);
  EXPECT_EQ(GetObjectType(first), 0u) << "the old pen must have been destroyed";
  EXPECT_EQ(PenRecord(draw.GetPen(kSelect)).lopnColor, kRed);
  EXPECT_EQ(BrushRecord(draw.GetBrush(kSelect)).lbColor, kRed);
}

TEST(DrawObject, PensAreOnePixelSolidExceptTheDottedMinuteBorder) {
  CDrawObject draw;
  const LOGPEN frame = PenRecord(draw.GetPen(111));
  EXPECT_EQ(frame.lopnStyle, static_cast<UINT>(PS_SOLID));
  EXPECT_EQ(frame.lopnWidth.x, 1);
  EXPECT_EQ(frame.lopnColor, RGB(127, 195, 28));
  const LOGPEN minute = PenRecord(draw.GetPen(158));
  EXPECT_EQ(minute.lopnStyle, static_cast<UINT>(PS_DOT));
  EXPECT_EQ(minute.lopnColor, RGB(216, 216, 214));
  EXPECT_EQ(draw.GetPen(111), draw.GetPen(111)) << "a pen is made once and cached";
}

TEST(DrawObject, FontsFollowTheirIndex) {
  CDrawObject draw;
  const LOGFONTA control = FontRecord(draw.GetFont(114));
  EXPECT_STREQ(control.lfFaceName, "MS UI Gothic");
  EXPECT_EQ(control.lfHeight, -12) << "9 point at 96 dots an inch";
  EXPECT_EQ(control.lfCharSet, DEFAULT_CHARSET);
  const LOGFONTA vertical = FontRecord(draw.GetFont(115));
  EXPECT_EQ(vertical.lfEscapement, 900);
  EXPECT_EQ(vertical.lfOrientation, 900);
  EXPECT_EQ(vertical.lfHeight, control.lfHeight);
  const LOGFONTA caption = FontRecord(draw.GetFont(122));
  EXPECT_EQ(caption.lfHeight, 13);
  EXPECT_EQ(caption.lfWeight, FW_BOLD);
  const LOGFONTA latin = FontRecord(draw.GetFont(124));
  EXPECT_STREQ(latin.lfFaceName, "Tahoma");
  EXPECT_EQ(latin.lfHeight, 17);
  EXPECT_EQ(FontRecord(draw.GetFont(135)).lfHeight, -14) << "11 point, bold";
  EXPECT_EQ(FontRecord(draw.GetFont(153)).lfWeight, FW_NORMAL);
  EXPECT_TRUE(SameFont(FontRecord(draw.GetFont(164)), FontRecord(draw.GetFont(163))));
  EXPECT_TRUE(SameFont(FontRecord(draw.GetFont(200)), control));
  EXPECT_NE(draw.GetFont(164), draw.GetFont(163)) << "each record owns its own font";
}

TEST(DrawObject, FreesEveryObjectWhenClearedOrDestroyed) {
  const size_t before = gdi::LiveObjectCountForTest();
  {
    CDrawObject draw;
    for (int32_t index : {5, 111, 115, 158, 600}) {
      draw.GetPen(index);
      draw.GetBrush(index);
      draw.GetFont(index);
    }
    EXPECT_EQ(gdi::LiveObjectCountForTest(), before + 15);
    draw.Clear();
    EXPECT_EQ(gdi::LiveObjectCountForTest(), before);
    draw.GetFont(114);
  }
  EXPECT_EQ(gdi::LiveObjectCountForTest(), before);
}

TEST(DrawObject, KnowsEveryKeyNameOnce) {
  CDrawObject draw;
  std::set<std::string_view> seen;
  for (const drawres::KeyName& key : drawres::KeyNames()) {
    EXPECT_TRUE(seen.insert(key.name).second) << key.name;
    EXPECT_EQ(draw.KeyToIndex(key.name), key.index) << key.name;
  }
  EXPECT_EQ(seen.size(), 122u);
  EXPECT_EQ(draw.KeyToIndex("COLOR_3DHILIGHT"), draw.KeyToIndex("COLOR_BTNHIGHLIGHT"));
  EXPECT_EQ(draw.KeyToIndex("COLOR_DESKTOP"), 1);
  EXPECT_EQ(draw.KeyToIndex("color_select"), -1) << "names are case-sensitive";
}
