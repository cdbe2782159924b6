#include "phone/PhoneReadBursts.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "exif/CExifSource.h"
#include "library/CPhotoManager.h"
#include "library/PhotoKind.h"
#include "phone/PhoneReadStore.h"
#include "platform/phonelib/PhoneFolder.h"

namespace phoneread {
namespace {

constexpr size_t kMakerPrefixBytes = sizeof phonelib::kCarrierMakerPrefix - 1;

// What makes shots one burst beyond their second: the date taken that the carrier's phone
// wrote, and the picture's size.
struct BurstKey {
  Cp932String dateTaken;
  BitmapSize size;
};

// The record's burst key; nullopt when the photo is not the carrier's (its maker name does
// not start with the carrier's prefix, letter case counting) or has no date taken.
std::optional<BurstKey> KeyOf(CPhotoItem& item, const Cp932String& tempFolder) {
  CExifSource exif;
  Cp932String maker, taken;
  if (!exif.Open(item.path(), tempFolder) || !exif.Maker(&maker) || !exif.DateTaken(&taken))
    return std::nullopt;
  if (maker.compare(0, kMakerPrefixBytes, phonelib::kCarrierMakerPrefix) != 0) return std::nullopt;
  const BitmapSize size = item.ReadFileInfo(item.path()) != 0 ? item.FileSize() : BitmapSize{};
  return BurstKey{taken, size};
}

bool SameBurst(const BurstKey& a, const BurstKey& b) {
  return a.dateTaken == b.dateTaken && a.size.width == b.size.width &&
         a.size.height == b.size.height;
}

// The first pending record and every other one taken at the same date and second.
std::vector<CPhotoItem*> SameMoment(const std::vector<CPhotoItem*>& pending) {
  const CPhotoItem* first = pending.front();
  std::vector<CPhotoItem*> group;
  for (CPhotoItem* item : pending)
    if (item->DateNumber() == first->DateNumber() && item->TimeNumber() == first->TimeNumber())
      group.push_back(item);
  return group;
}

// The members that belong to the first one's burst; the first alone when it is not the
// carrier's photo.
std::vector<CPhotoItem*> BurstMembers(const std::vector<CPhotoItem*>& group,
                                      const Cp932String& tempFolder) {
  const std::optional<BurstKey> key = KeyOf(*group.front(), tempFolder);
  if (!key) return {group.front()};
  std::vector<CPhotoItem*> members{group.front()};
  for (size_t i = 1; i < group.size(); ++i) {
    const std::optional<BurstKey> other = KeyOf(*group[i], tempFolder);
    if (other && SameBurst(*key, *other)) members.push_back(group[i]);
  }
  return members;
}

int MemoField(uint16_t value) {
  return value == CPhotoItem::kUnknown ? -1 : value;
}

void MarkMembers(const std::vector<CPhotoItem*>& members, uint16_t number) {
  for (CPhotoItem* item : members) {
    const uint32_t flags = item->flags();
    item->SetFlags(number != 0 ? flags | PhotoKind::kBurstMember
                               : flags & ~PhotoKind::kBurstMember);
    item->SetComboNumber(number);
  }
}

// The members get the group's number and their composite joins the library; when it cannot
// be made they are plain photos again.
CPhotoItem* MakeComposite(CPhotoManager& library, const std::vector<CPhotoItem*>& members,
                          uint16_t number) {
  MarkMembers(members, number);
  std::unique_ptr<CPhotoItem> composite =
      library.CreateBurstComposite(members.data(), static_cast<int>(members.size()));
  if (composite == nullptr) {
    MarkMembers(members, 0);
    return nullptr;
  }
  composite->SetComboNumber(number);
  composite->SetMemo(ShotMemo(composite->month(), composite->day(), MemoField(composite->hour()),
                              MemoField(composite->minute())));
  CPhotoItem* added = composite.release();
  library.Add(added);
  return added;
}

void RemoveFrom(std::vector<CPhotoItem*>& pending, const std::vector<CPhotoItem*>& members) {
  std::erase_if(pending, [&members](const CPhotoItem* item) {
    return std::find(members.begin(), members.end(), item) != members.end();
  });
}

}  // namespace

std::vector<CPhotoItem*> GroupBursts(CPhotoManager& library, const std::vector<CPhotoItem*>& fresh,
                                     const Cp932String& exifTempFolder) {
  std::vector<CPhotoItem*> composites;
  std::vector<CPhotoItem*> pending = fresh;
  // The numbers the library's composites carry are taken; this run's go past each other.
  library.Recount();
  int lastNumber = 0;
  while (!pending.empty()) {
    const std::vector<CPhotoItem*> moment = SameMoment(pending);
    const std::vector<CPhotoItem*> members =
        moment.size() > 1 ? BurstMembers(moment, exifTempFolder) : moment;
    // Shots that left the group stay pending: among themselves they may be a burst.
    RemoveFrom(pending, members);
    if (members.size() < 2) continue;
    if (library.count() >= CPhotoManager::kMaxRecords) break;
    const int number = library.NextFreeComboNumber(lastNumber + 1);
    if (number <= 0) continue;
    lastNumber = number;
    if (CPhotoItem* made = MakeComposite(library, members, static_cast<uint16_t>(number)))
      composites.push_back(made);
  }
  return composites;
}

}  // namespace phoneread
