// Painting a picture into a device context through a transition: the picture replaces what
// the rectangle showed before in a series of frames. Every frame is composed in a memory
// bitmap from the old content and the new picture, then copied to the target, so that each
// frame is seen. A memory device context receives all frames before the call returns; on a
// window being painted the first frame is drawn at once and the rest follow at the
// display's pace from the window's own timer, each through an ordinary paint, so that the
// message loop is never entered in the middle of a paint.
#pragma once

#include <functional>

#include "platform/gdi/CDC.h"

namespace gdi {

enum Effect : int {
  kEffectNone = 0,
  kEffectWipeRight = 1,       // revealed from the left edge toward the right
  kEffectWipeLeft = 2,        // from the right edge toward the left
  kEffectWipeDown = 3,        // from the top edge down
  kEffectWipeUp = 4,          // from the bottom edge up
  kEffectFade = 5,            // cross-fade from the old content
  kEffectBoxIn = 6,           // a frame closing from the edges to the centre
  kEffectBoxOut = 7,          // a box opening from the centre to the edges
  kEffectBlinds = 8,          // horizontal slats opening downward
  kEffectVerticalBlinds = 9,  // vertical slats opening to the right
  // The slide show's transitions.
  kEffectWipeIn = 14004,    // a soft-edged diagonal wipe from the top-left corner
  kEffectDissolve = 12005,  // the old picture turns into the new one, never through black
  kEffectRoll = 7005,       // the new picture rolls down over the old one
  kEffectSlideOut = 6309,   // the old picture slides out to the left, uncovering the new
  kEffectPush = 5246,       // the new picture pushes the old one out to the right
  kEffectDrip = 10000,      // the new picture runs down in drips of uneven speed
};
constexpr int kEffectCount = 10;

// Whether the code names an effect that animates.
bool IsKnownEffect(int effect);

// How long an effect takes in milliseconds (default 400); 0 draws the final frame at once,
// which tests use. Frames follow the display's pace of about 60 a second.
void SetEffectDuration(int milliseconds);
int EffectDuration();
constexpr int kFrameMilliseconds = 16;
// The frames an effect of the set duration draws (the last shows the whole picture).
int EffectFrameCount();

// Paints the picture stretched into the rectangle through the effect; an unknown code
// paints it plainly.
void PaintWithEffect(CDC& dc, const ImageView& image, const RECT& destination, int effect);

// Composes one frame at progress 0..1 into the memory device context: `before` is what the
// rectangle showed (the context's own pixels there), `after` the new picture stretched to
// the rectangle. Progress 1 shows the picture alone. Benchmarks time this step.
void DrawEffectFrame(CDC& memory, const ImageView& before, const ImageView& after,
                     const RECT& destination, int effect, double progress);

// Told of each frame drawn into a memory device context (tests count and look at them).
using EffectFrameObserver = std::function<void(const CDC& dc, int frame, int frames)>;
void SetEffectFrameObserver(EffectFrameObserver observer);

}  // namespace gdi
