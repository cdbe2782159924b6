// Feeds arbitrary bytes, grown from a corpus of small JPEG files, to the image loaders.
#include <cstddef>
#include <cstdint>

#include "fuzz/ImageFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LoadImageBytes(data, size, ".jpeg");
  return 0;
}
