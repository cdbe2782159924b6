#include <gtest/gtest.h>

#include "platform/text/Cp932.h"

namespace {

struct Convertible {
  const char* utf8;
  const char* cp932;
};

class Cp932Converts : public testing::TestWithParam<Convertible> {};

TEST_P(Cp932Converts, ToTheExpectedBytesAndBackToTheSameBytes) {
  const std::optional<Cp932String> bytes = cp932::FromUtf8(GetParam().utf8);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(*bytes, GetParam().cp932);
  const std::optional<std::string> back = cp932::ToUtf8(*bytes);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(cp932::FromUtf8(*back), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Cp932Converts,
    testing::Values(Convertible{"abc\\", "abc\\"},
                    Convertible{"あいう", "\x82\xa0\x82\xa2\x82\xa4"},
                    Convertible{"\xe3\x80\x9c", "\x81\x60"},  // wave dash U+301C
                    Convertible{"\xef\xbd\x9e", "\x81\x60"},  // full-width tilde U+FF5E
                    Convertible{"－", "\x81\x7c"}, Convertible{"①", "\x87\x40"},
                    Convertible{"ｱｲｳﾟ", "\xb1\xb2\xb3\xdf"},
                    Convertible{"表ソ", "\x95\x5c\x83\x5c"}, Convertible{"纊", "\xfa\x5c"}));

class Cp932Refuses : public testing::TestWithParam<const char*> {};

TEST_P(Cp932Refuses, UtfTextWithoutACodePage932Form) {
  EXPECT_FALSE(cp932::FromUtf8(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Characters, Cp932Refuses,
                         testing::Values("caf\xc3\xa9", "\xf0\x9f\x98\x80", "a\xff", "\xe3\x81"));

TEST(Cp932, RefusesBytesThatAreNotCodePage932) {
  EXPECT_FALSE(cp932::ToUtf8("\x80").has_value());
  EXPECT_FALSE(cp932::ToUtf8("a\x82").has_value());
  EXPECT_EQ(cp932::ToUtf8Lossy("a\x80"
                               "b\x82\xa0"),
            "a?bあ");
}

struct CutCase {
  const char* text;
  size_t maxBytes;
  const char* expected;
};

class Cp932Cut : public testing::TestWithParam<CutCase> {};

TEST_P(Cp932Cut, NeverSplitsADoubleByteCharacter) {
  const Cp932String text = cp932::Lit(GetParam().text);
  const Cp932String expected = cp932::Lit(GetParam().expected);
  EXPECT_EQ(cp932::Cut(text, GetParam().maxBytes), expected);
  EXPECT_EQ(cp932::CutPoint(text, GetParam().maxBytes), expected.size());
}

INSTANTIATE_TEST_SUITE_P(Texts, Cp932Cut,
                         testing::Values(CutCase{"あいう", 3, "あ"}, CutCase{"あいう", 4, "あい"},
                                         CutCase{"aあ", 2, "a"}, CutCase{"ｱｲｳ", 2, "ｱｲ"},
                                         CutCase{"表a", 1, ""}, CutCase{"abc", 10, "abc"},
                                         CutCase{"あ", 0, ""}));

TEST(Cp932, DropsADanglingLeadByteWhenCutting) {
  EXPECT_EQ(cp932::CutPoint("ab\x82", 10), 2u);
  EXPECT_EQ(cp932::Cut("\x82", 1), "");
  EXPECT_EQ(cp932::CharCount("ab\x82"), 3u);
}

TEST(Cp932, CountsADoubleByteCharacterAsOneAndHalfWidthKatakanaAsOne) {
  EXPECT_EQ(cp932::CharCount(cp932::Lit("aあｱ①")), 4u);
}

// Double-byte characters from each range of lead bytes, 0x81..0x9F and 0xE0..0xFC, whose
// trail byte has the value of a backslash or an ASCII letter.
struct LeadCase {
  const char* what;
  const char* bytes;
};

void PrintTo(const LeadCase& c, std::ostream* os) {
  *os << c.what;
}

class Cp932DoubleByte : public testing::TestWithParam<LeadCase> {
 protected:
  const Cp932String c_ = GetParam().bytes;
  const char trail_ = c_[1];
};

TEST_P(Cp932DoubleByte, IsOneCharacterToCountCutSearchAndUpperCase) {
  EXPECT_EQ(cp932::CharCount("a" + c_ + "b"), 3u);
  EXPECT_EQ(cp932::CutPoint("a" + c_, 2), 1u);
  EXPECT_EQ(cp932::Cut(c_ + "x", 1), "");
  EXPECT_EQ(cp932::Cut(c_ + "x", 2), c_);
  // Its trail byte is never found as a character of its own.
  EXPECT_EQ(cp932::FindChar(c_, trail_), Cp932String::npos);
  EXPECT_EQ(cp932::FindLastChar(c_ + c_, trail_), Cp932String::npos);
  EXPECT_EQ(cp932::FindChar(c_ + "\\", '\\'), 2u);
  EXPECT_EQ(cp932::FindLastChar("\\" + c_, '\\'), 0u);
  EXPECT_EQ(cp932::AsciiUpper("a" + c_ + "z"), "A" + c_ + "Z") << "the trail byte stays";
}

INSTANTIATE_TEST_SUITE_P(
    LeadBytes, Cp932DoubleByte,
    testing::Values(LeadCase{"Lead81", "\x81\x5c"}, LeadCase{"Lead95", "\x95\x5c"},
                    LeadCase{"Lead9F", "\x9f\x61"}, LeadCase{"LeadE0", "\xe0\x5c"},
                    LeadCase{"LeadEA", "\xea\x5c"}, LeadCase{"LeadED", "\xed\x5c"},
                    LeadCase{"LeadF0", "\xf0\x5c"}, LeadCase{"LeadF0Letter", "\xf0\x61"},
                    LeadCase{"LeadFA", "\xfa\x5c"}, LeadCase{"LeadFALetter", "\xfa\x61"},
                    LeadCase{"LeadFB", "\xfb\x5c"}, LeadCase{"LeadFBLetter", "\xfb\x61"},
                    LeadCase{"LeadFC", "\xfc\x4b"}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
