// The toolkit behind a device context, for the platform layer, the host and tests. The
// album itself never includes this header.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <memory>
#include <optional>

#include "platform/gdi/CDC.h"

struct CDC::Impl {
  std::unique_ptr<QImage> ownedImage;      // memory device contexts
  std::unique_ptr<QPainter> ownedPainter;  // painters the context made itself
  QPainter* painter = nullptr;
  QSize size;
  // What is selected for drawing; null handles stand for the defaults.
  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  QFont textFont;  // the selected font as the toolkit's, made once at selection
  std::optional<QFontMetrics> textMetrics;  // made when first asked for
  COLORREF textColour = 0;
  COLORREF backgroundColour = 0xFFFFFF;
  int backgroundMode = 2;  // OPAQUE
  QPoint position;
};

namespace gdi {

// A device context over a painter that stays the caller's (a printer page, a widget).
std::unique_ptr<CDC> WrapPainter(QPainter* painter, QSize surface);
// The painter of a device context; null when it has none.
inline QPainter* PainterOf(const CDC& dc) {
  return dc.impl() ? dc.impl()->painter : nullptr;
}
// The bitmap of a memory device context; null for other surfaces.
inline QImage* ImageOf(const CDC& dc) {
  return dc.impl() ? dc.impl()->ownedImage.get() : nullptr;
}
// The picture as a toolkit image over the same pixels (copied only when bottom-up).
QImage ToQImage(const ImageView& image);
QRect ToQRect(const RECT& r);

}  // namespace gdi
