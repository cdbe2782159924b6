#include "phone/PhoneSend.h"

#include <algorithm>

#include "host/CHarboPhotoApp.h"
#include "host/SuiteRegistry.h"
#include "images/CImageItems.h"
#include "library/AlbumStorage.h"
#include "library/CPhotoItem.h"
#include "library/PhotoKind.h"
#include "platform/fileio/FileIo.h"
#include "platform/phonelib/CNyFileInfoList.h"

namespace phonesend {
namespace {

bool IsMovie(const CPhotoItem& photo) {
  return (photo.flags() & PhotoKind::kMovie) != 0;
}

// Saturation, brightness and contrast change what is sent; the other fields do not.
bool IsEdited(const AdjustmentRecord& a) {
  return a.saturation != 0 || a.brightness != 0 || a.contrast != 0;
}

// Copies the file unchanged, replacing an older copy, through the suite's file library
// when the suite runs with it.
bool CopyUnchanged(const Cp932String& from, const Cp932String& to) {
  DWORD error = 0;
  if (suite::GetFileAccessMode() == 1) return AdCopyFileA(from.c_str(), to.c_str(), 0, &error) != 0;
  return CopyFileA(from.c_str(), to.c_str(), 0) != 0;
}

// Decodes the photo fitted into the size choice's box, with the adjustments when given,
// and saves it within the choice's byte limit.
int SaveFitted(CPhotoItem& photo, const Cp932String& target, int sizeChoice,
               const AdjustmentRecord* adjustments) {
  if (photo.ReadFileInfo(photo.path()) != 1) return 0;
  const BitmapSize fitted = FitInto(photo.FileSize(), PhoneBox(sizeChoice));
  int result = 0;
  if (photo.Load(photo.path(), fitted.width, fitted.height, adjustments, true) == 1 &&
      photo.HasPixels())
    result = photo.SaveWithinSize(target, PhoneByteLimit(sizeChoice));
  photo.Free(true);
  return result;
}

int ConvertPhoto(CPhotoItem& photo, const Cp932String& target, const SendChoice& choice) {
  const AdjustmentRecord adjustments = photo.adjustments();
  if (!IsEdited(adjustments)) {
    if (!choice.resize) return CopyUnchanged(photo.path(), target) ? 1 : 0;
    return SaveFitted(photo, target, choice.size, nullptr);
  }
  if (choice.resize) return SaveFitted(photo, target, choice.size, &adjustments);
  return photo.SaveAdjustedCopy(target, -1);
}

}  // namespace

BitmapSize PhoneBox(int sizeChoice) {
  return sizeChoice == kSizeWallpaper ? BitmapSize{240, 320} : BitmapSize{120, 160};
}

uint32_t PhoneByteLimit(int sizeChoice) {
  return sizeChoice == kSizeWallpaper ? kWallpaperSizeBytes : kPhoneSizeBytes;
}

BitmapSize FitInto(BitmapSize picture, BitmapSize box) {
  if (picture.width <= 0 || picture.height <= 0) return box;
  if (picture.width <= box.width && picture.height <= box.height) return picture;
  const double scale = std::min(static_cast<double>(box.width) / picture.width,
                                static_cast<double>(box.height) / picture.height);
  return {std::max(1, static_cast<int32_t>(picture.width * scale)),
          std::max(1, static_cast<int32_t>(picture.height * scale))};
}

// The rotation is set aside for the conversion and put back whatever happens: the phone
// gets the picture as it was taken.
int MakePhoneCopy(CPhotoItem& photo, const Cp932String& target, const SendChoice& choice) {
  if (IsMovie(photo)) return CopyUnchanged(photo.path(), target) ? 1 : 0;
  const int16_t rotation = photo.adjustments().rotation;
  photo.adjustments().rotation = 0;
  const int result = ConvertPhoto(photo, target, choice);
  photo.adjustments().rotation = rotation;
  photo.Free(true);
  return result;
}

Conversion ConvertTicked(const CImageItems& view, const SendChoice& choice, uint32_t byteLimit,
                         const AskToContinue& ask) {
  Conversion done;
  const bool folderReady =
      albumstorage::MakeFolder(TheApp().GetPath(CHarboPhotoApp::Path::kWorkFolder));
  for (CImageItem* item : view.items()) {
    CPhotoItem* photo = item->record();
    if (photo == nullptr || item->selected() == 0) continue;
    const Cp932String target = albumstorage::SendStagingPath(static_cast<int>(done.items.size()));
    const auto size = folderReady && MakePhoneCopy(*photo, target, choice) == 1
                          ? fileio::FileSize(target)
                          : std::nullopt;
    if (!size) {
      albumstorage::RemoveFile(target);
      if (ask && ask(*photo)) {
        done.failed.push_back(item);
        continue;
      }
      done.stopped = true;
      RemoveConverted(done.items.size());
      done.items.clear();
      return done;
    }
    if (byteLimit != 0 && *size > byteLimit) {
      done.tooLarge.push_back(item);
      albumstorage::RemoveFile(target);
      continue;
    }
    done.items.push_back({static_cast<uint32_t>(*size), Cp932String(photo->fileName()), target});
  }
  return done;
}

void AppendEntries(const std::vector<SendItem>& items, const SendChoice& choice,
                   CNyFileInfoList& list) {
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    CNyFileInfo entry;
    entry.SetStorageArea(choice.StorageArea());
    entry.SetFileFlag(CNyFileInfo::kFileFlag);
    entry.SetTitleName(it->name);
    entry.SetPhoneDirPath(kPhoneFolder);
    entry.SetPath(it->path);
    entry.SetFileSize(it->size);
    list.AddTail(entry);
  }
}

void RemoveConverted(size_t count) {
  for (size_t n = 0; n < count; ++n) {
    const Cp932String path = albumstorage::SendStagingPath(static_cast<int>(n));
    if (fileio::Exists(path)) albumstorage::RemoveFile(path);
  }
}

}  // namespace phonesend
