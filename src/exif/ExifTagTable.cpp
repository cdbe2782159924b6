#include "exif/ExifTagTable.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace exif {
namespace {

using K = TagKind;

// Sorted by tag for the binary search.
constexpr TagInfo kTags[] = {
    {tag::kGpsVersion, K::kShown, "GPSバージョン"},
    {tag::kGpsLatitudeRef, K::kShown, "緯度(N/S)"},
    {tag::kGpsLatitude, K::kShown, "緯度(数値)"},
    {tag::kGpsLongitudeRef, K::kShown, "経度(E/W)"},
    {tag::kGpsLongitude, K::kShown, "経度(数値)"},
    {tag::kGpsAltitudeRef, K::kShown, "高度基準"},
    {tag::kGpsAltitude, K::kShown, "高度"},
    {tag::kGpsTimeStamp, K::kShown, "GPS時間(UTC)"},
    {tag::kGpsMapDatum, K::kShown, "測地系"},
    {tag::kGpsProcessingMethod, K::kShown, "測位方式"},
    {tag::kGpsAreaInformation, K::kShown, "測位地点名称"},
    {tag::kGpsDateStamp, K::kShown, "GPS日付"},
    {tag::kImageDescription, K::kShown, "画像タイトル名"},
    {tag::kMake, K::kShown, "メーカ名"},
    {tag::kModel, K::kShown, "モデル名"},
    {tag::kOrientation, K::kShown, "画像方向"},
    {tag::kXResolution, K::kShown, "画像幅の解像度"},
    {tag::kYResolution, K::kShown, "画像高さの解像度"},
    {tag::kResolutionUnit, K::kShown, "画像幅と高さの解像度の単位"},
    {tag::kDateTime, K::kShown, "ファイルの変更日時"},
    {tag::kYCbCrPositioning, K::kShown, "YCbCrの画素構成"},
    {tag::kExifDirectory, K::kDirectory, "サブ情報"},
    {tag::kGpsDirectory, K::kDirectory, "GPS情報"},
    {tag::kExifVersion, K::kShown, "Exifバージョン"},
    {tag::kDateTimeOriginal, K::kShown, "原画像生成日時"},
    {tag::kComponentsConfiguration, K::kShown, "各コンポーネントの意味"},
    {tag::kFlashPixVersion, K::kShown, "FlashPixバージョン"},
    {tag::kColorSpace, K::kShown, "色空間情報"},
    {tag::kPixelXDimension, K::kShown, "実効画像幅"},
    {tag::kPixelYDimension, K::kShown, "実効画像高さ"},
};
constexpr size_t kTagCount = std::size(kTags);

static_assert(std::is_sorted(std::begin(kTags), std::end(kTags),
                             [](const TagInfo& a, const TagInfo& b) { return a.tag < b.tag; }));

}  // namespace

const TagInfo* FindTag(uint16_t tag) {
  const auto* it = std::lower_bound(std::begin(kTags), std::end(kTags), tag,
                                    [](const TagInfo& info, uint16_t t) { return info.tag < t; });
  return it != std::end(kTags) && it->tag == tag ? it : nullptr;
}

const Cp932String& TagLabel(const TagInfo& info) {
  static const std::array<Cp932String, kTagCount> labels = [] {
    std::array<Cp932String, kTagCount> made;
    for (size_t i = 0; i < kTagCount; ++i) made[i] = cp932::Lit(kTags[i].utf8Label);
    return made;
  }();
  return labels[static_cast<size_t>(&info - kTags)];
}

}  // namespace exif
