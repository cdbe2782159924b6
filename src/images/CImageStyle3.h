// The thumbnail look of the album's views: a name line above the picture square, a memo
// column beside it and a date line below, each shown by its style bit, drawn with the
// colours, pens and fonts of the drawing resources. A photo of any favourite carries the
// favourite mark in the corner of its picture.
#pragma once

#include "images/CImageStyle.h"
#include "platform/gdi/Icons.h"
#include "platform/text/Cp932.h"

class CDrawObject;
class CPhotoItem;

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

  // The box a picture is fitted into inside its square: s x 3s/4 centred vertically for a
  // landscape picture, 3s/4 x s centred horizontally for a portrait one.
  static RECT PictureBox(const RECT& square, bool portrait);
  // The date line's text: "YYYY/MM/DD", or nothing for a photo whose date is unknown.
  static Cp932String DateText(const CPhotoItem& record);

 private:
  void DrawBackground(CDC& dc, CDrawObject& draw, const CImageItem& item, int x, int y);
  void DrawPicture(CDC& dc, CDrawObject& draw, CPhotoItem& record, const RECT& square);
  void DrawName(CDC& dc, const CPhotoItem& record, const RECT& line);
  void DrawMemo(CDC& dc, CDrawObject& draw, const CPhotoItem& record, const RECT& column);
  void DrawDate(CDC& dc, const CPhotoItem& record, const RECT& line);
  void DrawFavouriteMark(CDC& dc, const CPhotoItem& record, const RECT& square);

  HICON favouriteIcon_ = nullptr;
};
