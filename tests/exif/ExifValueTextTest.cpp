#include <gtest/gtest.h>

#include <functional>

#include "exif/ExifGps.h"
#include "exif/ExifValueText.h"
#include "tests/exif/ExifFixture.h"

using namespace exif_test;

namespace {

// One tag written into directory 0 and the text its row must show.
struct TextCase {
  const char* name;
  std::function<void(TiffWriter&, int)> write;
  const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.name;
}

class ValueTextTest : public ExifFixture, public testing::WithParamInterface<TextCase> {};

std::string S(const char* bytes, size_t n) {
  return std::string(bytes, n);
}

}  // namespace

TEST_P(ValueTextTest, ShowsTheValueAsItsTagSays) {
  for (bool big : {false, true}) {
    TiffWriter w(big);
    GetParam().write(w, w.Directory());
    CExifSource source;
    ASSERT_EQ(Open(source, Jpeg({ExifSegment(w.Build())})), 1);
    std::vector<ExifListRow> rows;
    ASSERT_EQ(source.FillList(&rows), 1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(cp932::ToUtf8Lossy(rows[1].value), GetParam().expected) << (big ? "MM" : "II");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tags, ValueTextTest,
    testing::Values(
        TextCase{"ExifVersionStopsAtZero",
                 [](auto& w, int d) {
                   w.Bytes(d, 36864, 7,
                           S("02\0"
                             "0",
                             4));
                 },
                 "02"},
        TextCase{"AltitudeBelowSeaLevel", [](auto& w, int d) { w.Bytes(d, 5, 1, S("\1", 1)); },
                 "海抜基準(負値)"},
        TextCase{"SignedAltitude",
                 [](auto& w, int d) {
                   w.Rationals(d, 6, {{uint32_t(-1234), 10}}, 10);
                 },
                 "-123.4000"},
        TextCase{"AltitudeOverZero",
                 [](auto& w, int d) {
                   w.Rationals(d, 6, {{5, 0}}, 10);
                 },
                 "不明"},
        TextCase{"OrientationOutOfRange", [](auto& w, int d) { w.Shorts(d, 274, {9}); }, "不明"},
        TextCase{"ComponentsRgbAndOther",
                 [](auto& w, int d) { w.Bytes(d, 37121, 7, S("\4\5\6\x09", 4)); }, "RGB?"},
        TextCase{"SignedShortWidth", [](auto& w, int d) { w.Shorts(d, 40963, {uint16_t(-2)}, 8); },
                 "-2"},
        TextCase{"SignedLongWidth",
                 [](auto& w, int d) { w.Longs(d, 40962, {uint32_t(-70000)}, 9); }, "-70000"},
        TextCase{"RationalWidth",
                 [](auto& w, int d) {
                   w.Rationals(d, 40962, {{640, 1}});
                 },
                 "不明"},
        TextCase{"AreaNameZerosAsSpaces",
                 [](auto& w, int d) { w.Bytes(d, 28, 7, S("JIS\0\0\0\0\0AB", 10)); }, "JIS     AB"},
        TextCase{"LatitudeWithTooFewRationals",
                 [](auto& w, int d) {
                   w.Rationals(d, 2, {{35, 1}, {40, 1}});
                 },
                 "不明"},
        TextCase{"TimeFromEditorsWithMilliseconds",
                 [](auto& w, int d) {
                   w.Rationals(d, 7, {{15, 1}, {30, 1}, {45230, 1000}});
                 },
                 "15: 30: 45.23"},
        TextCase{"AsciiWithoutTerminator", [](auto& w, int d) { w.Bytes(d, 29, 2, "2008:05:04"); },
                 "2008:05:04"},
        TextCase{"AsciiStopsAtFirstZero",
                 [](auto& w, int d) {
                   w.Bytes(d, 306, 2,
                           S("12\0"
                             "34\0",
                             6));
                 },
                 "12"}),
    [](const auto& info) { return std::string(info.param.name); });

// The components configuration names each byte up to the first zero from a table of the
// codes 1..6; every other code, the first past the table included, shows "?".
struct ComponentsCase {
  const char* name;
  std::string bytes;
  const char* expected;
};

void PrintTo(const ComponentsCase& c, std::ostream* os) {
  *os << c.name;
}

class ComponentsTest : public testing::TestWithParam<ComponentsCase> {};

TEST_P(ComponentsTest, NamesEachByteAndShowsAQuestionMarkPastTheTable) {
  ExifValue value;
  value.type = 7;
  value.count = static_cast<uint32_t>(GetParam().bytes.size());
  value.bytes = GetParam().bytes;
  EXPECT_EQ(exif::ValueText(37121, value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ComponentsTest,
    testing::Values(ComponentsCase{"YCbCr", S("\1\2\3\0", 4), "YCbCr"},
                    ComponentsCase{"FourWithoutZero", S("\1\2\3\4", 4), "YCbCrR"},
                    ComponentsCase{"LastKnownCode", S("\6\0\0\0", 4), "B"},
                    ComponentsCase{"FirstCodePastTheTable", S("\7\0\0\0", 4), "?"},
                    ComponentsCase{"PastTheTableBetweenKnownCodes", S("\1\7\3\0", 4), "Y?Cr"},
                    ComponentsCase{"FarPastTheTable", S("\xff\x80\x08\0", 4), "???"},
                    ComponentsCase{"StopsAtTheFirstZero", S("\0\1\2\3", 4), ""},
                    ComponentsCase{"ShortValue", S("\5", 1), "G"}),
    [](const auto& info) { return std::string(info.param.name); });

// The time stamp: whole hours and minutes as written, and every fraction of an hour or a
// minute carried into the next field by its own denominator.
struct TimeCase {
  const char* name;
  std::vector<Rational> hms;
  const char* expected;
};

void PrintTo(const TimeCase& c, std::ostream* os) {
  *os << c.name;
}

class GpsTimeTest : public testing::TestWithParam<TimeCase> {};

TEST_P(GpsTimeTest, CarriesFractionsIntoTheNextField) {
  ExifValue value;
  value.type = 5;
  for (auto [num, den] : GetParam().hms) value.numbers.insert(value.numbers.end(), {num, den});
  EXPECT_EQ(cp932::ToUtf8Lossy(exif::TimeText(value)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Times, GpsTimeTest,
    testing::Values(
        TimeCase{"HundredthsOfASecond", {{15, 1}, {30, 1}, {4523, 100}}, "15: 30: 45.23"},
        TimeCase{"WholeSeconds", {{15, 1}, {30, 1}, {45, 1}}, "15: 30: 45"},
        TimeCase{"HundredthsBelowTen", {{15, 1}, {30, 1}, {4505, 100}}, "15: 30: 45.05"},
        TimeCase{"HalfAnHour", {{31, 2}, {0, 1}, {0, 1}}, "15: 30: 0"},
        TimeCase{"TenthOfAnHour", {{151, 10}, {0, 1}, {0, 1}}, "15: 6: 0"},
        TimeCase{"HourInHundredths", {{1550, 100}, {0, 1}, {0, 1}}, "15: 30: 0"},
        TimeCase{"HalfAMinute", {{15, 1}, {61, 2}, {0, 1}}, "15: 30: 30"},
        TimeCase{"MinuteFractionIntoHundredths", {{15, 1}, {1, 3}, {0, 100}}, "15: 0: 20"},
        TimeCase{"SeventhOfAMinute", {{0, 1}, {1, 7}, {0, 1}}, "0: 0: 8.57"},
        TimeCase{"LargestDenominators",
                 {{4294967295u, 4294967295u}, {4294967294u, 4294967295u}, {1, 4294967295u}},
                 "1: 0: 59.99"},
        TimeCase{"ZeroHourDenominator", {{15, 0}, {30, 1}, {45, 1}}, "0: 30: 45"},
        TimeCase{"ZeroMinuteDenominator", {{31, 2}, {30, 0}, {45, 1}}, "15: 0: 45"},
        TimeCase{"ZeroSecondDenominator", {{15, 1}, {30, 1}, {45, 0}}, "15: 30: 0"},
        TimeCase{"TooFewFields", {{15, 1}, {30, 1}}, "不明"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GpsPosition, IsNothingWithAZeroDenominator) {
  ExifValue value;
  value.type = 5;
  value.numbers = {35, 1, 40, 1, 1234, 0};
  EXPECT_FALSE(exif::PositionUnits(value).has_value());
  EXPECT_EQ(exif::PositionText(value), cp932::Lit("不明"));
}
