// The map link: a photo's Exif GPS position turned into a query, the query read back and
// turned into a request to the map service, and the request opened in the desktop's
// browser. Every failure on the way is a message for the user.
#pragma once

#include <optional>
#include <string>

#include "platform/text/Cp932.h"

namespace maplink {

// The registry value that holds the map service's address, in the album's section "Map".
constexpr const char* kSettingsSection = "Map";
constexpr const char* kServiceAddressName = "ServiceAddress";
// The default service: OpenStreetMap, which shows a marker at the position it is given.
constexpr const char* kDefaultServiceAddress = "https://www.openstreetmap.org/";

// A position in 1/256 arc-seconds as "+D.M.S.H": degrees, minutes, seconds and the
// hundredths of the second, rounded to nearest; a southern or western (negative) position
// starts with "-".
Cp932String CoordinateText(double units);

// "datum=%d&unit=0&lat=%s&lon=%s&fm=0"; datum 1 for a position in the Tokyo datum (the
// reader's datum flag 0), else 0.
std::string Query(double latitude, double longitude, int datumFlag);

// The fields of a query: sign (+1 or -1) and text of each coordinate, and the numbers.
struct QueryFields {
  int datum = 0;
  int unit = 0;
  int latitudeSign = 1;
  std::string latitude;
  int longitudeSign = 1;
  std::string longitude;
  int format = 0;
};

// Reads a query (keys in any case); nothing, with the message, when it is empty or lacks a
// key.
std::optional<QueryFields> ParseQuery(const std::string& query, Cp932String* message);

// A position in the Tokyo datum moved to WGS 84 (degrees); the two differ by about 400 m
// in Japan.
struct Degrees {
  double latitude = 0;
  double longitude = 0;
};
Degrees TokyoToWgs84(Degrees tokyo);

// The service's request for the fields: a marker at the position in decimal degrees of
// WGS 84, negative in the south and the west. Nothing, with the message, for a coordinate
// text that is no position, or a position off the globe.
std::optional<std::string> Request(const QueryFields& fields, const std::string& serviceAddress,
                                   Cp932String* message);

// The whole way from a photo to its request; nothing, with the message and the message
// box's icon, at the first failure. The Exif reader's temporary file is gone afterwards.
struct Outcome {
  std::optional<std::string> request;
  Cp932String message;
  unsigned icon = 0;
};
Outcome RequestForPhoto(const Cp932String& photoPath, const Cp932String& tempFolder,
                        const std::string& serviceAddress);

// The address in the album's settings, or the default.
std::string ServiceAddress();

// The map command: opens the photo's request with the shell's "open", or shows why not.
// 1 when the browser was started.
int OpenMapLink(const Cp932String& photoPath);

}  // namespace maplink
