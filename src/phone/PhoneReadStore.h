// The files a read delivered, turned into album records: each one stored into the album
// tree under the year and month of its file time, dated from that time, and recorded with
// its name on the phone and a memo saying when it was taken.
#pragma once

#include <optional>
#include <vector>

#include "platform/phonelib/CNyFileInfoList.h"
#include "platform/text/Cp932.h"

class CPhotoItem;
class CPhotoManager;

namespace phoneread {

// A shooting time as the read takes it from a file time: year, month, day, hour, minute,
// second; 0 in the date fields and -1 in the time fields when the time cannot be converted.
struct ShotTime {
  int year = 0, month = 0, day = 0;
  int hour = -1, minute = -1, second = -1;
};

// The last-write time of the file in local time; nullopt when the file's status cannot be
// read.
std::optional<ShotTime> FileShotTime(const Cp932String& path);

// "%2d月%2d日 %2d時%2d分 に撮影しました。" (taken on month/day at hour:minute).
Cp932String ShotMemo(int month, int day, int hour, int minute);

// Stores and records every entry that is a file read completely, in the list's order; the
// new records, in that order. Entries that cannot be stored or recorded are dropped, and
// nothing of them stays behind (neither the staging file nor the album's copy). Once the
// library is full (the user has been told, once), the rest are dropped without a try.
std::vector<CPhotoItem*> StoreReceived(CPhotoManager& library, const CNyFileInfoList& files);

}  // namespace phoneread
