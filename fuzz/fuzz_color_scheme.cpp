// Feeds arbitrary bytes to the colour scheme parser through the drawing resources. Every
// colour applied must be a 24-bit colour reference, the last setting of an index must be
// the colour it reads back, and every index set must still give its pen, brush and font.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string_view>

#include "ui/CDrawObject.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CDrawObject draw;
  std::map<int32_t, COLORREF> last;
  for (const auto& entry :
       draw.ApplyText(std::string_view(reinterpret_cast<const char*>(data), size)))
    if (entry.index < 500) last[entry.index] = entry.color;
  for (const auto& [index, color] : last) {
    if (color > 0xFFFFFF || draw.GetColor(index) != color) std::abort();
    if (!draw.GetPen(index) || !draw.GetBrush(index) || !draw.GetFont(index)) std::abort();
  }
  return 0;
}
