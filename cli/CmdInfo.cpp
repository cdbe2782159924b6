#include <cstdio>

#include "cli/CliCommands.h"
#include "host/CHarboPhotoApp.h"

namespace {

void PrintPair(const char* name, const Cp932String& value) {
  std::printf("%s\t%s\n", name, cp932::ToUtf8Lossy(value).c_str());
}

}  // namespace

int RunInfo(CliSession& /*session*/, const std::vector<std::string>& /*args*/) {
  using Path = CHarboPhotoApp::Path;
  CHarboPhotoApp& app = TheApp();
  PrintPair("data-root", app.GetPath(Path::kDataRoot));
  PrintPair("data-folder", app.GetPath(Path::kDataFolder));
  PrintPair("users-folder", app.GetPath(Path::kUsersFolder));
  PrintPair("user-folder", app.GetPath(Path::kUserFolder));
  PrintPair("album-folder", app.GetPath(Path::kAlbumFolder));
  PrintPair("work-folder", app.GetPath(Path::kWorkFolder));
  PrintPair("log-folder", app.GetPath(Path::kLogFolder));
  PrintPair("callback-folder", app.GetPath(Path::kCallbackFolder));
  PrintPair("shared-folder", app.GetPath(Path::kSharedFolder));
  PrintPair("settings-file", app.SettingsFilePath());
  PrintPair("database", app.DatabasePath());
  PrintPair("color-scheme", app.ColorSchemePath(0));
  PrintPair("suite-registry-key", app.GetPath(Path::kSuiteRegistryKey));
  PrintPair("users-registry-key", app.GetPath(Path::kUsersRegistryKey));
  PrintPair("user-registry-key", app.GetPath(Path::kUserRegistryKey));
  PrintPair("album-registry-key", app.GetPath(Path::kAlbumRegistryKey));
  return 0;
}
