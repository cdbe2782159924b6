// The drawing resources every owner-drawn window of the album takes its colours, pens,
// brushes, fonts and frame bitmaps from. Each index asked for gets a cached record, filled
// from the built-in (green) scheme or the system colours, until a colour scheme file sets
// it or a load with clearing drops it. The object owns every pen, brush and font it hands
// out; callers never delete them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/text/Cp932.h"
#include "ui/ColorSchemeParser.h"

class CDrawObject {
 public:
  // Colour scheme files are a few kilobytes; a larger file is not a scheme.
  static constexpr uint64_t kMaxSchemeFileBytes = 1024 * 1024;

  CDrawObject() = default;
  virtual ~CDrawObject() = default;
  CDrawObject(const CDrawObject&) = delete;
  CDrawObject& operator=(const CDrawObject&) = delete;

  // Reads a colour scheme file and applies it; with clear set, every cached record goes
  // first. False when the file cannot be read or is too large: the resources are then as
  // they were, or the built-in ones after clearing.
  bool Load(const Cp932String& path, bool clear);
  // The whole file, unless it is missing, unreadable or too large to be a scheme.
  static std::optional<std::string> ReadSchemeFile(const Cp932String& path);
  // Applies the settings of scheme text, later lines over earlier ones; returns them.
  std::vector<colorscheme::Entry> ApplyText(std::string_view text);
  // Drops every cached record with its pens, brushes and fonts.
  void Clear() { records_.clear(); }

  COLORREF GetColor(int32_t index);
  HPEN GetPen(int32_t index);
  HBRUSH GetBrush(int32_t index);
  HFONT GetFont(int32_t index);
  // The bitmap file name a scheme set for the index, or empty.
  Cp932String GetBitmapFile(int32_t index) const;
  // The bitmap file resolved against the scheme folder; empty unless the file exists.
  Cp932String GetBitmapPath(int32_t index) const;

  // The folder that bitmap file names are relative to; empty: the suite's folder beside
  // the running program.
  void SetSchemeFolder(const Cp932String& folder) { schemeFolder_ = folder; }
  // The scheme number last applied; -1 before the first.
  int appliedScheme() const { return appliedScheme_; }
  void SetAppliedScheme(int number) { appliedScheme_ = number; }

  // The slot operations a drawing object of another look may replace. Each returns a new
  // object that the caller owns.
  virtual COLORREF DefaultColor(int32_t index);
  virtual HPEN CreatePenFor(int32_t index, COLORREF color);
  virtual HBRUSH CreateBrushFor(int32_t index, COLORREF color);
  virtual HFONT CreateFontFor(int32_t index);
  // The index a key of the colour scheme file names, or -1.
  virtual int32_t KeyToIndex(std::string_view key);

 private:
  struct Record {
    COLORREF color = 0;
    gdi::Owned<gdi::Pen> pen;
    gdi::Owned<gdi::Brush> brush;
    gdi::Owned<gdi::Font> font;
    Cp932String text;
  };

  Record& RecordOf(int32_t index);
  void Replace(const colorscheme::Entry& entry);

  std::map<int32_t, Record> records_;
  Cp932String schemeFolder_;
  int appliedScheme_ = -1;
};
