#include "platform/shell/Shell.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <cerrno>
#include <filesystem>
#include <mutex>
#include <string_view>

namespace {

// The results the shell reports, as its callers test them.
constexpr intptr_t kOutOfResources = 0;
constexpr intptr_t kFileNotFound = 2;
constexpr intptr_t kPathNotFound = 3;
constexpr intptr_t kAccessDenied = 5;
constexpr intptr_t kNoAssociation = 31;
constexpr intptr_t kStarted = 42;

std::mutex launcherMutex;
shell::Launcher testLauncher;

bool IsUrl(std::string_view target) {
  const size_t colon = target.find("://");
  if (colon == std::string_view::npos || colon < 2) return false;
  for (size_t i = 0; i < colon; ++i) {
    const char c = target[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
    if (!letter && (i == 0 || !other)) return false;
  }
  return true;
}

bool DesktopLauncher(const std::string& target) {
  // The desktop services need the application object; without one nothing can start.
  if (QCoreApplication::instance() == nullptr) return false;
  const QString text = QString::fromUtf8(target.data(), static_cast<qsizetype>(target.size()));
  return QDesktopServices::openUrl(IsUrl(target) ? QUrl(text) : QUrl::fromLocalFile(text));
}

bool Launch(const std::string& target) {
  shell::Launcher launcher;
  {
    std::lock_guard<std::mutex> lock(launcherMutex);
    launcher = testLauncher;
  }
  try {
    return launcher ? launcher(target) : DesktopLauncher(target);
  } catch (...) {
    return false;
  }
}

bool IsOpenVerb(const char* verb) {
  // No verb means the default one, which is "open".
  if (verb == nullptr || *verb == '\0') return true;
  const std::string_view text(verb);
  if (text.size() != 4) return false;
  for (size_t i = 0; i < 4; ++i) {
    const char c =
        text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != "open"[i]) return false;
  }
  return true;
}

// The absolute disk path of a document, relative names being taken from the folder given.
std::string DocumentPath(const std::string& file, const char* directory) {
  std::filesystem::path path(file);
  if (path.is_relative() && directory != nullptr && *directory != '\0') {
    if (std::optional<std::string> folder = cp932::ToUtf8(directory)) path = *folder / path;
  }
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  return ec ? path.string() : absolute.string();
}

// Why a document cannot be opened, or 0 when it can be read.
intptr_t DocumentProblem(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    if (errno == EACCES) return kAccessDenied;
    if (errno != ENOENT) return kPathNotFound;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    struct stat folder {};
    const bool parentExists = stat(parent.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode);
    return parentExists ? kFileNotFound : kPathNotFound;
  }
  return access(path.c_str(), R_OK) == 0 ? 0 : kAccessDenied;
}

// Opens a target once the verb is known to be "open".
intptr_t OpenTarget(const char* file, const char* directory) {
  if (file == nullptr || *file == '\0') return kFileNotFound;
  std::optional<std::string> target = cp932::ToUtf8(file);
  if (!target) return kFileNotFound;
  if (!IsUrl(*target)) {
    *target = DocumentPath(*target, directory);
    if (const intptr_t problem = DocumentProblem(*target)) return problem;
  }
  return Launch(*target) ? kStarted : kNoAssociation;
}

}  // namespace

intptr_t ShellExecuteA(HWND /*owner*/, const char* verb, const char* file,
                       const char* /*parameters*/, const char* directory, int /*showCommand*/) {
  if (!IsOpenVerb(verb)) return kNoAssociation;
  try {
    return OpenTarget(file, directory);
  } catch (...) {
    return kOutOfResources;
  }
}

namespace shell {

void SetLauncherForTest(Launcher launcher) {
  std::lock_guard<std::mutex> lock(launcherMutex);
  testLauncher = std::move(launcher);
}

}  // namespace shell
