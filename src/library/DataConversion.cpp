#include "library/DataConversion.h"

#include <cstring>

#include "host/CHarboPhotoApp.h"
#include "host/SuitePath.h"
#include "host/SuiteRegistry.h"
#include "library/CPhotoManager.h"
#include "platform/fileio/FileIo.h"

namespace conversion {
namespace {

constexpr uint32_t kUnset = 0xFFFFFFFFu;
constexpr uint32_t kReadFailed = 1;
constexpr uint32_t kWriteFailed = 2;

// The safety copy always lives below the user folder's "Album", whatever the suite calls
// the album folder.
Cp932String SafetySourcePath(CHarboPhotoApp& app) {
  return suite::JoinPath(
      {app.GetPath(CHarboPhotoApp::Path::kUserFolder), "Album", CHarboPhotoApp::kDatabaseFileName});
}

void Fail(DataConversionBlock* block, uint32_t code, uint32_t lastError, const char* utf8) {
  if (code != kUnset) block->errorCode = code;
  if (lastError != kUnset) block->lastError = lastError;
  const Cp932String message = cp932::Lit(utf8);
  const size_t n = std::min(message.size(), sizeof(block->errorMessage) - 1);
  std::memcpy(block->errorMessage, message.data(), n);
  block->errorMessage[n] = '\0';
}

bool InitialiseFrom(const DataConversionBlock* block) {
  CHarboPhotoApp& app = TheApp();
  if (app.tool() != nullptr) app.tool()->SetInitialised(false);
  return app.Initialise(suite::kAlbumModule, block->host, 1) != 0;
}

// Reads the database in whatever version it has into a library of its own and writes it
// back in the current version. A catalogue that cannot be read is a read failure: it is
// left as it is rather than replaced by an empty one.
int Rewrite(DataConversionBlock* block, const Cp932String& database) {
  CPhotoManager library;
  library.SetSilent(true);
  const bool read = library.LoadAlbum(&database) != 0 && library.unreadableCatalogue().path.empty();
  if (read && library.SaveAlbum() != 0) return 1;
  Fail(block, read ? kWriteFailed : kReadFailed, GetLastError(),
       "RADAD&UDUVEのデータ変換処理でエラーが発生しました。");
  return 0;
}

}  // namespace

int PrepareSafetyCopy(DataConversionBlock* block) {
  if (block == nullptr || !InitialiseFrom(block)) return 0;
  CHarboPhotoApp& app = TheApp();
  const Cp932String folder =
      suite::JoinPath({block->safetyFolder != nullptr ? block->safetyFolder : "", "Album"});
  fileio::CreateFolderPath(folder, true);
  const Cp932String source = SafetySourcePath(app);
  if (!fileio::IsFile(source)) return 1;
  const Cp932String target = suite::JoinPath({folder, CHarboPhotoApp::kDatabaseFileName});
  DWORD error = 0;
  if (AdCopyFileA(source.c_str(), target.c_str(), 0, &error)) return 1;
  Fail(block, error, GetLastError(), "RADAD&UDUVEのデータ変換前処理でエラーが発生しました。");
  return 0;
}

int Convert(DataConversionBlock* block) {
  if (block == nullptr || !InitialiseFrom(block)) return 0;
  CHarboPhotoApp& app = TheApp();
  const Cp932String database = app.DatabasePath();
  const int result = fileio::IsFile(database) ? Rewrite(block, database) : 1;
  // The next tree setting initialises afresh.
  app.tool()->SetInitialised(false);
  return result;
}

int RestoreSafetyCopy(DataConversionBlock* block) {
  if (block == nullptr || !InitialiseFrom(block)) return 0;
  CHarboPhotoApp& app = TheApp();
  const Cp932String copy =
      suite::JoinPath({block->safetyFolder != nullptr ? block->safetyFolder : "", "Album",
                       CHarboPhotoApp::kDatabaseFileName});
  // The copy goes back to where it was taken from, so the album reads it again.
  const Cp932String restore = SafetySourcePath(app);
  if (!fileio::IsFile(app.DatabasePath())) return 1;
  DWORD error = 0;
  return AdCopyFileA(copy.c_str(), restore.c_str(), 0, &error) ? 1 : 0;
}

}  // namespace conversion
