// Layouts that real cameras and editors write, and damaged inputs, each of which once
// made a reader of this kind crash, loop, read outside the block or read nothing.
#include <gtest/gtest.h>

#include <functional>

#include "tests/exif/ExifFixture.h"

using namespace exif_test;

namespace {

// The photo bytes a case makes, and what reading them must give: whether the block opens,
// the maker (empty: not found) and whether a GPS position is read.
struct PhotoCase {
  const char* name;
  std::function<std::string()> photo;
  bool opens;
  const char* maker;
  bool gps;
};

void PrintTo(const PhotoCase& c, std::ostream* os) {
  *os << c.name;
}

class PhotoCaseTest : public ExifFixture, public testing::WithParamInterface<PhotoCase> {};

std::string CameraJpeg(bool big, const Layout& layout = {}, bool thumbnail = false) {
  return Jpeg({ExifSegment(CameraBlock(big, layout, thumbnail))});
}

// Directory 0 with the given entries written first, then the maker.
std::string MakerAfter(const std::function<void(TiffWriter&, int)>& before, size_t cut = 0) {
  TiffWriter w(false);
  const int main = w.Directory();
  before(w, main);
  w.Ascii(main, 271, "Kaiwa");
  w.Truncate(cut);
  return Jpeg({ExifSegment(w.Build())});
}

// A chain of Exif pointers the given number of levels deep with the maker at the bottom.
std::string NestedMaker(int levels) {
  TiffWriter w(true);
  int dir = w.Directory();
  for (int i = 0; i < levels; ++i) {
    const int next = w.Directory();
    w.Pointer(dir, 34665, next);
    dir = next;
  }
  w.Ascii(dir, 271, "Kaiwa");
  return Jpeg({ExifSegment(w.Build())});
}

std::string CyclicChain() {
  TiffWriter w(false);
  const int main = w.Directory(), first = w.Directory();
  w.Ascii(main, 272, "KW-10");
  w.Chain(main, first);
  w.Chain(first, main);
  return Jpeg({ExifSegment(w.Build())});
}

std::string WithHeader(const std::string& header) {
  std::string block = CameraBlock(false);
  return Jpeg({ExifSegment(block.replace(0, header.size(), header))});
}

const std::string kPng = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR";
const std::string kApp0 = Segment(0xE0, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
const std::string kApp2 = Segment(0xE2, "ICC_PROFILE" + std::string(600, '\0'));

}  // namespace

TEST_P(PhotoCaseTest, ReadsWhatCanBeReadAndNothingElse) {
  CExifSource source;
  ASSERT_EQ(Open(source, GetParam().photo()), GetParam().opens ? 1 : 0);
  Cp932String maker;
  EXPECT_EQ(source.Maker(&maker), *GetParam().maker != '\0' ? 1 : 0);
  EXPECT_EQ(maker, GetParam().maker);
  double lat = 0, lon = 0;
  int datum = 0;
  EXPECT_EQ(source.GpsPosition(&lat, &lon, &datum), GetParam().gps ? 1 : 0);
  std::vector<ExifListRow> rows;
  EXPECT_EQ(source.FillList(&rows), GetParam().opens ? 1 : 0);
  Cp932String date;
  source.DateTaken(&date);
}

INSTANTIATE_TEST_SUITE_P(
    LegalLayouts, PhotoCaseTest,
    testing::Values(
        PhotoCase{"exif_values_before_directories",
                  [] {
                    return CameraJpeg(false, {true, false});
                  },
                  true, "Kaiwa", true},
        PhotoCase{"exif_odd_offsets",
                  [] {
                    return CameraJpeg(true, {false, true});
                  },
                  true, "Kaiwa", true},
        PhotoCase{"exif_odd_values_first",
                  [] {
                    return CameraJpeg(false, {true, true});
                  },
                  true, "Kaiwa", true},
        PhotoCase{"exif_directory_one_with_thumbnail", [] { return CameraJpeg(true, {}, true); },
                  true, "Kaiwa", true},
        PhotoCase{"exif_xmp_after_exif",
                  [] {
                    return Jpeg({kApp0, ExifSegment(CameraBlock(false)), XmpSegment()});
                  },
                  true, "Kaiwa", true},
        PhotoCase{"exif_xmp_before_exif",
                  [] {
                    return Jpeg({XmpSegment(), ExifSegment(CameraBlock(true))});
                  },
                  true, "Kaiwa", true},
        PhotoCase{"exif_after_jfif_and_icc",
                  [] {
                    return Jpeg({kApp0, kApp2, ExifSegment(CameraBlock(false))});
                  },
                  true, "Kaiwa", true},
        PhotoCase{"exif_padding_between_segments",
                  [] {
                    return Jpeg({kApp0, std::string(7, '\0'), ExifSegment(CameraBlock(true))});
                  },
                  true, "Kaiwa", true},
        PhotoCase{"exif_fill_bytes_before_marker",
                  [] {
                    return Jpeg({kApp0, std::string(5, '\xFF'), ExifSegment(CameraBlock(false))});
                  },
                  true, "Kaiwa", true},
        PhotoCase{"exif_unknown_type_on_passed_tag",
                  [] { return MakerAfter([](auto& w, int d) { w.Raw(d, 0x1234, 99, 1, 0); }); },
                  true, "Kaiwa", false},
        PhotoCase{
            "exif_sub_directory_outside_block",
            [] { return MakerAfter([](auto& w, int d) { w.Raw(d, 34665, 4, 1, 0x7FFFFFFF); }); },
            true, "Kaiwa", false}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DamagedInputs, PhotoCaseTest,
    testing::Values(
        PhotoCase{"exif_cyclic_directory", CyclicChain, true, "", false},
        PhotoCase{"exif_self_pointing_directory",
                  [] { return MakerAfter([](auto& w, int d) { w.Pointer(d, 34853, d); }); }, true,
                  "", false},
        PhotoCase{"exif_deep_nesting", [] { return NestedMaker(40); }, true, "", false},
        PhotoCase{"exif_nesting_within_bound", [] { return NestedMaker(4); }, true, "Kaiwa", false},
        PhotoCase{
            "exif_count_overflow",
            [] { return MakerAfter([](auto& w, int d) { w.Raw(d, 272, 5, 0x20000000, 8); }); },
            true, "", false},
        PhotoCase{
            "exif_count_four_billion",
            [] { return MakerAfter([](auto& w, int d) { w.Raw(d, 272, 2, 0xFFFFFFFF, 8); }); },
            true, "", false},
        PhotoCase{
            "exif_offset_outside_block",
            [] { return MakerAfter([](auto& w, int d) { w.Raw(d, 272, 2, 16, 0xFFFFFFF8); }); },
            true, "", false},
        PhotoCase{"exif_unknown_type_on_shown_tag",
                  [] { return MakerAfter([](auto& w, int d) { w.Raw(d, 272, 13, 1, 0); }); }, true,
                  "", false},
        PhotoCase{"exif_truncated_directory", [] { return MakerAfter([](auto&, int) {}, 10); },
                  true, "", false},
        PhotoCase{"exif_zero_denominator",
                  [] {
                    TiffWriter w(false);
                    const int d = w.Directory();
                    w.Ascii(d, 271, "Kaiwa");
                    w.Rationals(d, 2, {{35, 1}, {40, 0}, {0, 1}});
                    w.Rationals(d, 4, {{139, 1}, {0, 1}, {0, 1}});
                    return Jpeg({ExifSegment(w.Build())});
                  },
                  true, "Kaiwa", false},
        PhotoCase{"exif_truncated_segment",
                  [] {
                    std::string p = CameraJpeg(false);
                    return p.substr(0, 60);
                  },
                  false, "", false},
        PhotoCase{
            "exif_segment_length_below_two",
            [] {
              return Jpeg({std::string("\xFF\xE0\x00\x01", 4), ExifSegment(CameraBlock(false))});
            },
            false, "", false},
        PhotoCase{"exif_segment_shorter_than_identifier",
                  [] { return Jpeg({Segment(0xE1, "Exi")}); }, false, "", false},
        PhotoCase{"exif_block_after_scan",
                  [] { return Jpeg({kApp0}) + ExifSegment(CameraBlock(false)); }, false, "", false},
        PhotoCase{"exif_bad_byte_order", [] { return WithHeader("IM"); }, false, "", false},
        PhotoCase{"exif_bad_magic", [] { return WithHeader(std::string("II\x2B\0", 4)); }, false,
                  "", false},
        PhotoCase{"exif_header_only",
                  [] { return Jpeg({ExifSegment(std::string("II\x2A\0", 4))}); }, false, "", false},
        PhotoCase{"exif_endless_fill_bytes",
                  [] {
                    return Jpeg({std::string(300 * 1024, '\xFF'), ExifSegment(CameraBlock(false))});
                  },
                  false, "", false},
        PhotoCase{"exif_endless_padding",
                  [] {
                    return Jpeg({std::string(300 * 1024, '\0'), ExifSegment(CameraBlock(false))});
                  },
                  false, "", false},
        PhotoCase{"exif_not_a_jpeg", [] { return kPng; }, false, "", false},
        PhotoCase{"exif_empty_file", [] { return std::string(); }, false, "", false},
        PhotoCase{"exif_jpeg_without_exif",
                  [] {
                    return Jpeg({kApp0, XmpSegment()});
                  },
                  false, "", false}),
    [](const auto& info) { return std::string(info.param.name); });
