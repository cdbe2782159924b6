#include "phone/PhoneReadRequest.h"

#include <memory>

#include "library/AlbumStorage.h"
#include "library/CPhotoManager.h"
#include "library/PhotoKind.h"
#include "platform/phonelib/PhoneProfile.h"

namespace phoneread {
namespace {

// The library's entries are made and freed only by its factory functions.
void AddPresent(CCdmaOptionFileInfoList& list, const Cp932String& name, int32_t size) {
  std::unique_ptr<CCdmaOptionFileInfo, void (*)(CCdmaOptionFileInfo*)> entry(
      CreateCdmaOptionFileInfo(), &DeleteCdmaOptionFileInfo);
  if (entry == nullptr) return;
  entry->Empty();
  entry->SetMaskNameAndSize();
  entry->SetName(name);
  entry->SetSize(static_cast<uint32_t>(size));
  list.AddTail(*entry);
}

bool CameFromThePhone(const CPhotoItem& item) {
  return (item.flags() & (PhotoKind::kBurstComposite | PhotoKind::kFromPc)) == 0;
}

}  // namespace

bool PhoneLacksExternalMemory() {
  CCsDataFolderProfile* profile = CreateCsDataFolderProfile();
  if (profile == nullptr) return false;
  const bool loaded = profile->Load() != 0;
  const int model = profile->GetModel();
  DeleteCsDataFolderProfile(profile);
  return loaded && !phonelib::HasExternalMemory(static_cast<uint32_t>(model));
}

int StorageMask(const CRegReadOption& option, bool lacksExternalMemory) {
  return lacksExternalMemory ? CRegReadOption::kInternal : option.storageArea;
}

void AddPresentFiles(const CPhotoManager& library, CCdmaFilesOption& request) {
  CCdmaOptionFileInfoList& list = *request.GetCdmaOptionFileInfoList();
  for (const CPhotoItem* item : library.items()) {
    if (!CameFromThePhone(*item)) continue;
    const Cp932String fileName(item->fileName());
    AddPresent(list, fileName, item->size());
    if (cp932::AsciiUpper(item->sourceName()) != cp932::AsciiUpper(fileName))
      AddPresent(list, item->sourceName(), item->size());
  }
}

bool FillRequest(CCdmaFilesOption& request, const CRegReadOption& option, bool lacksExternalMemory,
                 const CPhotoManager& library, int appValue) {
  request.SetFlags(request.GetFlags() | kRequestFlags);
  request.RemoveAllExtensions();
  for (const char* type : kFileTypes) request.AddExtension(type);
  request.SetSubFolderSW(1);
  request.SetSkipPresentSW(1);
  if (!request.SetStrIntPath(albumstorage::StagingFolder(false)) ||
      !request.SetStrExtPath(albumstorage::StagingFolder(true)))
    return false;
  request.SetStorageMask(StorageMask(option, lacksExternalMemory));
  request.SetFileDisp(option.fileDisp);
  request.SetAppValue(appValue);
  request.GetCdmaOptionFileInfoList()->RemoveAll();
  AddPresentFiles(library, request);
  return true;
}

}  // namespace phoneread
