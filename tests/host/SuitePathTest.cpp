#include "host/SuitePath.h"

#include <gtest/gtest.h>

using namespace suite;

namespace {

struct JoinCase {
  std::vector<Cp932String> parts;
  Cp932String expected;
};

class JoinPathTest : public testing::TestWithParam<JoinCase> {};

Cp932String Join(const std::vector<Cp932String>& p) {
  auto at = [&](size_t i) { return i < p.size() ? p[i] : Cp932String(); };
  return JoinPath({at(0), at(1), at(2), at(3), at(4)});
}

}  // namespace

TEST_P(JoinPathTest, JoinsAsTheSuiteDoes) {
  EXPECT_EQ(Join(GetParam().parts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JoinPathTest,
    testing::Values(JoinCase{{"/A", "B"}, "/A/B"},        // one separator between
                    JoinCase{{"/A/", "/B/"}, "/A/B"},     // separators trimmed
                    JoinCase{{"/A/B", "../../C"}, "/C"},  // two levels climbed
                    JoinCase{{"/A/B", "../C", "D"}, "/A/C/D"},
                    JoinCase{{"/A", "../../C"}, "/C"},                       // never above the root
                    JoinCase{{"/A", "//server/share"}, "/A//server/share"},  // network part
                    JoinCase{{"//server/share", "x"}, "//server/share/x"},
                    JoinCase{{"", "/A", "", "B"}, "/A/B"},  // empty parts skipped
                    JoinCase{{"A", "B"}, "A/B"},            // relative stays relative
                    // Trail bytes of 0x5C (as in "ソ" and "表") are not separators.
                    JoinCase{{"/A", cp932::Lit("ソ"), cp932::Lit("表/")},
                             "/A/" + cp932::Lit("ソ") + "/" + cp932::Lit("表")}));

TEST(SuitePath, TrimsAndAddsSeparators) {
  EXPECT_EQ(RemoveLeadingSeparators("//a/"), "a/");
  EXPECT_EQ(RemoveTrailingSeparators("/a//"), "/a");
  EXPECT_EQ(RemoveTrailingSeparators("///"), "");
  EXPECT_EQ(AddTrailingSeparator("/a"), "/a/");
  EXPECT_EQ(AddTrailingSeparator("/a/"), "/a/");
}

TEST(SuitePath, CutsTheNamedComponent) {
  EXPECT_EQ(CutPath("/opt/harbo/bin/harbo-suite", -1), "/opt/harbo/bin");
  EXPECT_EQ(CutPath("/opt/harbo/bin", 1), "/harbo/bin");
  EXPECT_EQ(CutPath("/opt/harbo/bin", 2), "/opt/bin");
  EXPECT_EQ(CutPath("/opt/harbo/bin", 3), "/opt/harbo");
  EXPECT_EQ(CutPath("/opt", 5), "/opt");
  EXPECT_EQ(CutPath("/opt", -1), "/");
}

TEST(SuitePath, TheInstallFolderIsTheRunningProgramsFolder) {
  EXPECT_FALSE(InstallFolder().empty());
  EXPECT_EQ(InstallFolder()[0], '/');
}

namespace {

struct FolderNameCase {
  const char* what;
  Cp932String name;  // code page 932 bytes
  bool plain;
};

void PrintTo(const FolderNameCase& c, std::ostream* os) {
  *os << c.what;
}

class PlainFolderName : public testing::TestWithParam<FolderNameCase> {};

}  // namespace

TEST_P(PlainFolderName, IsOneNameThatStaysInsideItsFolder) {
  EXPECT_EQ(IsPlainFolderName(GetParam().name), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PlainFolderName,
    testing::Values(
        FolderNameCase{"Ascii", "taro", true}, FolderNameCase{"Dots", "...", true},
        FolderNameCase{"DotInside", "a.b", true},
        // Trail bytes 0x5C are part of their character, also behind the lead bytes F0..FC.
        FolderNameCase{"HyoTrailBackslash", "\x95\x5c", true},
        FolderNameCase{"IbmKanjiTrailBackslash", "\xfa\x5c", true},
        FolderNameCase{"LeadFbTrailBackslash", "a\xfb\x5c", true},
        FolderNameCase{"UserDefinedCharacter", "\xf0\x40", true},
        FolderNameCase{"HalfWidthKatakana", "\xb1\xb2", true}, FolderNameCase{"Empty", "", false},
        FolderNameCase{"Dot", ".", false}, FolderNameCase{"DotDot", "..", false},
        FolderNameCase{"Climbs", "../x", false}, FolderNameCase{"Slash", "a/b", false},
        FolderNameCase{"Backslash", "a\\b", false},
        FolderNameCase{"BackslashAfterDoubleByte", "\x95\x5c\\x", false},
        FolderNameCase{"EmbeddedZero", Cp932String("a\0b", 3), false},
        FolderNameCase{"NotCodePage932", "a\x80", false},
        FolderNameCase{"UnassignedDoubleByte", "\x85\x40", false},
        FolderNameCase{"DanglingLeadByte", "a\xfa", false},
        FolderNameCase{"LeadByteSwallowsSlash", "\x81/", false}),
    [](const auto& info) { return std::string(info.param.what); });
