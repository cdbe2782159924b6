// Photos written into a fresh folder, a temporary folder for the reader, and the check
// that no read leaves a temporary file behind.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "exif/CExifSource.h"
#include "tests/exif/ExifWriter.h"
#include "tests/support/TempDir.h"

namespace exif_test {

// A camera's block: directory 0, the Exif and GPS directories, and optionally directory 1
// with a thumbnail.
std::string CameraBlock(bool bigEndian, const Layout& layout = {}, bool thumbnail = false);

class ExifFixture : public testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(TempFiles(), 0) << "a temporary file was left behind"; }

  // Writes the bytes as a photo and gives its path.
  std::string Photo(const std::string& bytes, const std::string& name = "photo.jpg") {
    std::ofstream(temp_.file(name), std::ios::binary) << bytes;
    return temp_.file(name);
  }
  int TempFiles() const {
    if (!std::filesystem::exists(work_)) return 0;
    auto entries = std::filesystem::directory_iterator(work_);
    return static_cast<int>(std::distance(begin(entries), end(entries)));
  }
  int Open(CExifSource& source, const std::string& bytes) {
    return source.Open(Photo(bytes), work_);
  }

  TempDir temp_;
  std::string work_ = temp_.file("work");
};

}  // namespace exif_test
