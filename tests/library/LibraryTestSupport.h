// Helpers shared by the library's tests: files on disk and a library on a fresh album.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "host/CHarboPhotoApp.h"
#include "library/CPhotoManager.h"
#include "platform/fileio/FileIo.h"
#include "tests/support/AlbumFixture.h"

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline PhotoFileRecord RecordFor(const std::string& path, uint32_t flags = 4) {
  PhotoFileRecord r{};
  r.flags = flags;
  std::strncpy(r.path, path.c_str(), sizeof r.path - 1);
  r.year = 2024;
  r.month = 5;
  r.day = 17;
  r.hour = 9;
  r.minute = 30;
  r.second = 0;
  return r;
}

// A catalogue entry of versions 2 and 3: the file record, then the 13 adjustment bytes, plain.
inline std::string PlainEntry(const PhotoFileRecord& r, const AdjustmentRecord& a = {}) {
  uint8_t adjustments[AdjustmentRecord::kBytes];
  a.ToBytes(adjustments);
  return std::string(reinterpret_cast<const char*>(&r), sizeof r) +
         std::string(reinterpret_cast<const char*>(adjustments), sizeof adjustments);
}

// A library on the fixture's user, with the album folder made.
class LibraryFixture : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    ASSERT_TRUE(TheApp().MakeAlbumFolder());
    album_ = TheApp().GetPath(CHarboPhotoApp::Path::kAlbumFolder);
    library_.SetDatabasePath(TheApp().DatabasePath());
  }

  // Makes a file inside the album folder and returns its path.
  std::string AlbumFile(const std::string& relative, const std::string& content = "jpeg") {
    const std::string path = album_ + "/" + relative;
    fileio::CreateFolderPath(path.substr(0, path.rfind('/')), false);
    WriteBytes(path, content);
    return path;
  }

  std::string DbPath() const { return TheApp().DatabasePath(); }
  std::string Backup() const { return DbPath() + ".bak"; }

  CPhotoItem* AddPhoto(const std::string& relative, uint32_t flags = 4) {
    return library_.AddRecord(RecordFor(AlbumFile(relative), flags), nullptr);
  }

  std::string album_;
  CPhotoManager library_;
};
