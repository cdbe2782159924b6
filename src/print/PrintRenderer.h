// Draws printed pages (and their previews) from a style's page template: the header and
// footer with their codes expanded, each placed photo scaled into its box with the record's
// adjustments and its name, date and memo, and the calendar months. Coordinates are 0.1 mm
// from the sheet's corner; the device's resolution decides the pixels a photo is decoded at.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "print/CPrintFormat.h"
#include "print/CPrintPaperSizeInfo.h"
#include "print/PrintPageTemplate.h"

class CDC;
class CLBitmap;
class CPhotoItem;
class CalendarEventTable;

namespace printrender {

// When the job started, for "&d" and "&t".
struct PrintTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
};
PrintTime Now();

// "&p" the page number, "&s" the number of pages, "&d" the date as 2026/12/07, "&t" the
// time as 09:05, "&&" one "&"; any other character after "&" stays as it is, with the "&".
Cp932String ExpandMarginText(const Cp932String& text, int page, int count, const PrintTime& time);

// A photo placed on the page, in the cell of that number.
struct PlacedPhoto {
  int cell = 0;
  const CPhotoItem* record = nullptr;
};

struct PageInfo {
  int number = 1;
  int count = 1;
  PrintTime time;
  POINT fineAdjust{};  // the whole page moved by this much
  int dpi = 300;       // the device's resolution, for the photos' pixels
  const CalendarEventTable* events = nullptr;
};

// Draws one page: the page rectangle is the printable area on the sheet.
void DrawPage(CDC& dc, const RECT& pageRect, const CPrintFormat& style,
              const PrintPageTemplate& layout, const CPrintPaperSizeInfo& metrics,
              const std::vector<PlacedPhoto>& photos, const PageInfo& info);

// Where a photo goes in its box as the options say (stretched, the whole photo fitted, or
// the box filled and the rest cut off), centred, and the pixels it takes at the resolution;
// nothing when the photo cannot be read. The picture given takes the file's information.
struct PhotoPlacement {
  RECT placed{};
  int pixelsW = 0;
  int pixelsH = 0;
  bool fileLarger = true;
};
std::optional<PhotoPlacement> PlacePhoto(const RECT& box, const CPrintPhotoOption& options,
                                         const CPhotoItem& record, CLBitmap& picture, int dpi);
// Makes the picture's pixels for the placement (kept when already made at that size).
bool LoadPlaced(CLBitmap& picture, const CPhotoItem& record, const PhotoPlacement& placement);
// Draws it clipped to the box; answers the part of the box it covers.
RECT PaintPlaced(CDC& dc, const RECT& box, const CLBitmap& picture,
                 const PhotoPlacement& placement);

// Draws the photo into the box as the options say (stretched, the whole photo fitted, or
// the box filled and the rest cut off), centred and clipped to the box; answers the part of
// the box the picture covers (empty when the photo could not be read).
RECT DrawPhoto(CDC& dc, const RECT& box, const CPrintPhotoOption& options, const CPhotoItem& record,
               int dpi);

// The date under a photo: "2026/ 1/ 7", with a space after it in an italic font.
Cp932String DateText(const CPhotoItem& record, bool italic);

}  // namespace printrender
