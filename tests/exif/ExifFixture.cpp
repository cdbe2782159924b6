#include "tests/exif/ExifFixture.h"

namespace exif_test {

std::string CameraBlock(bool bigEndian, const Layout& layout, bool thumbnail) {
  TiffWriter w(bigEndian);
  const int main = w.Directory(), exif = w.Directory(), gps = w.Directory();
  w.Ascii(main, 271, "Kaiwa");
  w.Ascii(main, 272, "KW-10");
  w.Shorts(main, 274, {1});
  w.Rationals(main, 282, {{72, 1}});
  w.Shorts(main, 296, {2});
  w.Pointer(main, 34665, exif);
  w.Pointer(main, 34853, gps);
  w.Bytes(exif, 36864, 7, "0220");
  w.Ascii(exif, 36867, "2008:05:04 10:20:30");
  w.Bytes(exif, 37121, 7, std::string("\1\2\3\0", 4));
  w.Shorts(exif, 40961, {65535});
  w.Longs(exif, 40962, {640});
  w.Bytes(gps, 0, 1, std::string("\2\2\0\0", 4));
  w.Ascii(gps, 1, "N");
  w.Rationals(gps, 2, {{35, 1}, {40, 1}, {1234, 100}});
  w.Rationals(gps, 4, {{139, 1}, {45, 1}, {0, 1}});
  w.Rationals(gps, 7, {{15, 1}, {30, 1}, {4523, 100}});
  w.Ascii(gps, 18, "TOKYO");
  w.Bytes(gps, 27, 7, std::string("ASCII\0\0\0GPS", 11));
  if (thumbnail) {
    const int first = w.Directory();
    w.Chain(main, first);
    w.Shorts(first, 259, {6});
    w.Rationals(first, 283, {{180, 1}});
    w.Bytes(first, 513, 7,
            std::string("\xFF\xD8\xFF\xE1\x00\x10"
                        "Exif\0\0MM\0\x2A\xFF\xD9",
                        18));
  }
  return w.Build(layout);
}

}  // namespace exif_test
