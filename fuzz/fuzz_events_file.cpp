// Feeds arbitrary bytes to the reader of the default events file. The table must hold at
// most 64 named events with names within 48 bytes and 24-bit colours, and every record must
// describe itself and take part in the date tests without harm.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "print/CalendarEventTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto parsed =
      calevents::ParseEventsFile(std::string_view(reinterpret_cast<const char*>(data), size));
  const CalendarEventTable& table = parsed.table;
  if (table.count() < 0 || table.count() > CalendarEventTable::kSlots) std::abort();
  for (int slot = 0; slot < CalendarEventTable::kSlots; ++slot) {
    const CalendarEvent& e = table.at(slot);
    if (e.Name().size() > calevents::kMaxNameBytes || e.color > 0x00FFFFFF) std::abort();
    e.Describe();
  }
  for (int day = 1; day <= 31; ++day) {
    table.IsHoliday(2027, 2, day);
    table.FindEvent(0, 2027, 2, day);
  }
  return 0;
}
