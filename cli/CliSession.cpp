#include "cli/CliSession.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "host/CHarboPhotoApp.h"
#include "host/SuitePath.h"
#include "host/SuiteRegistry.h"

bool CliSession::Open(const CliOptions& options) {
  // The album keeps absolute paths in its records, so a relative folder is made absolute.
  std::error_code ignored;
  const std::string absolute =
      options.dataRoot.empty()
          ? std::string()
          : std::filesystem::absolute(options.dataRoot, ignored).lexically_normal().string();
  auto root = cp932::FromUtf8(absolute.empty() ? options.dataRoot : absolute);
  auto user = cp932::FromUtf8(options.user);
  if (!root || !user) {
    std::fprintf(stderr, "harbo-album: the data folder or user name has no code page 932 form\n");
    return false;
  }
  dataRoot_ = root->empty() ? CHarboPhotoApp::DefaultDataRoot() : *root;
  dataRootUtf8_ = cp932::ToUtf8Lossy(dataRoot_);
  userUtf8_ = options.user;
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
    std::fprintf(stderr, "harbo-album: the album could not be initialised (error %d)\n",
                 error_.code);
    return false;
  }
  return true;
}
