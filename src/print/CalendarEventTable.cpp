#include "print/CalendarEventTable.h"

#include "host/CHarboPhotoApp.h"
#include "host/SuitePath.h"
#include "platform/fileio/FileIo.h"
#include "platform/registry/Registry.h"

namespace {

Cp932String SlotSection(int slot) {
  return Cp932String(CalendarEventTable::kSection) + "\\Event" + std::to_string(slot);
}

CalendarEvent ReadSlot(CHarboPhotoApp& app, int slot) {
  const Cp932String s = SlotSection(slot);
  CalendarEvent e;
  e.kind = static_cast<uint8_t>(app.ReadInt(s, "FlagType", 0));
  e.year = static_cast<uint16_t>(app.ReadInt(s, "Year", 0));
  e.month = static_cast<uint16_t>(app.ReadInt(s, "Month", 0));
  e.day = static_cast<uint16_t>(app.ReadInt(s, "Day", 0));
  e.weekday = static_cast<uint8_t>(app.ReadInt(s, "Week", 0));
  e.weekNumber = static_cast<uint8_t>(app.ReadInt(s, "WeekNum", 0));
  e.repeat = static_cast<uint8_t>(app.ReadInt(s, "Repeat", 0));
  e.SetName(app.ReadText(s, "Name", ""));
  e.color = static_cast<uint32_t>(app.ReadInt(s, "Color", 0));
  return e;
}

bool WriteSlot(CHarboPhotoApp& app, int slot, const CalendarEvent& e) {
  const Cp932String s = SlotSection(slot);
  bool ok = app.WriteInt(s, "FlagType", e.kind);
  ok = app.WriteInt(s, "Year", e.year) && ok;
  ok = app.WriteInt(s, "Month", e.month) && ok;
  ok = app.WriteInt(s, "Day", e.day) && ok;
  ok = app.WriteInt(s, "Week", e.weekday) && ok;
  ok = app.WriteInt(s, "WeekNum", e.weekNumber) && ok;
  ok = app.WriteInt(s, "Repeat", e.repeat) && ok;
  ok = app.WriteText(s, "Name", e.Name()) && ok;
  return app.WriteInt(s, "Color", static_cast<int>(e.color)) && ok;
}

}  // namespace

void CalendarEventTable::Clear() {
  slots_.fill(CalendarEvent{});
  count_ = 0;
}

void CalendarEventTable::Set(int slot, const CalendarEvent& event) {
  if (slot < 0 || slot >= kSlots) return;
  slots_[static_cast<size_t>(slot)] = event;
  Recount();
}

int CalendarEventTable::FirstFreeSlot() const {
  for (int slot = 0; slot < kSlots; ++slot)
    if (at(slot).IsFree()) return slot;
  return -1;
}

void CalendarEventTable::Recount() {
  count_ = 0;
  for (const CalendarEvent& e : slots_) count_ += e.IsFree() ? 0 : 1;
}

void CalendarEventTable::Load() {
  if (TheApp().ReadInt(kSection, "Init", 1) != 0)
    LoadDefaultFile();
  else
    LoadFromRegistry();
}

void CalendarEventTable::LoadFromRegistry() {
  CHarboPhotoApp& app = TheApp();
  for (int slot = 0; slot < kSlots; ++slot) slots_[static_cast<size_t>(slot)] = ReadSlot(app, slot);
  Recount();
}

bool CalendarEventTable::Save() const {
  // 64 slots of nine values: the registry file is written once for all of them.
  registry::DeferredWrites batch;
  CHarboPhotoApp& app = TheApp();
  bool ok = app.WriteInt(kSection, "Init", 0);
  for (int slot = 0; slot < kSlots; ++slot) ok = WriteSlot(app, slot, at(slot)) && ok;
  return batch.Commit() && ok;
}

void CalendarEventTable::LoadDefaultFile() {
  Clear();
  if (std::optional<CalendarEventTable> read = calevents::ReadEventsFile(DefaultFilePath()))
    *this = *read;
}

Cp932String CalendarEventTable::DefaultFilePath() {
  const Cp932String inData =
      suite::JoinPath({TheApp().GetPath(CHarboPhotoApp::Path::kDataFolder), kFileName});
  if (fileio::Exists(inData)) return inData;
  return suite::JoinPath({suite::InstallFolder(), kFileName});
}

int CalendarEventTable::IsHoliday(int year, int month, int day) const {
  for (const CalendarEvent& e : slots_)
    if (e.IsHoliday() && e.FallsOn(year, month, day)) return 1;
  return 0;
}

int CalendarEventTable::FindEvent(int startSlot, int year, int month, int day) const {
  for (int slot = std::max(startSlot, 0); slot < kSlots; ++slot)
    if (at(slot).FallsOn(year, month, day)) return slot;
  return -1;
}
