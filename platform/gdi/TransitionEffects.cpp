#include "platform/gdi/TransitionEffects.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegion>
#include <QThread>
#include <algorithm>

#include "platform/gdi/CDCBridge.h"

namespace gdi {
namespace {

constexpr int kFrames = 12;
constexpr int kSlatCount = 8;
int effectMilliseconds = 360;

// The part of the rectangle shown at progress t (0..1) of a revealing effect.
QRegion Revealed(int effect, const QRect& r, double t) {
  const int w = static_cast<int>(r.width() * t + 0.5), h = static_cast<int>(r.height() * t + 0.5);
  switch (effect) {
    case kEffectWipeRight:
      return QRect(r.left(), r.top(), w, r.height());
    case kEffectWipeLeft:
      return QRect(r.right() + 1 - w, r.top(), w, r.height());
    case kEffectWipeDown:
      return QRect(r.left(), r.top(), r.width(), h);
    case kEffectWipeUp:
      return QRect(r.left(), r.bottom() + 1 - h, r.width(), h);
    case kEffectBoxOut:
      return QRect(r.left() + (r.width() - w) / 2, r.top() + (r.height() - h) / 2, w, h);
    case kEffectBoxIn: {
      const QRect hole(r.left() + w / 2, r.top() + h / 2, r.width() - w, r.height() - h);
      return QRegion(r).subtracted(hole);
    }
    default:
      break;
  }
  QRegion slats;
  const bool vertical = effect == kEffectVerticalBlinds;
  const int length = vertical ? r.width() : r.height();
  for (int i = 0; i < kSlatCount; ++i) {
    const int start = length * i / kSlatCount, end = length * (i + 1) / kSlatCount;
    const int open = static_cast<int>((end - start) * t + 0.5);
    slats += vertical ? QRect(r.left() + start, r.top(), open, r.height())
                      : QRect(r.left(), r.top() + start, r.width(), open);
  }
  return slats;
}

// Keeps the window system responsive between frames and paces them.
void WaitForNextFrame(const QElapsedTimer& clock, int frame) {
  QCoreApplication::processEvents();
  const qint64 due = static_cast<qint64>(effectMilliseconds) * frame / kFrames;
  const qint64 left = due - clock.elapsed();
  if (left > 0) QThread::msleep(static_cast<unsigned long>(left));
}

// Each fade frame lays the picture over the last one with the opacity that brings the
// mix to the frame's share of the new picture.
double FadeOpacity(int frame) {
  const double before = static_cast<double>(frame - 1) / kFrames,
               now = static_cast<double>(frame) / kFrames;
  return frame == kFrames ? 1.0 : 1.0 - (1.0 - now) / (1.0 - before);
}

void DrawFrame(QPainter* p, const QImage& image, const QRect& r, int effect, int frame) {
  p->save();
  if (effect == kEffectFade) {
    p->setOpacity(FadeOpacity(frame));
  } else {
    p->setClipRegion(Revealed(effect, r, static_cast<double>(frame) / kFrames), Qt::IntersectClip);
  }
  p->drawImage(r, image);
  p->restore();
}

}  // namespace

void SetEffectDuration(int milliseconds) {
  effectMilliseconds = std::max(0, milliseconds);
}
int EffectDuration() {
  return effectMilliseconds;
}

void PaintWithEffect(CDC& dc, const ImageView& image, const RECT& destination, int effect) {
  QPainter* p = PainterOf(dc);
  const QImage q = ToQImage(image);
  if (p == nullptr || q.isNull()) return;
  const QRect r = ToQRect(destination);
  if (effect <= kEffectNone || effect >= kEffectCount || effectMilliseconds == 0 || r.isEmpty()) {
    p->drawImage(r, q);
    return;
  }
  QElapsedTimer clock;
  clock.start();
  for (int frame = 1; frame <= kFrames; ++frame) {
    DrawFrame(p, q, r, effect, frame);
    if (frame < kFrames) WaitForNextFrame(clock, frame);
  }
}

}  // namespace gdi
