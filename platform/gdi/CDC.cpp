#include "platform/gdi/CDC.h"

#include <QWidget>

#include "platform/gdi/CDCBridge.h"
#include "platform/win/WindowWidget.h"
#include "platform/win/Wnd.h"

namespace {

QColor ColourOf(COLORREF c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Painters draw pictures smoothly when they are stretched.
void PrepareForPictures(QPainter* painter) {
  painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
}

}  // namespace

namespace gdi {

std::unique_ptr<CDC> WrapPainter(QPainter* painter, QSize surface) {
  struct Wrapped : CDC {
    explicit Wrapped(std::unique_ptr<Impl> impl) : CDC(std::move(impl)) {}
  };
  auto impl = std::make_unique<CDC::Impl>();
  impl->painter = painter;
  impl->size = surface;
  if (painter != nullptr) PrepareForPictures(painter);
  return std::make_unique<Wrapped>(std::move(impl));
}

QImage ToQImage(const ImageView& image) {
  if (image.pixels == nullptr || image.width <= 0 || image.height <= 0) return {};
  const QImage view(image.pixels, image.width, image.height, image.stride, QImage::Format_RGB32);
  return image.bottomUp ? view.mirrored(false, true) : view;
}

QRect ToQRect(const RECT& r) {
  return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace gdi

CDC::CDC() = default;
CDC::CDC(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
CDC::~CDC() {
  // The painter ends before the surface it draws on goes.
  if (impl_) impl_->ownedPainter.reset();
}

std::unique_ptr<CDC> CDC::CreateMemory(int width, int height, COLORREF fill) {
  struct Memory : CDC {
    explicit Memory(std::unique_ptr<Impl> impl) : CDC(std::move(impl)) {}
  };
  auto impl = std::make_unique<Impl>();
  if (width > 0 && height > 0) {
    impl->ownedImage = std::make_unique<QImage>(width, height, QImage::Format_RGB32);
    impl->ownedImage->fill(ColourOf(fill));
    impl->ownedPainter = std::make_unique<QPainter>(impl->ownedImage.get());
    impl->painter = impl->ownedPainter.get();
    impl->size = QSize(width, height);
    PrepareForPictures(impl->painter);
  }
  return std::make_unique<Memory>(std::move(impl));
}

bool CDC::IsValid() const {
  return gdi::PainterOf(*this) != nullptr;
}
int CDC::SurfaceWidth() const {
  return impl_ ? impl_->size.width() : 0;
}
int CDC::SurfaceHeight() const {
  return impl_ ? impl_->size.height() : 0;
}

void CDC::StretchImage(const gdi::ImageView& image, const RECT& destination) {
  QPainter* p = gdi::PainterOf(*this);
  if (p == nullptr) return;
  const QImage q = gdi::ToQImage(image);
  if (!q.isNull()) p->drawImage(gdi::ToQRect(destination), q);
}

void CDC::StretchImagePart(const gdi::ImageView& image, const RECT& source,
                           const RECT& destination) {
  QPainter* p = gdi::PainterOf(*this);
  if (p == nullptr) return;
  const QImage q = gdi::ToQImage(image);
  if (!q.isNull()) p->drawImage(gdi::ToQRect(destination), q, gdi::ToQRect(source));
}

void CDC::FillSolidRect(const RECT& rect, COLORREF colour) {
  if (QPainter* p = gdi::PainterOf(*this)) p->fillRect(gdi::ToQRect(rect), ColourOf(colour));
}

COLORREF CDC::GetPixel(int x, int y) const {
  const QImage* image = gdi::ImageOf(*this);
  if (image == nullptr || !image->rect().contains(x, y)) return 0;
  // Pending drawing reaches the bitmap only when the painter flushes; reading through a
  // raster painter's bitmap is immediate, so no flush is needed.
  const QRgb c = image->pixel(x, y);
  return static_cast<COLORREF>(qRed(c)) | (static_cast<COLORREF>(qGreen(c)) << 8) |
         (static_cast<COLORREF>(qBlue(c)) << 16);
}

CPaintDC::CPaintDC(CWnd* window) : CDC(std::make_unique<Impl>()), window_(window) {
  QWidget* widget = IsWindow(window) ? static_cast<QWidget*>(window->widget()) : nullptr;
  if (widget == nullptr) return;
  impl_->ownedPainter = std::make_unique<QPainter>(widget);
  impl_->painter = impl_->ownedPainter->isActive() ? impl_->ownedPainter.get() : nullptr;
  impl_->size = widget->size();
  if (impl_->painter != nullptr) PrepareForPictures(impl_->painter);
}

CPaintDC::~CPaintDC() = default;

RECT CPaintDC::PaintBoundsWithin(const RECT& area) const {
  if (!IsWindow(window_) || window_->widget() == nullptr) return area;
  const QRect wanted(area.left, area.top, area.right - area.left, area.bottom - area.top);
  const QRect bounds = window_->widget()->paintRegion().intersected(wanted).boundingRect();
  if (bounds.isEmpty()) return RECT{area.left, area.top, area.left, area.top};
  return RECT{bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1};
}
