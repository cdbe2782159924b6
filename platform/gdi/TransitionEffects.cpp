#include "platform/gdi/TransitionEffects.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "platform/gdi/CDCBridge.h"
#include "platform/gdi/EffectPlayer.h"

namespace gdi {
namespace {

constexpr int kSlatCount = 8;
constexpr int kDripWidth = 8;
int effectMilliseconds = 400;
EffectFrameObserver frameObserver;

// Slow at both ends, so that moving pictures start and land gently.
double Ease(double t) {
  return t * t * (3.0 - 2.0 * t);
}

// The part of the frame shown at progress t of the revealing effects 1..9.
QRegion Revealed(int effect, const QRect& r, double t) {
  const int w = static_cast<int>(r.width() * t + 0.5), h = static_cast<int>(r.height() * t + 0.5);
  switch (effect) {
    case kEffectWipeRight:
      return QRect(0, 0, w, r.height());
    case kEffectWipeLeft:
      return QRect(r.width() - w, 0, w, r.height());
    case kEffectWipeDown:
      return QRect(0, 0, r.width(), h);
    case kEffectWipeUp:
      return QRect(0, r.height() - h, r.width(), h);
    case kEffectBoxOut:
      return QRect((r.width() - w) / 2, (r.height() - h) / 2, w, h);
    case kEffectBoxIn:
      return QRegion(r).subtracted(QRect(w / 2, h / 2, r.width() - w, r.height() - h));
    default:
      break;
  }
  QRegion slats;
  const bool vertical = effect == kEffectVerticalBlinds;
  const int length = vertical ? r.width() : r.height();
  for (int i = 0; i < kSlatCount; ++i) {
    const int start = length * i / kSlatCount, end = length * (i + 1) / kSlatCount;
    const int open = static_cast<int>((end - start) * t + 0.5);
    slats += vertical ? QRect(start, 0, open, r.height()) : QRect(0, start, r.width(), open);
  }
  return slats;
}

// A diagonal edge from the top-left corner that has passed the bottom-right one at t = 1.
void WipeIn(QPainter& p, const QImage& after, double t) {
  const double w = after.width(), h = after.height(), reach = 2.0 * Ease(t);
  QPainterPath shown;
  shown.moveTo(0, 0);
  shown.lineTo(std::min(reach, 1.0) * w, 0);
  if (reach > 1.0) shown.lineTo(w, (reach - 1.0) * h);
  if (reach > 1.0) shown.lineTo((reach - 1.0) * w, h);
  shown.lineTo(0, std::min(reach, 1.0) * h);
  shown.closeSubpath();
  p.setClipPath(shown);
  p.drawImage(0, 0, after);
}

// The new picture is unrolled from the top: its upper rows lie flat, and the rows still
// rolled up show squeezed in a shaded band at the edge.
void Roll(QPainter& p, const QImage& after, double t) {
  const int h = after.height(), w = after.width();
  const int flat = static_cast<int>(h * Ease(t));
  p.drawImage(QRect(0, 0, w, flat), after, QRect(0, 0, w, flat));
  const int band = std::min(std::max(4, h / 12), h - flat);
  if (band <= 0) return;
  const int rolled = std::min(h - flat, band * 3);
  p.drawImage(QRect(0, flat, w, band), after, QRect(0, flat, w, rolled));
  p.fillRect(QRect(0, flat + band / 2, w, band - band / 2), QColor(0, 0, 0, 70));
}

// Each column starts at its own moment and runs down at the same speed.
void Drip(QPainter& p, const QImage& after, double t) {
  const int w = after.width(), h = after.height();
  for (int x = 0; x < w; x += kDripWidth) {
    const unsigned seed = static_cast<unsigned>(x / kDripWidth) * 2654435761u;
    const double delay = 0.4 * static_cast<double>((seed >> 8) % 1000) / 1000.0;
    const double local = std::clamp((t - delay) / 0.6, 0.0, 1.0);
    const int run = static_cast<int>(h * local * local + 0.5);
    const int width = std::min(kDripWidth, w - x);
    if (run > 0) p.drawImage(QRect(x, 0, width, run), after, QRect(x, 0, width, run));
  }
}

// One frame at progress t: before and after are the rectangle's size; the frame too.
void Compose(QPainter& p, const QImage& before, const QImage& after, int effect, double t) {
  const QRect whole(QPoint(0, 0), after.size());
  const int w = after.width();
  if (t >= 1.0) {
    p.drawImage(0, 0, after);
    return;
  }
  switch (effect) {
    case kEffectFade:
    case kEffectDissolve:
      p.drawImage(0, 0, before);
      p.setOpacity(t);
      p.drawImage(0, 0, after);
      p.setOpacity(1.0);
      return;
    case kEffectSlideOut:
      p.drawImage(0, 0, after);
      p.drawImage(-static_cast<int>(w * Ease(t)), 0, before);
      return;
    case kEffectPush: {
      const int shift = static_cast<int>(w * Ease(t));
      p.drawImage(shift, 0, before);
      p.drawImage(shift - w, 0, after);
      return;
    }
    default:
      break;
  }
  p.drawImage(0, 0, before);
  if (effect == kEffectWipeIn) {
    WipeIn(p, after, t);
  } else if (effect == kEffectRoll) {
    Roll(p, after, t);
  } else if (effect == kEffectDrip) {
    Drip(p, after, t);
  } else {
    p.setClipRegion(Revealed(effect, whole, t));
    p.drawImage(0, 0, after);
  }
}

QImage Fitted(const QImage& image, const QSize& size) {
  if (image.size() == size) return image.convertToFormat(QImage::Format_RGB32);
  return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

// The new picture over a memory bitmap: every frame is composed and copied in, one after
// the other, before the call returns.
void PlayIntoMemory(CDC& dc, QPainter* p, const QImage& after, const QRect& r, int effect) {
  QImage before = GrabPainted(p, r);
  QImage frame(r.size(), QImage::Format_RGB32);
  const int frames = EffectFrameCount();
  for (int i = 1; i <= frames; ++i) {
    {
      QPainter fp(&frame);
      Compose(fp, before, after, effect, static_cast<double>(i) / frames);
    }
    p->drawImage(r.topLeft(), frame);
    if (frameObserver) frameObserver(dc, i, frames);
  }
}

}  // namespace

bool IsKnownEffect(int effect) {
  switch (effect) {
    case kEffectWipeIn:
    case kEffectDissolve:
    case kEffectRoll:
    case kEffectSlideOut:
    case kEffectPush:
    case kEffectDrip:
      return true;
    default:
      return effect > kEffectNone && effect < kEffectCount;
  }
}

void SetEffectDuration(int milliseconds) {
  effectMilliseconds = std::max(0, milliseconds);
}
int EffectDuration() {
  return effectMilliseconds;
}
int EffectFrameCount() {
  return std::max(1, (effectMilliseconds + kFrameMilliseconds - 1) / kFrameMilliseconds);
}

void SetEffectFrameObserver(EffectFrameObserver observer) {
  frameObserver = std::move(observer);
}

void DrawEffectFrame(CDC& memory, const ImageView& before, const ImageView& after,
                     const RECT& destination, int effect, double progress) {
  QImage* target = ImageOf(memory);
  const QRect r = ToQRect(destination);
  if (target == nullptr || r.isEmpty()) return;
  const QImage old = Fitted(ToQImage(before), r.size()), now = Fitted(ToQImage(after), r.size());
  QImage frame(r.size(), QImage::Format_RGB32);
  {
    QPainter fp(&frame);
    Compose(fp, old, now, effect, std::clamp(progress, 0.0, 1.0));
  }
  if (QPainter* p = PainterOf(memory)) p->drawImage(r.topLeft(), frame);
}

void PaintWithEffect(CDC& dc, const ImageView& image, const RECT& destination, int effect) {
  QPainter* p = PainterOf(dc);
  const QImage q = ToQImage(image);
  if (p == nullptr || q.isNull()) return;
  const QRect r = ToQRect(destination);
  if (!IsKnownEffect(effect) || effectMilliseconds == 0 || r.isEmpty()) {
    p->drawImage(r, q);
    return;
  }
  const QImage after = Fitted(q, r.size());
  if (ImageOf(dc) != nullptr) {
    PlayIntoMemory(dc, p, after, r, effect);
    return;
  }
  QWidget* widget = dynamic_cast<QWidget*>(p->device());
  if (widget == nullptr) {
    p->drawImage(r, q);
    return;
  }
  StartEffect(widget, p, after, r, effect);
}

void ComposeEffectFrame(QPainter& p, const QImage& before, const QImage& after, int effect,
                        double t) {
  Compose(p, before, after, effect, t);
}

QImage GrabPainted(QPainter* p, const QRect& r) {
  QPaintEngine* engine = p->paintEngine();
  QPaintDevice* device = engine != nullptr ? engine->paintDevice() : nullptr;
  if (device != nullptr && device->devType() == QInternal::Image) {
    const auto* shown = static_cast<const QImage*>(device);
    const QRect inDevice = p->deviceTransform().mapRect(QRectF(r)).toAlignedRect();
    return Fitted(shown->copy(inDevice), r.size());
  }
  QImage black(r.size(), QImage::Format_RGB32);
  black.fill(Qt::black);
  return black;
}

}  // namespace gdi
