// Painting a picture into a device context through a transition: the picture is revealed
// over what the rectangle showed before, in a series of frames, and the call returns when
// the whole picture is shown.
#pragma once

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
};
constexpr int kEffectCount = 10;

// How long an effect takes in milliseconds (default 360); 0 draws the final frame at once,
// which tests use.
void SetEffectDuration(int milliseconds);
int EffectDuration();

// Paints the picture stretched into the rectangle through the effect; an unknown code
// paints it plainly.
void PaintWithEffect(CDC& dc, const ImageView& image, const RECT& destination, int effect);

}  // namespace gdi
