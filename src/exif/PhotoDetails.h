// What the details dialog lists about one photo file: the general facts of the file (type,
// size in pixels and bits, bytes, last change) and the shooting information from its Exif
// block or, for a PNG file and for a JPEG without Exif, its text comments. The rows are
// made here, apart from the window, so that the dialog and the command-line tool show the
// same rows.
#pragma once

#include <vector>

#include "exif/CExifSource.h"
#include "platform/text/Cp932.h"

namespace imaging {
struct FileInfo;
}

namespace details {

// Where the shooting information comes from, by the file's extension (any case).
constexpr int kSourceJpeg = 0;
constexpr int kSourcePng = 1;
constexpr int kSourceOther = 2;
int SourceKindOf(const Cp932String& path);

// The general rows in order: type, width, height, depth, bytes, changed on the phone. The
// picture's three rows are left out when no file information can be had; known is the
// information the photo already holds (null: read from the file).
std::vector<ExifListRow> GeneralRows(const Cp932String& path, const imaging::FileInfo* known);

// The shooting rows: the comments of a PNG file; the Exif listing of any other file, or
// its comments when it has no readable Exif block; one row saying there is nothing when
// neither gives a row. Heading rows carry ExifListRow::kHeadingBit in their item data.
std::vector<ExifListRow> ShootingRows(const Cp932String& path, int sourceKind,
                                      const Cp932String& tempFolder);

// The file's text comments in the dialog's order, one row each that is not empty.
std::vector<ExifListRow> CommentRows(const Cp932String& path);

// The shell's type name, or "<EXT>ファイル", or "ファイル" for a name without extension.
Cp932String FileTypeText(const Cp932String& path);

// "%d年 %d月 %d日 (%s曜日)" of the last-write time in local time; the fields that cannot
// be had are 0 and the weekday a star.
Cp932String ChangedDateText(const Cp932String& path);

}  // namespace details
