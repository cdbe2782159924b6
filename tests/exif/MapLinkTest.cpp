// The map link: the coordinate texts and the query of a known position, the query read
// back, each of its failures, and the request the map service is given.
#include <gtest/gtest.h>

#include <cstdlib>

#include "exif/MapLink.h"
#include "tests/exif/ExifFixture.h"

using namespace exif_test;

namespace {

constexpr const char* kOsm = "https://www.openstreetmap.org/";
// 35° 40' 12.34" and 139° 45' 0" in 1/256 arc-seconds.
constexpr double kLatitude = 35 * 921600.0 + 40 * 15360.0 + 1234 * 256 / 100.0;
constexpr double kLongitude = 139 * 921600.0 + 45 * 15360.0;
constexpr const char* kQuery = "datum=0&unit=0&lat=+35.40.12.34&lon=+139.45.0.0&fm=0";

std::string Utf8(const Cp932String& text) {
  return cp932::ToUtf8Lossy(text);
}

// The request for a query, or the message in its place.
std::string RequestOrMessage(const std::string& query) {
  Cp932String message;
  std::optional<maplink::QueryFields> fields = maplink::ParseQuery(query, &message);
  if (fields)
    if (auto request = maplink::Request(*fields, kOsm, &message)) return *request;
  return Utf8(message);
}

// The marker's latitude and longitude in a request.
maplink::Degrees MarkerOf(const std::string& request) {
  const size_t lat = request.find("mlat="), lon = request.find("mlon=");
  if (lat == std::string::npos || lon == std::string::npos) return {};
  return {std::atof(request.c_str() + lat + 5), std::atof(request.c_str() + lon + 5)};
}

TEST(MapLink, KnownPositionGivesItsTextsQueryAndMarker) {
  EXPECT_EQ(maplink::CoordinateText(kLatitude), "+35.40.12.34");
  EXPECT_EQ(maplink::CoordinateText(kLongitude), "+139.45.0.0");
  EXPECT_EQ(maplink::CoordinateText(kLatitude + 255), "+35.40.13.34") << "rounded hundredths";
  EXPECT_EQ(maplink::CoordinateText(-kLatitude), "-35.40.12.34") << "south";
  EXPECT_EQ(maplink::Query(kLatitude, kLongitude, 1), kQuery);
  EXPECT_EQ(maplink::Query(kLatitude, kLongitude, 0).substr(0, 8), "datum=1&") << "Tokyo";

  EXPECT_EQ(RequestOrMessage(kQuery),
            "https://www.openstreetmap.org/?mlat=35.670094&mlon=139.750000"
            "#map=16/35.670094/139.750000");
  EXPECT_EQ(RequestOrMessage("DATUM=0&UNIT=0&LAT=+35.40.12.34&LON=+139.45.0.0&FM=0"),
            RequestOrMessage(kQuery))
      << "keys in any case";
  Cp932String message;
  const auto fields = maplink::ParseQuery(kQuery, &message);
  ASSERT_TRUE(fields.has_value());
  EXPECT_EQ(maplink::Request(*fields, "https://maps.example/show?zoom=9", &message).value_or(""),
            "https://maps.example/show?zoom=9&mlat=35.670094&mlon=139.750000"
            "#map=16/35.670094/139.750000");
}

// The datum origin of Japan: 35° 39' 17.5148" N, 139° 44' 40.5020" E in the Tokyo datum is
// 35° 39' 29.1572" N, 139° 44' 28.8759" E in WGS 84, some 450 m away.
TEST(MapLink, TokyoDatumIsMovedToWgs84BeforeTheMap) {
  const std::string request =
      RequestOrMessage("datum=1&unit=0&lat=+35.39.17.51&lon=+139.44.40.50&fm=0");
  const maplink::Degrees marker = MarkerOf(request);
  EXPECT_NEAR(marker.latitude, 35 + 39 / 60.0 + 29.1572 / 3600, 0.0001) << request;
  EXPECT_NEAR(marker.longitude, 139 + 44 / 60.0 + 28.8759 / 3600, 0.0001) << request;
}

TEST(MapLink, EachParseFailureHasItsMessage) {
  EXPECT_EQ(RequestOrMessage(""), "GPS文字列が指定されていません。");
  for (const char* key : {"datum=", "unit=", "lat=", "lon=", "fm="}) {
    std::string query = kQuery;
    query.erase(query.find(key), std::string(key).size());
    EXPECT_EQ(RequestOrMessage(query), "GPS情報の解析に失敗") << "without " << key;
  }
  EXPECT_EQ(RequestOrMessage("datum=0&unit=0&lat=+95.0.0.0&lon=+139.45.0.0&fm=0"),
            "引数が範囲外です。");
  EXPECT_EQ(RequestOrMessage("datum=0&unit=0&lat=+35.0.0.0&lon=-181.0.0.0&fm=0"),
            "引数が範囲外です。");
  EXPECT_EQ(RequestOrMessage("datum=0&unit=0&lat=+35.4x&lon=+139.45.0.0&fm=0"),
            "GPS情報の解析に失敗");
  EXPECT_EQ(RequestOrMessage("datum=0&unit=0&lat=+35..12&lon=+139.45.0.0&fm=0"),
            "GPS情報の解析に失敗");
}

class MapLinkPhoto : public ExifFixture {
 protected:
  maplink::Outcome For(const std::string& bytes) {
    return maplink::RequestForPhoto(Photo(bytes), work_, kOsm);
  }
};

// The reader's temporary file is gone after each (the fixture checks).
TEST_F(MapLinkPhoto, PhotoWithoutExifOrGpsIsRefusedAndAGpsPhotoGetsItsMarker) {
  maplink::Outcome none = For(Jpeg({}));
  EXPECT_FALSE(none.request.has_value());
  EXPECT_EQ(Utf8(none.message), "Exif情報がありません。");

  TiffWriter w(true);
  w.Ascii(w.Directory(), 271, "Kaiwa");
  maplink::Outcome noGps = For(Jpeg({ExifSegment(w.Build())}));
  EXPECT_EQ(Utf8(noGps.message), "GPS情報がありません。");

  maplink::Outcome gps = For(Jpeg({ExifSegment(CameraBlock(false))}));
  ASSERT_TRUE(gps.request.has_value()) << Utf8(gps.message);
  const maplink::Degrees marker = MarkerOf(*gps.request);
  EXPECT_NEAR(marker.latitude, 35.670094 + 0.00323, 0.0001) << "the camera's datum is TOKYO";
  EXPECT_NEAR(marker.longitude, 139.75 - 0.00321, 0.0001);

  TiffWriter south(false);
  const int main = south.Directory(), position = south.Directory();
  south.Pointer(main, 34853, position);
  south.Ascii(position, 1, "S");
  south.Rationals(position, 2, {{33, 1}, {51, 1}, {0, 1}});
  south.Ascii(position, 3, "W");
  south.Rationals(position, 4, {{70, 1}, {39, 1}, {0, 1}});
  maplink::Outcome southWest = For(Jpeg({ExifSegment(south.Build())}));
  ASSERT_TRUE(southWest.request.has_value()) << Utf8(southWest.message);
  const maplink::Degrees there = MarkerOf(*southWest.request);
  EXPECT_NEAR(there.latitude, -33.85, 0.0001) << "south of the equator";
  EXPECT_NEAR(there.longitude, -70.65, 0.0001) << "west of Greenwich";
}

}  // namespace
