// Reads the Exif block of a JPEG photo: single tags as text (maker, date taken), the GPS
// position for the map link, and the whole tag tree as rows for the details list. The
// block is first copied out of the photo into a temporary file, so that every offset in
// the block is an offset into that file; the photo itself is only ever read.
#pragma once

#include <cstdint>
#include <vector>

#include "exif/ExifBlockReader.h"
#include "exif/ExifFileWindow.h"
#include "exif/ExifTempFile.h"
#include "platform/text/Cp932.h"

// One row of the details list: label, value text, and the item data with the row's group
// number in the low 31 bits and kHeadingBit set on a heading.
struct ExifListRow {
  static constexpr uint32_t kHeadingBit = 0x80000000u;
  static constexpr uint32_t kGroupMask = 0x7FFFFFFFu;

  Cp932String label;
  Cp932String value;
  uint32_t itemData = 0;

  bool isHeading() const { return (itemData & kHeadingBit) != 0; }
  uint32_t group() const { return itemData & kGroupMask; }
};

class CExifSource {
 public:
  CExifSource() = default;
  virtual ~CExifSource() { Close(); }
  CExifSource(const CExifSource&) = delete;
  CExifSource& operator=(const CExifSource&) = delete;

  // Closes what was open, copies the photo's Exif block into a new temporary file in the
  // folder (made when missing) and checks its header. 1 on success; 0 when the photo is
  // not a readable JPEG with an Exif block, with no temporary file left behind.
  int Open(const Cp932String& photoPath, const Cp932String& tempFolder);
  // Closes and removes the temporary file and frees the value buffer.
  void Close();
  bool IsOpen() const { return temp_.IsOpen(); }

  // The maker name; 1 when found, else 0 and an empty text.
  int Maker(Cp932String* text);
  // The date and time of shooting; 1 when found, else 0 and the text "0".
  int DateTaken(Cp932String* text);
  // Latitude and longitude in 1/256 arc-seconds, and the datum flag: 1 unless the map
  // datum says "TOKYO" in any case. 1 when latitude and longitude were both found and
  // readable. South and west (by the reference tags) come out negative.
  int GpsPosition(double* latitude, double* longitude, int* datumFlag);
  // Appends the heading "主な情報" and the rows of directory 0 and everything reachable
  // from it; 0 when nothing is open or there is no list.
  int FillList(std::vector<ExifListRow>* list);

  // The album's folder for temporary files: the work folder of the application, or the
  // system's temporary folder while the application has none.
  static Cp932String DefaultTempFolder();

 private:
  int FindText(uint16_t tag, Cp932String* text);

  ExifTempFile temp_;
  ExifFileWindow window_;
  ExifBlockReader block_;
  ExifValue value_;
  uint32_t firstDirectory_ = 0;
};
