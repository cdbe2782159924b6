#include "hostapp/AlbumModule.h"

#include <dlfcn.h>

#include <QFileInfo>

#include "platform/win/Wnd.h"

namespace {

const AlbumModule* g_routedModule = nullptr;

bool OfferToAlbum(MSG* msg) {
  return g_routedModule != nullptr && g_routedModule->OrbPhotoPreTranslateMessage(msg) != 0;
}

QString LastLoaderError() {
  const char* text = dlerror();
  return text != nullptr ? QString::fromLocal8Bit(text) : QStringLiteral("unknown error");
}

template <class Function>
bool Resolve(void* handle, const char* name, Function* slot, QString* error) {
  dlerror();
  *slot = reinterpret_cast<Function>(dlsym(handle, name));
  if (*slot != nullptr) return true;
  *error = QStringLiteral("the album module lacks the function %1").arg(QLatin1String(name));
  return false;
}

void* OpenModule(const QString& path, QString* error) {
  if (!QFileInfo(path).isFile()) {
    *error = QStringLiteral("the album module %1 does not exist").arg(path);
    return nullptr;
  }
  // A bare file name would be searched for on the library path; the host means this file.
  const QString file = QFileInfo(path).absoluteFilePath();
  void* handle = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr)
    *error = QStringLiteral("cannot load the album module %1: %2").arg(file, LastLoaderError());
  return handle;
}

}  // namespace

std::optional<AlbumModule> AlbumModule::Load(const QString& path, QString* error) {
  void* handle = OpenModule(path, error);
  if (handle == nullptr) return std::nullopt;
  AlbumModule module;
#define HARBO_ALBUM_RESOLVE(name) \
  if (!Resolve(handle, #name, &module.name, error)) return std::nullopt;
  HARBO_ALBUM_FUNCTIONS(HARBO_ALBUM_RESOLVE)
#undef HARBO_ALBUM_RESOLVE
  return module;
}

void RouteMessagesToAlbum(const AlbumModule* module) {
  g_routedModule = module;
  win::SetMessageFilter(module != nullptr ? &OfferToAlbum : nullptr);
}
