#include "phone/CRegReadOption.h"

#include "host/CHarboPhotoApp.h"

namespace {

uint8_t Switch(int value) {
  return value != 0 ? 1 : 0;
}

}  // namespace

void CRegReadOption::Load() {
  CHarboPhotoApp& app = TheApp();
  const int area = app.ReadInt(kSection, "StorageArea", kBoth);
  storageArea = area >= kInternal && area <= kBoth ? static_cast<uint8_t>(area) : kBoth;
  for (size_t i = 0; i < types.size(); ++i)
    types[i] = Switch(app.ReadInt(kSection, kTypeValueNames[i], 1));
  fileDisp = Switch(app.ReadInt(kSection, "FileDisp", 1));
}

void CRegReadOption::Save() const {
  CHarboPhotoApp& app = TheApp();
  app.WriteInt(kSection, "StorageArea", storageArea);
  app.WriteInt(kSection, "FileDisp", fileDisp);
}
