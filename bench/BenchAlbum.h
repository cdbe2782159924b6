// A user album for the benchmarks on a fresh data folder and registry under /tmp, removed
// when the object goes. The application is initialised for the album module and the user
// "bench"; what the album then holds is up to each benchmark.
#pragma once

#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "host/CHarboPhotoApp.h"
#include "host/SuiteRegistry.h"

namespace benchalbum {

struct TempAlbum {
  std::string root;
  SuiteContext context{};
  SuiteErrorRecord error{};
  HostParameterBlock block{};
  std::string users, user = "bench";

  // The folder is made from the pattern, which ends in XXXXXX as mkdtemp wants.
  explicit TempAlbum(std::string pattern) {
    root = mkdtemp(pattern.data());
    setenv("HARBO_REGISTRY_DIR", (root + "/registry").c_str(), 1);
    users = root + "/Users";
    std::strcpy(context.moduleFolderNames[1], "Album");
    context.errorRecord = &error;
    block.usersFolder = users.c_str();
    block.dataRoot = root.c_str();
    block.userName = user.c_str();
    block.suiteContext = &context;
    TheApp().Initialise(suite::kAlbumModule, block, 1);
  }
  ~TempAlbum() { std::filesystem::remove_all(root); }
  TempAlbum(const TempAlbum&) = delete;
  TempAlbum& operator=(const TempAlbum&) = delete;
};

}  // namespace benchalbum
