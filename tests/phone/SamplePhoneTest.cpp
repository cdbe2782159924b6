#include <QImageReader>
#include <set>

#include "platform/phonelib/SampleExif.h"
#include "platform/phonelib/SamplePhone.h"
#include "tests/phone/PhoneFixture.h"

namespace {

// Reads back one value of the Exif block: walks IFD0, following the Exif (0x8769) and GPS
// (0x8825) pointers, and returns the raw bytes of the tag.
class ExifReader {
 public:
  explicit ExifReader(const std::string& jpeg) {
    if (jpeg.compare(0, 4, "\xFF\xD8\xFF\xE1") != 0) return;
    tiff_ = jpeg.substr(4 + 2 + 6, (U8(jpeg, 4) << 8 | U8(jpeg, 5)) - 8);
  }
  bool valid() const { return tiff_.compare(0, 4, std::string("II*\0", 4)) == 0; }
  std::string Find(uint16_t folder, uint16_t tag) const {
    uint32_t ifd = U32(4);
    if (folder != 0) ifd = U32(Entry(ifd, folder) + 8);
    const uint32_t entry = Entry(ifd, tag);
    if (entry == 0) return {};
    const uint32_t size = U32(entry + 4) * (U16(entry + 2) == 5 ? 8 : 1);
    const uint32_t at = size <= 4 ? entry + 8 : U32(entry + 8);
    return tiff_.substr(at, size);
  }

 private:
  static uint32_t U8(const std::string& s, size_t i) { return static_cast<uint8_t>(s.at(i)); }
  uint32_t U16(size_t i) const { return U8(tiff_, i) | U8(tiff_, i + 1) << 8; }
  uint32_t U32(size_t i) const { return U16(i) | U16(i + 2) << 16; }
  uint32_t Entry(uint32_t ifd, uint16_t tag) const {
    for (uint32_t i = 0; i < U16(ifd); ++i)
      if (U16(ifd + 2 + 12 * i) == tag) return ifd + 2 + 12 * i;
    return 0;
  }
  std::string tiff_;
};

TEST(SampleExif, PlacesMakerModelDateAndPositionWhereAReaderLooks) {
  const phonelib::ExifFields fields{"NOVA Mobile", "NV-4", "2024:05:03 12:00:00",
                                    phonelib::GpsPosition{35.5, -139.25}};
  const std::string jpeg =
      phonelib::InsertAfterStartOfImage("\xFF\xD8rest", phonelib::MakeExifSegment(fields));
  ExifReader exif(jpeg);
  ASSERT_TRUE(exif.valid());
  EXPECT_EQ(exif.Find(0, 0x010F), std::string("NOVA Mobile\0", 12));
  EXPECT_EQ(exif.Find(0, 0x0110), std::string("NV-4\0", 5));
  EXPECT_EQ(exif.Find(0x8769, 0x9003), std::string("2024:05:03 12:00:00\0", 20));
  EXPECT_EQ(exif.Find(0x8825, 0x0003), std::string("W\0", 2));
  // 35° 30' 0.00"
  const std::string latitude = exif.Find(0x8825, 0x0002);
  ASSERT_EQ(latitude.size(), 24u);
  EXPECT_EQ(latitude[0], 35);
  EXPECT_EQ(latitude[8], 30);
  EXPECT_EQ(jpeg.substr(jpeg.size() - 4), "rest");
}

class SamplePhone : public PhoneTest {};

TEST_F(SamplePhone, HoldsABurstPhotosOverYearsAndMonthsInBothAreasAndTwoMovies) {
  std::vector<phonelib::SampleFile> made;
  std::string error;
  ASSERT_TRUE(phonelib::MakeSamplePhone(Phone(), &made, &error)) << error;
  ASSERT_TRUE(phonelib::ReadPhoneProfile(Phone()).has_value());
  std::set<std::string> months;
  std::set<std::string> stamps;
  int movies = 0, external = 0, burst = 0;
  for (const phonelib::SampleFile& file : made) {
    const std::string data = ReadText(file.path);
    external += file.path.find("/external/") != std::string::npos ? 1 : 0;
    if (file.path.ends_with(".3gp")) movies += data.substr(4, 4) == "ftyp" ? 1 : 0;
    if (!file.path.ends_with(".jpg")) continue;
    EXPECT_LT(data.size(), 300u * 1024);
    ExifReader exif(data);
    ASSERT_TRUE(exif.valid()) << file.path;
    const std::string taken = exif.Find(0x8769, 0x9003);
    months.insert(taken.substr(0, 7));
    if (file.path.find('~') == std::string::npos) continue;
    ++burst;
    EXPECT_EQ(exif.Find(0, 0x010F).substr(0, 4), phonelib::kCarrierMakerPrefix);
    EXPECT_EQ(QImageReader(QString::fromStdString(file.path)).size(), QSize(640, 480));
    stamps.insert(
        taken +
        std::to_string(std::filesystem::last_write_time(file.path).time_since_epoch().count()));
  }
  EXPECT_EQ(movies, 2);
  EXPECT_GE(external, 3);
  EXPECT_EQ(burst, 3);
  EXPECT_EQ(stamps.size(), 1u) << "burst shots share their second and their date taken";
  EXPECT_GE(months.size(), 6u);
}

TEST_F(SamplePhone, IsReadWhole) {
  std::vector<phonelib::SampleFile> made;
  std::string error;
  ASSERT_TRUE(phonelib::MakeSamplePhone(Phone(), &made, &error)) << error;
  CCdmaFilesOption request;
  for (const char* ext : {"jpg", "png", "amc", "3gp", "3g2"}) request.AddExtension(ext);
  request.SetStrIntPath(Work("StrInt"));
  request.SetStrExtPath(Work("StrExt"));
  CCdmaComm comm;
  ASSERT_NE(comm.GetFilesForQuarn(3, &request, &window_), 0);
  ASSERT_TRUE(PumpUntil(CCdmaComm::kMsgReadDone));
  EXPECT_EQ(comm.GetNyFileInfoList()->GetCount(), made.size() - 1);  // all but the profile
  EXPECT_EQ(window_.received.back().w, made.size() - 1);
}

}  // namespace
