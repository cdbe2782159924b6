#include "cli/CliSession.h"

#include <cstdio>
#include <cstring>

#include "host/CHarboPhotoApp.h"
#include "host/SuitePath.h"
#include "host/SuiteRegistry.h"

namespace {

std::string Utf8(const Cp932String& text) { return cp932::ToUtf8Lossy(text); }

void PrintPair(const char* name, const Cp932String& value) {
  std::printf("%s\t%s\n", name, Utf8(value).c_str());
}

}  // namespace

bool CliSession::Open(const CliOptions& options) {
  auto root = cp932::FromUtf8(options.dataRoot);
  auto user = cp932::FromUtf8(options.user);
  if (!root || !user) {
    std::fprintf(stderr, "harbo-album: the data folder or user name has no code page 932 form\n");
    return false;
  }
  dataRoot_ = root->empty() ? CHarboPhotoApp::DefaultDataRoot() : *root;
  usersFolder_ = suite::JoinPath({dataRoot_, CWinAppCdma::kUsersName});
  user_ = *user;
  std::strcpy(context_.moduleFolderNames[1], "Album");
  context_.errorRecord = &error_;
  context_.fileAccessMode = -1;
  block_.usersFolder = usersFolder_.c_str();
  block_.dataRoot = dataRoot_.c_str();
  block_.userName = user_.c_str();
  block_.suiteContext = &context_;
  CHarboPhotoApp& app = TheApp();
  if (app.tool() != nullptr) app.tool()->SetInitialised(false);
  if (!app.Initialise(suite::kAlbumModule, block_, 1)) {
    std::fprintf(stderr, "harbo-album: the album could not be initialised (error %d)\n", error_.code);
    return false;
  }
  return true;
}

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
