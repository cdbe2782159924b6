// Feeds arbitrary bytes to the album database reader. Besides never crashing, the entries
// it keeps must survive being written as version 4 and read again byte for byte: the
// second reading keeps every entry, each record reads back as it was, and writing it again
// gives the same bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "library/AlbumDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const albumdb::ParsedFile first = albumdb::Parse(bytes, "/album");
  const auto written = albumdb::Serialize(first.entries, "/album");
  if (!written) std::abort();
  const albumdb::ParsedFile second = albumdb::Parse(*written, "/album");
  if (second.version != 4 || second.entries.size() != first.entries.size()) std::abort();
  for (size_t i = 0; i < first.entries.size(); ++i)
    if (std::memcmp(&first.entries[i].record, &second.entries[i].record,
                    sizeof first.entries[i].record) != 0)
      std::abort();
  if (albumdb::Serialize(second.entries, "/album") != written) std::abort();
  return 0;
}
