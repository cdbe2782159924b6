// The album module, loaded at run time. The host reaches the album only through the
// module's exported C functions, looked up here once.
#pragma once

#include <QString>
#include <optional>

#include "host/OrbPhotoApi.h"

// Every function the host needs from the module; a module that lacks one is refused.
#define HARBO_ALBUM_FUNCTIONS(X) \
  X(OrbPhotoCreateWindows)       \
  X(OrbPhotoDestroyWindows)      \
  X(OrbPhotoMoveWindow)          \
  X(OrbPhotoShowWindow)          \
  X(OrbPhotoPreTranslateMessage) \
  X(OrbPhotoGetMenu)             \
  X(OrbPhotoInitMenuPopup)       \
  X(OrbPhotoCommand)             \
  X(OrbPhotoChangeUser)          \
  X(OrbPhotoChangeColor)         \
  X(OrbPhotoSynchro)             \
  X(OrbPhotoGetWnd)              \
  X(OrbPhotoChangeMobilePhone)   \
  X(OrbPhotoSaveData)            \
  X(OrbPhotoChangeDataFolder)    \
  X(OrbPhotoTreeSetting)         \
  X(OrbPhotoTreeItemSelect)      \
  X(OrbPhotoDataConvert)         \
  X(OrbPhotoDataConvertPrev)     \
  X(OrbPhotoDataConvertError)

// The module's entry points, each named as the module exports it.
struct AlbumModule {
#define HARBO_ALBUM_SLOT(name) decltype(&::name) name = nullptr;
  HARBO_ALBUM_FUNCTIONS(HARBO_ALBUM_SLOT)
#undef HARBO_ALBUM_SLOT

  // Loads the module and looks up every function; nullopt with a message when the file is
  // missing, does not load, or lacks a function. A loaded module is never unloaded: its
  // windows and static objects live until the process ends.
  static std::optional<AlbumModule> Load(const QString& path, QString* error);
};

// Offers every posted message and key event to the album's pre-translation (null: stop).
void RouteMessagesToAlbum(const AlbumModule* module);
