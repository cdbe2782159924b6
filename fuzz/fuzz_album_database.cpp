// Feeds arbitrary bytes to the album database reader. Besides never crashing, the sound
// entries it reads must survive being written as version 4 and read again: the second
// reading keeps every entry and writes the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "library/AlbumDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const albumdb::ParsedFile first = albumdb::Parse(bytes, "/album");
  const auto written = albumdb::Serialize(first.entries, "/album");
  if (!written) std::abort();
  const albumdb::ParsedFile second = albumdb::Parse(*written, "/album");
  if (second.version != 4 || second.entries.size() != first.entries.size()) std::abort();
  if (albumdb::Serialize(second.entries, "/album") != written) std::abort();
  return 0;
}
