// Device contexts: drawing onto a memory bitmap, a window being painted, or (later) a
// printer page, all through one interface. The album sees no toolkit types here; the
// platform's own parts reach the painter through CDCBridge.h.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Icons.h"
#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

class CWnd;

struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
};

// Text drawing flags.
constexpr UINT DT_TOP = 0x0;
constexpr UINT DT_LEFT = 0x0;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_RIGHT = 0x2;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_BOTTOM = 0x8;
constexpr UINT DT_WORDBREAK = 0x10;
constexpr UINT DT_SINGLELINE = 0x20;
constexpr UINT DT_NOCLIP = 0x100;
constexpr UINT DT_NOPREFIX = 0x800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;

// Background modes of text.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

namespace gdi {

// A picture handed to a device context: 32-bit words (blue, green, red, unused) in rows of
// stride bytes, top row first unless bottomUp is set.
struct ImageView {
  const uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  bool bottomUp = false;
};

}  // namespace gdi

class CDC {
 public:
  struct Impl;

  CDC();
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // A memory device context over a new bitmap of that size, filled with the colour.
  static std::unique_ptr<CDC> CreateMemory(int width, int height, COLORREF fill = 0xFFFFFF);

  bool IsValid() const;
  // The size of the drawing surface; 0 x 0 when there is none.
  int SurfaceWidth() const;
  int SurfaceHeight() const;

  // Draws the picture stretched (smoothly) into the destination rectangle.
  void StretchImage(const gdi::ImageView& image, const RECT& destination);
  // Draws the part source of the picture stretched into the destination rectangle.
  void StretchImagePart(const gdi::ImageView& image, const RECT& source, const RECT& destination);
  void FillSolidRect(const RECT& rect, COLORREF colour);
  // Fills the rectangle with the brush (nothing for a dead handle).
  void FillRect(const RECT& rect, HBRUSH brush);

  // The pen, brush and font that drawing uses; each returns the one it replaces. Null
  // stands for the default objects of a new device context: a black one-pixel pen, a
  // white brush and the default font. A handle deleted while selected draws as the default.
  HPEN SelectObject(HPEN pen);
  HBRUSH SelectObject(HBRUSH brush);
  HFONT SelectObject(HFONT font);
  COLORREF SetTextColor(COLORREF colour);
  COLORREF SetBkColor(COLORREF colour);
  // TRANSPARENT or OPAQUE (the text's background filled with the background colour, the
  // default); returns the previous mode, 0 for another value.
  int SetBkMode(int mode);

  // An outline in the selected pen, filled with the selected brush; right and bottom are
  // outside, as every rectangle here.
  void Rectangle(const RECT& rect);
  // Moves the current position; returns the previous one.
  POINT MoveTo(int x, int y);
  // A line in the selected pen from the current position up to the point, which is left
  // out and becomes the current position.
  void LineTo(int x, int y);

  // Draws code page 932 text in the selected font and text colour inside the rectangle,
  // clipped to it unless DT_NOCLIP; without DT_NOPREFIX an ampersand marks the next
  // character. Returns the height of the text.
  int DrawText(const Cp932String& text, const RECT& rect, UINT format);
  // The width and height of the text in the selected font.
  SIZE GetTextExtent(std::string_view text) const;
  // Draws an icon at its own size with its top-left corner at the point; false for none.
  bool DrawIcon(int x, int y, HICON icon);

  // Limits all drawing to the rectangle; null lifts the limit.
  void SelectClipRect(const RECT* rect);
  // The colour at a point of a memory bitmap as 0x00BBGGRR; 0 for other surfaces.
  COLORREF GetPixel(int x, int y) const;

  Impl* impl() const { return impl_.get(); }

 protected:
  explicit CDC(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// The device context of a window while it handles its paint message.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* window);
  ~CPaintDC() override;
  // The bounds of what needs painting inside the area (window coordinates): the rest keeps
  // what it shows. Empty when nothing there needs painting.
  RECT PaintBoundsWithin(const RECT& area) const;

 private:
  CWnd* window_;
};
