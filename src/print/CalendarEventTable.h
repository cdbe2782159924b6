// The table of holidays and anniversaries: 64 slots, a slot with an empty name free, and
// the count of named ones. It is kept in the registry ("Print\\Calendar" with "Init" and the
// slots "Event0" ... "Event63"); until the user first stores events, "Init" is missing (read
// as 1) and the table comes from the suite's default events file "PimEvt.dat".
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "print/CalendarEvent.h"

class CalendarEventTable {
 public:
  static constexpr int kSlots = 64;
  static constexpr const char* kSection = "Print\\Calendar";
  static constexpr const char* kFileName = "PimEvt.dat";
  // A default events file holds 64 short lines; anything much larger is not one.
  static constexpr uint64_t kMaxFileBytes = 256 * 1024;

  int count() const { return count_; }
  const CalendarEvent& at(int slot) const { return slots_[static_cast<size_t>(slot)]; }
  void Clear();
  // Puts the record into the slot (a record with an empty name frees it).
  void Set(int slot, const CalendarEvent& event);
  // The first free slot, or -1 when all 64 are named.
  int FirstFreeSlot() const;

  // From "PimEvt.dat" while "Init" is not 0, else from the registry slots.
  void Load();
  // "Init" = 0, then every slot; false when a value could not be written.
  bool Save() const;
  void LoadFromRegistry();
  // Reads the suite's default events file; a missing or unreadable file leaves the table
  // empty.
  void LoadDefaultFile();

  // 1 when a named holiday falls on the date, else 0.
  int IsHoliday(int year, int month, int day) const;
  // The first slot at or after the start whose named record falls on the date, or -1.
  int FindEvent(int startSlot, int year, int month, int day) const;

  // Where the default events file is read from: the suite's data folder, or beside the
  // program when the data folder has none.
  static Cp932String DefaultFilePath();

  bool operator==(const CalendarEventTable& other) const = default;

 private:
  void Recount();

  int count_ = 0;
  std::array<CalendarEvent, kSlots> slots_{};
};

namespace calevents {

// What the reader made of an events file's text: the table, and how many event lines came
// after the 64th and were left out.
struct ParsedEventsFile {
  CalendarEventTable table;
  size_t leftOut = 0;
};

// Reads the text of a default events file: a header line, then one event a line.
ParsedEventsFile ParseEventsFile(std::string_view text);
// Reads the file; nullopt when it is missing, not a plain file or larger than the limit.
// Lines left out are noted in the suite's error record.
std::optional<CalendarEventTable> ReadEventsFile(const Cp932String& path);

}  // namespace calevents
