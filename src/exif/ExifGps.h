// The GPS values that need arithmetic: a position triple in 1/256 arc-seconds and the
// time stamp as text.
#pragma once

#include <optional>

#include "exif/ExifBlockReader.h"
#include "platform/text/Cp932.h"

namespace exif {

// 1/256 arc-seconds per degree, per minute and per second.
constexpr double kUnitsPerDegree = 921600.0;
constexpr double kUnitsPerMinute = 15360.0;
constexpr double kUnitsPerSecond = 256.0;

// Degrees, minutes and seconds (three unsigned rationals) in 1/256 arc-seconds; nothing
// when the value holds fewer than three rationals or a denominator is 0.
std::optional<double> PositionUnits(const ExifValue& value);

// Degrees, minutes and seconds as "%.0f度 %.0f分 %.2f秒"; "不明" when they cannot be read.
Cp932String PositionText(const ExifValue& value);

// Hours, minutes and seconds (three unsigned rationals) as "%d: %d: %d", or with the
// hundredths of a second as "%d: %d: %d.%02d" when the seconds have a fraction. The
// fraction of an hour or a minute is carried exactly into the next field.
Cp932String TimeText(const ExifValue& value);

}  // namespace exif
