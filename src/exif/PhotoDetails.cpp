#include "exif/PhotoDetails.h"

#include <cstdio>
#include <ctime>
#include <string>

#include "platform/fileio/FileIo.h"
#include "platform/imaging/Imaging.h"
#include "platform/shell/FileTypeName.h"

namespace details {
namespace {

using cp932::Lit;

// The comment ids in the order the list shows them, with their labels.
struct CommentLabel {
  int id;
  const char* label;
};
constexpr CommentLabel kComments[] = {
    {1, "著作権"},
    {2, "日時"},
    {3, "解説"},
    {5, "製造業者"},
    {175, "題名"},
    {9, "制作ソフトウェア"},
    {176, "制作ソフトウェアの免責条項"},
    {177, "作成ソフトウェアの注意事項"},
    {178, "その他"},
};

constexpr const char* kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
// The white star that stands for a weekday that cannot be had (code page 932 bytes 81 99).
constexpr const char kStar[] = "\x81\x99";

// The part of the file name after its last dot; empty when the name has none.
std::string_view ExtensionOf(const Cp932String& path) {
  const size_t slash = path.rfind('/');
  const size_t name = slash == Cp932String::npos ? 0 : slash + 1;
  const size_t dot = path.rfind('.');
  if (dot == Cp932String::npos || dot < name) return {};
  return std::string_view(path).substr(dot + 1);
}

Cp932String Number(const char* format, long long value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

ExifListRow Row(const char* label, Cp932String value) {
  return {Lit(label), std::move(value), 0};
}

bool ReadInfo(const Cp932String& path, imaging::FileInfo* info) {
  return imaging::ReadFileInfo(path.c_str(), info, sizeof *info, 0, nullptr) == imaging::kSuccess;
}

uint64_t FileBytes(const Cp932String& path) {
  return fileio::FileSize(path).value_or(0);
}

}  // namespace

int SourceKindOf(const Cp932String& path) {
  const Cp932String extension = cp932::AsciiUpper(Cp932String(ExtensionOf(path)));
  if (extension == "JPG") return kSourceJpeg;
  if (extension == "PNG") return kSourcePng;
  return kSourceOther;
}

Cp932String FileTypeText(const Cp932String& path) {
  Cp932String name = shell::FileTypeName(path);
  if (!name.empty()) return name;
  return Cp932String(ExtensionOf(path)) + Lit("ファイル");
}

Cp932String ChangedDateText(const Cp932String& path) {
  std::tm local{};
  bool converted = false;
  if (const std::optional<int64_t> seconds = fileio::LastWriteTime(path)) {
    const std::time_t time = *seconds;
    converted = localtime_r(&time, &local) != nullptr;
  }
  const int year = converted ? local.tm_year + 1900 : 0;
  const int month = converted ? local.tm_mon + 1 : 0;
  const int day = converted ? local.tm_mday : 0;
  const bool hasWeekday = converted && local.tm_wday >= 0 && local.tm_wday < 7;
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%d", year);
  Cp932String text = numbers + Lit("年 ");
  std::snprintf(numbers, sizeof numbers, "%d", month);
  text += numbers + Lit("月 ");
  std::snprintf(numbers, sizeof numbers, "%d", day);
  text += numbers + Lit("日 (");
  text += hasWeekday ? Lit(kWeekdays[local.tm_wday]) : Cp932String(kStar);
  return text + Lit("曜日)");
}

std::vector<ExifListRow> GeneralRows(const Cp932String& path, const imaging::FileInfo* known) {
  imaging::FileInfo read{};
  const imaging::FileInfo* info = known;
  if (info == nullptr && ReadInfo(path, &read)) info = &read;
  std::vector<ExifListRow> rows;
  rows.push_back(Row("ファイルの種類", FileTypeText(path)));
  if (info != nullptr) {
    rows.push_back(Row("幅", Number("%lld", info->width)));
    rows.push_back(Row("高さ", Number("%lld", info->height)));
    rows.push_back(Row("深さ", Number("%lld", info->bitsPerPixel) + Lit("ビット")));
  }
  const auto bytes = static_cast<long long>(FileBytes(path));
  rows.push_back(Row("サイズ", Number("%lld", bytes) + Lit("バイト")));
  rows.push_back(Row("携帯更新日時", ChangedDateText(path)));
  return rows;
}

// The comment a save would write for an id is cleared first, so that nothing set for
// another file can be taken for this file's own.
std::vector<ExifListRow> CommentRows(const Cp932String& path) {
  std::vector<ExifListRow> rows;
  char buffer[imaging::kCommentBufferBytes];
  for (const CommentLabel& comment : kComments) {
    imaging::SetComment(comment.id, nullptr, 0);
    const int length = imaging::ReadComment(path.c_str(), comment.id, buffer, sizeof buffer, 0);
    if (length > 0) rows.push_back(Row(comment.label, Cp932String(buffer, length)));
  }
  return rows;
}

std::vector<ExifListRow> ShootingRows(const Cp932String& path, int sourceKind,
                                      const Cp932String& tempFolder) {
  std::vector<ExifListRow> rows;
  if (sourceKind == kSourcePng) {
    rows = CommentRows(path);
  } else {
    CExifSource source;
    if (source.Open(path, tempFolder) == 1)
      source.FillList(&rows);
    else
      rows = CommentRows(path);
  }
  if (rows.empty()) rows.push_back(Row("撮影情報はありません", {}));
  return rows;
}

}  // namespace details
