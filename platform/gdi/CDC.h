// Device contexts: drawing onto a memory bitmap, a window being painted, or (later) a
// printer page, all through one interface. The album sees no toolkit types here; the
// platform's own parts reach the painter through CDCBridge.h.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/win/WinTypes.h"

class CWnd;

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
};
