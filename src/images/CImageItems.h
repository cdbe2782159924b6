// The item set a view shows: an ordered array of thumbnail items over photo records, with
// the view settings (sort value, thumbnail size, style bits), the index category it came
// from, the focus, and the grid layout. The set does the layout, hit testing, sorting and
// drawing; the views turn input into calls on it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "images/CImageItem.h"
#include "images/CImageStyle3.h"

class CImageItems {
 public:
  static constexpr int kGrowthStep = 256;
  // Sort keys, and the bit that turns the order round.
  static constexpr int32_t kSortName = 1;
  static constexpr int32_t kSortDate = 2;
  static constexpr int32_t kSortSize = 3;
  static constexpr int32_t kSortMemo = 4;
  static constexpr uint32_t kSortDescending = 0x80000000u;

  // An owning set destroys its items when they are removed and when it goes.
  explicit CImageItems(bool owning = true);
  virtual ~CImageItems();
  CImageItems(const CImageItems&) = delete;
  CImageItems& operator=(const CImageItems&) = delete;

  // Appends the item (nothing for null).
  void Add(CImageItem* item);
  // Appends a new item over the record and returns it; an owning set owns the item.
  CImageItem* AddRecord(CPhotoItem* record);
  // Takes the item at the index out (destroying it when the set owns it); the later ones
  // move down. An index out of range does nothing.
  void RemoveAt(int index);
  void Remove(CImageItem* item);
  void RemoveAll();

  int count() const { return static_cast<int>(items_.size()); }
  int capacity() const { return static_cast<int>(items_.capacity()); }
  bool owning() const { return owning_; }
  // Null outside 0 .. count - 1.
  CImageItem* At(int index) const;
  CImageItem* ItemOf(const CPhotoItem* record) const;
  int IndexOfRecord(const CPhotoItem* record) const;
  int IndexOf(const CImageItem* item) const;

  int SelectedCount() const;
  void SetAllSelected(bool selected);

  // Moves the focus to the item (or the index; none when it is not in the set) and makes
  // its record the library's current photo.
  void SetFocusItem(CImageItem* item);
  void SetFocusIndex(int index);
  CImageItem* FocusedItem() const { return At(focus_); }
  int focus() const { return focus_; }

  // Hands the thumbnail size to the style; the caller lays out again.
  void SetImageSize(int pixels);
  int imageSize() const { return imageSize_; }
  // Each of these hands the new bits to the style and lays out again.
  void SetStyleBits(uint16_t bits);
  void ShowNameLine(bool show) { SetStyleBit(CImageStyle::kNameLine, show); }
  void ShowDateLine(bool show) { SetStyleBit(CImageStyle::kDateLine, show); }
  void ShowMemoColumn(bool show) { SetStyleBit(CImageStyle::kMemoColumn, show); }
  void SetSpareBit(bool on) { SetStyleBit(CImageStyle::kSpareBit, on); }
  uint16_t styleBits() const { return styleBits_; }

  // Orders the items by the key of the sort value (its bit 31 turns the order round) and
  // stores the value; items with equal keys keep their order. False, with nothing changed,
  // for a value without a known key.
  bool Sort(int32_t sortValue);
  int32_t sortValue() const { return sortValue_; }
  // Takes the order another view sorted the same items in (the list view's own comparison)
  // and stores its sort value; the focus stays with its item. False, with nothing changed,
  // when the order does not hold exactly the set's items.
  bool SetOrder(const std::vector<CImageItem*>& order, int32_t sortValue);

  // Places the items in rows for a view window this wide (the vertical scroll bar's width
  // is taken off).
  void Layout(int windowWidth);
  // Lays out again for the set's window, or for the width of the last layout without one.
  void Layout();
  int RowsPerPage(int clientHeight) const;
  int columns() const { return columns_; }
  int lastRow() const { return lastRow_; }
  int totalHeight() const { return totalHeight_; }

  // The first item whose rectangle holds the point (set coordinates), or null.
  CImageItem* HitTest(int x, int y) const;
  // The part bits (CImageStyle::kPart…) of the item under the point.
  int HitPart(const CImageItem& item, int x, int y) const;
  // Draws the items that overlap the band of the set scrollY .. scrollY + client height
  // into the client rectangle, in order, and stops at the first item below the band.
  // With an update rectangle (in the client's coordinates) the band shrinks to its rows.
  // Returns how many were drawn.
  int Draw(CDC& dc, const RECT& client, int scrollY, const RECT* update = nullptr);

  HWND window() const { return window_; }
  void SetWindow(HWND window) { window_ = window; }
  int category() const { return category_; }
  void SetCategory(int category);
  int favouriteMask() const { return favouriteMask_; }
  void SetFavouriteMask(int mask) { favouriteMask_ = mask; }
  CImageStyle3& style() { return *style_; }
  const CImageStyle3& style() const { return *style_; }
  const std::vector<CImageItem*>& items() const { return items_; }

 private:
  void SetStyleBit(uint16_t bit, bool on);
  void Grow();

  int lastRow_ = 0;
  int columns_ = 0;
  int focus_ = -1;
  int32_t sortValue_ = kSortDate;
  uint16_t styleBits_ = CImageStyle::kDefaultBits;
  std::vector<CImageItem*> items_;
  bool owning_;
  int imageSize_ = CImageStyle::kDefaultImageSize;
  HWND window_ = nullptr;
  int totalHeight_ = 0;
  int category_ = CImageStyle::kAllPhotos;
  int favouriteMask_ = 0;
  std::unique_ptr<CImageStyle3> style_;
  // The width the last layout was made for, for a layout again without a window.
  int layoutWidth_ = 0;
};
