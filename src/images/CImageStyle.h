// The look of a thumbnail cell: its size for the thumbnail size and the caption bits, the
// gaps and margins of the grid, the rectangles of an item's parts, and the drawing of one
// item. The base is a bare picture cell; the item sets use CImageStyle3.
#pragma once

#include <cstdint>

#include "platform/win/WinTypes.h"

class CDC;
class CImageItem;

// The parts of one item, in device or set coordinates like the cell they were made for.
// A part that is not shown is an empty rectangle at the cell's corner.
struct ItemParts {
  RECT name;     // the name line
  RECT picture;  // the square the picture is fitted into
  RECT date;     // the date line
  RECT memo;     // the memo column
};

class CImageStyle {
 public:
  // Style bits: the captions an item shows. Bit 0 is kept and handed on but changes
  // neither the geometry nor the drawing.
  static constexpr uint16_t kSpareBit = 0x1;
  static constexpr uint16_t kNameLine = 0x2;
  static constexpr uint16_t kDateLine = 0x4;
  static constexpr uint16_t kMemoColumn = 0x8;
  static constexpr uint16_t kDefaultBits = 0x0F;

  // Part bits of a hit.
  static constexpr int kPartPicture = 1;
  static constexpr int kPartName = 2;
  static constexpr int kPartDate = 4;
  static constexpr int kPartMemo = 8;

  static constexpr int kDefaultImageSize = 160;
  static constexpr int kAllPhotos = 0x10000;

  CImageStyle();
  virtual ~CImageStyle() = default;
  CImageStyle(const CImageStyle&) = delete;
  CImageStyle& operator=(const CImageStyle&) = delete;

  virtual int CellHeight() const { return verticalGap_ + ItemHeight(); }
  virtual int CellWidth() const { return horizontalGap_ + ItemWidth(); }
  virtual int TopMargin() const { return verticalGap_; }
  virtual int LeftMargin() const { return horizontalGap_; }
  virtual int ItemHeight() const { return itemHeight_; }
  virtual int ItemWidth() const { return itemWidth_; }
  // Works out the item and memo sizes from the thumbnail size and the style bits.
  virtual void Recompute();
  virtual void SetSize(int imageSize);
  virtual void SetStyleBits(uint16_t bits);
  virtual uint16_t StyleBits() const { return styleBits_; }
  // Draws the item with its cell's top-left corner at (x, y) of the device context.
  virtual void DrawItem(CDC& dc, const CImageItem& item, int x, int y);
  // The parts of an item whose cell's top-left corner is at (x, y).
  virtual ItemParts PartRects(int x, int y) const;

  int imageSize() const { return imageSize_; }
  int memoWidth() const { return memoWidth_; }
  int memoHeight() const { return memoHeight_; }
  int category() const { return category_; }
  void SetCategory(int category) { category_ = category; }

 protected:
  bool Shows(uint16_t bit) const { return (styleBits_ & bit) != 0; }

  uint16_t styleBits_ = kDefaultBits;
  int itemWidth_ = 0;
  int itemHeight_ = 0;
  int memoWidth_ = 0;
  int memoHeight_ = 0;
  int horizontalGap_ = 0;
  int verticalGap_ = 0;
  int imageSize_ = kDefaultImageSize;
  int category_ = kAllPhotos;
};
