// The thumbnail look of the album's views: a name line above the picture square, a memo
// column beside it and a date line below, each shown by its style bit, drawn with the
// colours, pens and fonts of the drawing resources. A photo of any favourite carries the
// favourite mark in the corner of its picture.
#pragma once

#include <chrono>

#include "images/CImageStyle.h"
#include "platform/gdi/Icons.h"
#include "platform/text/Cp932.h"

class CDrawObject;
class CPhotoItem;

// How much decoding one draw may do: a number of pictures (-1: any) and a moment after
// which no new decode starts. A picture met past the budget is drawn as an empty box and
// counted as pending, so that a paint never waits for a whole page of decodes.
struct DecodeBudget {
  using Clock = std::chrono::steady_clock;
  int decodes = -1;
  Clock::time_point until = Clock::time_point::max();

  bool Allows() const {
    return decodes != 0 && (until == Clock::time_point::max() || Clock::now() < until);
  }
  void Spend() {
    if (decodes > 0) --decodes;
  }
};

class CImageStyle3 : public CImageStyle {
 public:
  static constexpr int kFavouriteIcon = 411;
  static constexpr int kFavouriteIconSize = 16;
  // Memo lines and their rules are this far apart.
  static constexpr int kMemoLineHeight = 15;
  static constexpr int kNameLineHeight = 16;
  static constexpr int kDateLineHeight = 14;

  CImageStyle3();

  void Recompute() override;
  void DrawItem(CDC& dc, const CImageItem& item, int x, int y) override;
  ItemParts PartRects(int x, int y) const override;

  // The budget of the following draws; pendingDecodes() counts the pictures they left
  // undecoded since the last reset.
  void SetDecodeBudget(const DecodeBudget& budget) { budget_ = budget; }
  void ResetPending() { pending_ = 0; }
  int pendingDecodes() const { return pending_; }
  // Whether the record's thumbnail is drawn without reading its file.
  bool IsReady(CPhotoItem& record);
  // Decodes the record's thumbnail into the cache without drawing it (reading ahead);
  // whether it had to read the file.
  bool Prepare(CPhotoItem& record);

  // The box a picture is fitted into inside its square: s x 3s/4 centred vertically for a
  // landscape picture, 3s/4 x s centred horizontally for a portrait one.
  static RECT PictureBox(const RECT& square, bool portrait);
  // The date line's text: "YYYY/MM/DD", or nothing for a photo whose date is unknown.
  static Cp932String DateText(const CPhotoItem& record);

 private:
  void DrawBackground(CDC& dc, CDrawObject& draw, const CImageItem& item, int x, int y);
  void DrawPicture(CDC& dc, CDrawObject& draw, CPhotoItem& record, const RECT& square);
  // Loads the record's thumbnail for the square (from the cache when it can); 1 when a
  // picture or icon is ready.
  int LoadFor(CPhotoItem& record, const RECT& square);
  static bool IconOnly(const CPhotoItem& record);
  void DrawName(CDC& dc, const CPhotoItem& record, const RECT& line);
  void DrawMemo(CDC& dc, CDrawObject& draw, const CPhotoItem& record, const RECT& column);
  void DrawDate(CDC& dc, const CPhotoItem& record, const RECT& line);
  void DrawFavouriteMark(CDC& dc, const CPhotoItem& record, const RECT& square);

  HICON favouriteIcon_ = nullptr;
  DecodeBudget budget_;
  int pending_ = 0;
};
