#include "exif/ExifGps.h"

#include <cstdio>

namespace exif {
namespace {

constexpr unsigned kMinutesPerHour = 60;
constexpr unsigned kSecondsPerMinute = 60;

// Counts without room for overflow: products of up to three 32-bit denominators.
using Wide = unsigned __int128;

struct Rational {
  uint32_t num = 0;
  uint32_t den = 0;
};

// The i-th rational of a rational value.
Rational RationalAt(const ExifValue& value, size_t i) {
  return {value.numbers[2 * i], value.numbers[2 * i + 1]};
}

// A value that holds the three rationals of a triple.
bool HoldsTriple(const ExifValue& value) {
  return (value.type == 5 || value.type == 10) && value.numbers.size() >= 6;
}

bool HasZeroDenominator(const ExifValue& value) {
  for (size_t i = 0; i < 3; ++i)
    if (RationalAt(value, i).den == 0) return true;
  return false;
}

double Quotient(Rational r) {
  return static_cast<double>(r.num) / static_cast<double>(r.den);
}

// A field's whole part and the fraction left over, as remainder / denominator.
struct Field {
  Wide whole = 0;
  Wide remainder = 0;
  Wide den = 0;
};

// The field's own rational plus the fraction carried from the field above (carry / carryDen
// of the field above, scale of this field's units in one of those), over the common
// denominator; a zero denominator gives 0 and carries nothing, as the time's writers mean.
Field Carry(Rational own, const Field& above, unsigned scale) {
  if (own.den == 0) return {};
  if (above.den == 0) return {own.num / own.den, own.num % own.den, own.den};
  const Wide den = above.den * own.den;
  const Wide total = Wide{own.num} * above.den + above.remainder * scale * own.den;
  return {total / den, total % den, den};
}

std::string Decimal(Wide n) {
  return std::to_string(static_cast<unsigned long long>(n));
}

}  // namespace

std::optional<double> PositionUnits(const ExifValue& value) {
  if (!HoldsTriple(value) || HasZeroDenominator(value)) return std::nullopt;
  const Rational d = RationalAt(value, 0);
  const Rational m = RationalAt(value, 1);
  const Rational s = RationalAt(value, 2);
  return d.num * kUnitsPerDegree / d.den + m.num * kUnitsPerMinute / m.den +
         s.num * kUnitsPerSecond / s.den;
}

Cp932String PositionText(const ExifValue& value) {
  static const Cp932String kDegree = cp932::Lit("度");
  static const Cp932String kMinute = cp932::Lit("分");
  static const Cp932String kSecond = cp932::Lit("秒");
  if (!HoldsTriple(value) || HasZeroDenominator(value)) return cp932::Lit("不明");
  char d[32], m[32], s[32];
  std::snprintf(d, sizeof d, "%.0f", Quotient(RationalAt(value, 0)));
  std::snprintf(m, sizeof m, "%.0f", Quotient(RationalAt(value, 1)));
  std::snprintf(s, sizeof s, "%.2f", Quotient(RationalAt(value, 2)));
  return d + kDegree + " " + m + kMinute + " " + s + kSecond;
}

Cp932String TimeText(const ExifValue& value) {
  if (!HoldsTriple(value)) return cp932::Lit("不明");
  const Field hours = Carry(RationalAt(value, 0), Field{}, 1);
  const Field minutes = Carry(RationalAt(value, 1), hours, kMinutesPerHour);
  const Field seconds = Carry(RationalAt(value, 2), minutes, kSecondsPerMinute);
  Cp932String text =
      Decimal(hours.whole) + ": " + Decimal(minutes.whole) + ": " + Decimal(seconds.whole);
  if (seconds.remainder == 0) return text;
  char hundredths[8];
  std::snprintf(hundredths, sizeof hundredths, ".%02u",
                static_cast<unsigned>(seconds.remainder * 100 / seconds.den));
  return text + hundredths;
}

}  // namespace exif
