#include "platform/gdi/GdiObjects.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>
#include <cstring>

#include "platform/gdi/GdiQt.h"

namespace {

LOGFONTA Font(const Cp932String& face, LONG height, LONG weight = FW_NORMAL) {
  LOGFONTA font;
  font.lfHeight = height;
  font.lfWeight = weight;
  std::strncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return font;
}

bool IsIpaGothic(const std::string& family) {
  return family == "IPAGothic" || family == "IPAPGothic";
}

}  // namespace

TEST(GdiObjects, HandlesWorkUntilDeletedAndOnlyOnce) {
  const size_t before = gdi::LiveObjectCountForTest();
  const HPEN pen = CreatePen(PS_DOT, 0, RGB(1, 2, 3));
  ASSERT_NE(pen, nullptr);
  EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
  LOGPEN record;
  EXPECT_EQ(GetObjectA(pen, sizeof record, &record), static_cast<int>(sizeof record));
  EXPECT_EQ(record.lopnWidth.x, 1) << "width 0 draws one pixel";
  EXPECT_EQ(record.lopnColor, 0x030201u);
  EXPECT_EQ(GetObjectA(pen, sizeof record - 1, &record), 0) << "a short buffer gets nothing";
  EXPECT_EQ(GetObjectA(pen, 0, nullptr), static_cast<int>(sizeof record));
  EXPECT_EQ(DeleteObject(pen), 1);
  EXPECT_EQ(DeleteObject(pen), 0);
  EXPECT_EQ(GetObjectType(pen), 0u);
  EXPECT_EQ(GetObjectA(pen, sizeof record, &record), 0);
  EXPECT_EQ(DeleteObject(nullptr), 0);
  EXPECT_EQ(CreatePen(9, 1, 0), nullptr);
  EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
  EXPECT_EQ(gdi::LiveObjectCountForTest(), before);
}

TEST(GdiObjects, AFaceNameFillingItsFieldIsCutAtTheField) {
  LOGFONTA font;
  std::memset(font.lfFaceName, 'A', LF_FACESIZE);
  gdi::Owned<gdi::Font> handle(CreateFontIndirectA(&font));
  LOGFONTA back;
  ASSERT_EQ(GetObjectA(handle.get(), sizeof back, &back), static_cast<int>(sizeof back));
  EXPECT_EQ(std::strlen(back.lfFaceName), LF_FACESIZE - 1);
}

TEST(GdiObjects, SystemColoursComeFromTheApplicationPalette) {
  const QPalette saved = QApplication::palette();
  QPalette palette = saved;
  palette.setColor(QPalette::Active, QPalette::Highlight, QColor(10, 20, 30));
  palette.setColor(QPalette::Active, QPalette::Button, QColor(40, 50, 60));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(70, 80, 90));
  QApplication::setPalette(palette);
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(10, 20, 30));
  EXPECT_EQ(GetSysColor(COLOR_3DFACE), RGB(40, 50, 60));
  EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(70, 80, 90));
  QApplication::setPalette(saved);
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColor(31), 0u);
}

// Face names of the album and the IPA family each must end up in.
struct FaceCase {
  const char* faceUtf8;
  const char* family;
};

class GdiFontFace : public testing::TestWithParam<FaceCase> {};

TEST_P(GdiFontFace, ResolvesToTheInstalledIpaFamilyKeepingTheSize) {
  const LOGFONTA font = Font(cp932::Lit(GetParam().faceUtf8), -12, FW_BOLD);
  gdi::Owned<gdi::Font> handle(CreateFontIndirectA(&font));
  const gdi::FontMatch match = gdi::MatchFont(handle.get());
  EXPECT_EQ(match.family, GetParam().family);
  EXPECT_EQ(match.pixelSize, 12);
  EXPECT_TRUE(match.bold);
}

INSTANTIATE_TEST_SUITE_P(
    JapaneseFaces, GdiFontFace,
    testing::Values(FaceCase{"MS UI Gothic", "IPAPGothic"}, FaceCase{"ms ui gothic", "IPAPGothic"},
                    FaceCase{"ＭＳ Ｐゴシック", "IPAPGothic"}, FaceCase{"MS Gothic", "IPAGothic"},
                    FaceCase{"ＭＳ ゴシック", "IPAGothic"}, FaceCase{"ＭＳ 明朝", "IPAMincho"},
                    FaceCase{"MS PMincho", "IPAPMincho"}));

TEST(GdiFonts, ACellHeightBecomesASmallerCharacterHeight) {
  const LOGFONTA cell = Font("MS UI Gothic", 16);
  gdi::Owned<gdi::Font> handle(CreateFontIndirectA(&cell));
  const gdi::FontMatch match = gdi::MatchFont(handle.get());
  EXPECT_TRUE(IsIpaGothic(match.family)) << match.family;
  EXPECT_LE(match.pixelSize, 16);
  EXPECT_GE(match.pixelSize, 12);
  EXPECT_LE(QFontMetrics(gdi::ToQFont(handle.get())).height(), 17);
}

TEST(GdiFonts, OtherFacesArePassedOnAndDeadHandlesGiveDefaults) {
  EXPECT_EQ(gdi::ResolveFaceName("Tahoma"), "Tahoma");
  EXPECT_EQ(gdi::MatchFont(nullptr).family, "");
  EXPECT_EQ(gdi::ToQPen(nullptr), QPen());
}
