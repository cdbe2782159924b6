// What the image fuzz targets share: the input becomes a file (the loaders read files),
// which is then read for its information, loaded into a small box, turned and read for a
// comment, as a thumbnail view would.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/imaging/Imaging.h"

inline void LoadImageBytes(const uint8_t* data, size_t size, const char* extension) {
  static const std::string path = "/tmp/harbo_fuzz_" + std::to_string(getpid()) + extension;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  imaging::FileInfo info;
  if (imaging::ReadFileInfo(path.c_str(), &info, sizeof info, 0, nullptr) == imaging::kSuccess) {
    imaging::BitmapHandle bitmap;
    const int w = info.width < 48 ? info.width : 48, h = info.height < 36 ? info.height : 36;
    if (imaging::InitBitmap(&bitmap, sizeof bitmap, w, h, info.bitsPerPixel) == imaging::kSuccess) {
      info.flags = imaging::kLoadAtHandleSize;
      if (imaging::LoadFile(path.c_str(), &bitmap, sizeof bitmap, 24, 1, nullptr, &info) ==
          imaging::kSuccess)
        imaging::RotateBitmap(&bitmap, 9000, imaging::kRotateGrowCanvas, 0xFFFFFF);
      imaging::FreeBitmap(&bitmap);
    }
  }
  imaging::EstimateJpegQuality(path.c_str());
  char comment[imaging::kCommentBufferBytes];
  imaging::ReadComment(path.c_str(), 3, comment, sizeof comment, 0);
  std::remove(path.c_str());
}
