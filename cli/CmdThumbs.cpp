// harbo-album thumbs SRC_DIR OUT_DIR [--size N]: a JPEG thumbnail fitted into N x N for
// every photo under SRC_DIR, made as the thumbnail view makes them (a load into the box
// with an all-zero adjustment record), written under OUT_DIR in the same folder layout.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "images/CLBitmap.h"
#include "platform/fileio/FileIo.h"
#include "platform/imaging/Imaging.h"
#include "platform/text/Cp932.h"

namespace {

constexpr int kDefaultSize = 160;
constexpr int kMaxSize = 4096;
// Quality factor 40 writes with encoder quality 85.
constexpr int kThumbnailQuality = 40;

struct Tally {
  int written = 0;
  int failed = 0;
};

bool IsPhotoName(const Cp932String& name) {
  const size_t dot = name.rfind('.');
  if (dot == Cp932String::npos) return false;
  const Cp932String ext = cp932::AsciiUpper(name.substr(dot + 1));
  for (const char* known : {"JPG", "JPEG", "PNG", "BMP", "GIF"})
    if (ext == known) return true;
  return false;
}

// One photo: load into the box, then write the pixels as a JPEG file.
bool MakeThumbnail(const Cp932String& source, const Cp932String& target, int size) {
  CLBitmap bitmap;
  const AdjustmentRecord none{};
  if (bitmap.Load(source, size, size, &none, false) != 1 || !bitmap.HasPixels()) return false;
  return imaging::SaveFile(target.c_str(), bitmap.bitmap(), imaging::kFormatJpeg, 24,
                           kThumbnailQuality, 0) == imaging::kSuccess;
}

// Walks a folder and its subfolders, mirroring them under the output folder.
void Walk(const Cp932String& from, const Cp932String& to, int size, Tally& tally) {
  const auto entries = fileio::ListFolder(from);
  if (!entries) return;
  for (const auto& e : *entries) {
    const Cp932String source = from + "/" + e.name;
    const Cp932String target = to + "/" + e.name;
    if (e.isDirectory) {
      Walk(source, target, size, tally);
    } else if (IsPhotoName(e.name)) {
      const bool ok =
          fileio::CreateFolderPath(to, false) && MakeThumbnail(source, target + ".jpg", size);
      (ok ? tally.written : tally.failed) += 1;
      if (!ok)
        std::fprintf(stderr, "thumbs: no thumbnail for %s\n", cp932::ToUtf8Lossy(source).c_str());
    }
  }
}

// Reads SRC_DIR OUT_DIR [--size N]; false with a message on bad arguments.
bool ParseArguments(const std::vector<std::string>& args, Cp932String* from, Cp932String* to,
                    int* size) {
  std::vector<std::string> folders;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--size" && i + 1 < args.size())
      *size = std::atoi(args[++i].c_str());
    else
      folders.push_back(args[i]);
  }
  if (folders.size() != 2 || *size < 1 || *size > kMaxSize) {
    std::fprintf(stderr, "usage: thumbs SRC_DIR OUT_DIR [--size N] (N from 1 to %d)\n", kMaxSize);
    return false;
  }
  const auto a = cp932::FromUtf8(folders[0]), b = cp932::FromUtf8(folders[1]);
  if (!a || !b) {
    std::fprintf(stderr, "thumbs: a folder name has no code page 932 form\n");
    return false;
  }
  *from = *a;
  *to = *b;
  return true;
}

}  // namespace

int RunThumbs(CliSession& /*session*/, const std::vector<std::string>& args) {
  Cp932String from, to;
  int size = kDefaultSize;
  if (!ParseArguments(args, &from, &to, &size)) return 2;
  if (!fileio::IsDirectory(from)) {
    std::fprintf(stderr, "thumbs: %s is not a folder\n", cp932::ToUtf8Lossy(from).c_str());
    return 1;
  }
  const auto start = std::chrono::steady_clock::now();
  Tally tally;
  Walk(from, to, size, tally);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d thumbnails in %.3f s (%.1f per second), %d failed\n", tally.written, seconds,
              seconds > 0 ? tally.written / seconds : 0.0, tally.failed);
  return tally.failed == 0 ? 0 : 1;
}
