#include "exif/MapLink.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "exif/CExifSource.h"
#include "exif/ExifGps.h"
#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"

namespace maplink {
namespace {

using cp932::Lit;

constexpr const char* kNoGpsString = "GPS文字列が指定されていません。";
constexpr const char* kParseFailed = "GPS情報の解析に失敗";
constexpr const char* kOutOfRange = "引数が範囲外です。";
// How close the map comes: a street and its surroundings.
constexpr int kZoom = 16;

// Nothing, with the message for the user.
struct Refusal {
  template <class T>
  operator std::optional<T>() const {
    return std::nullopt;
  }
};
Refusal Refuse(const char* utf8, Cp932String* message) {
  if (message != nullptr) *message = Lit(utf8);
  return {};
}

// Keys are matched in any case. A double-byte character's second byte may look like a
// capital letter and is left alone.
std::string AsciiLower(std::string text) {
  for (size_t i = 0; i < text.size(); ++i) {
    char& c = text[i];
    if (cp932::IsLeadByte(static_cast<uint8_t>(c)))
      ++i;
    else if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// The text behind a key, up to the next "&" or the end; nothing when the key is missing.
std::optional<std::string> ValueOf(const std::string& query, std::string_view key) {
  const size_t at = query.find(key);
  if (at == std::string::npos) return std::nullopt;
  const size_t start = at + key.size();
  const size_t end = query.find('&', start);
  return query.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

int Decimal(const std::string& text) {
  return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

// The first character is the sign ("-" for minus, anything else plus) and leaves the text.
int TakeSign(std::string* text) {
  if (text->empty()) return 1;
  const int sign = (*text)[0] == '-' ? -1 : 1;
  text->erase(0, 1);
  return sign;
}

// "D.M.S.H" (unit 0: degrees, minutes, seconds, hundredths; the later parts may be
// missing) or, for any other unit, decimal degrees.
std::optional<double> DegreesOf(const std::string& text, int unit) {
  if (unit != 0) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
    return value;
  }
  constexpr double kScale[] = {1.0, 60.0, 3600.0, 360000.0};
  double degrees = 0;
  size_t part = 0;
  for (size_t start = 0; start <= text.size(); ++part) {
    const size_t dot = std::min(text.find('.', start), text.size());
    const std::string_view digits = std::string_view(text).substr(start, dot - start);
    if (part >= 4 || digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
      return std::nullopt;
    degrees += std::strtol(std::string(digits).c_str(), nullptr, 10) / kScale[part];
    start = dot + 1;
  }
  return degrees;
}

}  // namespace

Cp932String CoordinateText(double signedUnits) {
  const char sign = signedUnits < 0 ? '-' : '+';
  const double units = std::fabs(signedUnits);
  const double seconds = std::trunc(units / exif::kUnitsPerSecond);
  const auto degrees = static_cast<long long>(units / exif::kUnitsPerDegree);
  const auto minutes = static_cast<long long>(units / exif::kUnitsPerMinute) % 60;
  const auto wholeSeconds = static_cast<long long>(seconds) % 60;
  const auto milliseconds =
      static_cast<long long>((units / exif::kUnitsPerSecond - seconds) * 1000.0);
  // Rounding may reach a whole second; the text keeps it within the second it names.
  const long long hundredths = std::min<long long>((milliseconds + 5) / 10, 99);
  char text[96];
  std::snprintf(text, sizeof text, "%c%lld.%lld.%lld.%lld", sign, degrees, minutes, wholeSeconds,
                hundredths);
  return text;
}

std::string Query(double latitude, double longitude, int datumFlag) {
  return "datum=" + std::to_string(datumFlag == 0 ? 1 : 0) +
         "&unit=0&lat=" + CoordinateText(latitude) + "&lon=" + CoordinateText(longitude) + "&fm=0";
}

std::optional<QueryFields> ParseQuery(const std::string& query, Cp932String* message) {
  if (query.empty()) return Refuse(kNoGpsString, message);
  const std::string lower = AsciiLower(query);
  const auto datum = ValueOf(lower, "datum=");
  const auto unit = ValueOf(lower, "unit=");
  const auto latitude = ValueOf(lower, "lat=");
  const auto longitude = ValueOf(lower, "lon=");
  const auto format = ValueOf(lower, "fm=");
  if (!datum || !unit || !latitude || !longitude || !format) return Refuse(kParseFailed, message);
  QueryFields fields;
  fields.datum = Decimal(*datum);
  fields.unit = Decimal(*unit);
  fields.latitude = *latitude;
  fields.latitudeSign = TakeSign(&fields.latitude);
  fields.longitude = *longitude;
  fields.longitudeSign = TakeSign(&fields.longitude);
  fields.format = Decimal(*format);
  return fields;
}

// The approximation of Japan's survey authority for the Tokyo datum, good to a few metres
// across Japan, where positions in that datum come from.
Degrees TokyoToWgs84(Degrees tokyo) {
  const double lat = tokyo.latitude;
  const double lon = tokyo.longitude;
  return {lat - 0.00010695 * lat + 0.000017464 * lon + 0.0046017,
          lon - 0.000046038 * lat - 0.000083043 * lon + 0.010040};
}

std::optional<std::string> Request(const QueryFields& fields, const std::string& serviceAddress,
                                   Cp932String* message) {
  const std::optional<double> latitude = DegreesOf(fields.latitude, fields.unit);
  const std::optional<double> longitude = DegreesOf(fields.longitude, fields.unit);
  if (!latitude || !longitude) return Refuse(kParseFailed, message);
  if (*latitude > 90.0 || *longitude > 180.0) return Refuse(kOutOfRange, message);
  // The map covers the whole world: south and west are negative degrees.
  Degrees at{*latitude * fields.latitudeSign, *longitude * fields.longitudeSign};
  if (fields.datum == 1) at = TokyoToWgs84(at);
  const char joint = serviceAddress.find('?') == std::string::npos ? '?' : '&';
  char query[160];
  std::snprintf(query, sizeof query, "%cmlat=%.6f&mlon=%.6f#map=%d/%.6f/%.6f", joint, at.latitude,
                at.longitude, kZoom, at.latitude, at.longitude);
  return serviceAddress + query;
}

Outcome RequestForPhoto(const Cp932String& photoPath, const Cp932String& tempFolder,
                        const std::string& serviceAddress) {
  Outcome outcome;
  double latitude = 0, longitude = 0;
  int datumFlag = 1;
  {
    CExifSource source;
    if (source.Open(photoPath, tempFolder) != 1) {
      outcome.message = Lit("Exif情報がありません。");
      outcome.icon = MB_ICONEXCLAMATION;
      return outcome;
    }
    if (source.GpsPosition(&latitude, &longitude, &datumFlag) != 1) {
      outcome.message = Lit("GPS情報がありません。");
      outcome.icon = MB_ICONEXCLAMATION;
      return outcome;
    }
  }
  outcome.icon = MB_ICONERROR;
  const std::optional<QueryFields> fields =
      ParseQuery(Query(latitude, longitude, datumFlag), &outcome.message);
  if (fields) outcome.request = Request(*fields, serviceAddress, &outcome.message);
  return outcome;
}

std::string ServiceAddress() {
  const Cp932String address =
      TheApp().ReadText(kSettingsSection, kServiceAddressName, kDefaultServiceAddress);
  return address.empty() ? kDefaultServiceAddress : address;
}

int OpenMapLink(const Cp932String& photoPath) {
  Outcome outcome = RequestForPhoto(photoPath, CExifSource::DefaultTempFolder(), ServiceAddress());
  if (outcome.request && TheApp().OpenDocument(*outcome.request, &outcome.message) == 1) return 1;
  AlbumMessageBox(outcome.message, MB_OK | outcome.icon);
  return 0;
}

}  // namespace maplink
