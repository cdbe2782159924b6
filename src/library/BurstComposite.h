// The picture that stands for a burst group: up to nine member photos side by side in a
// grid, written as a 32-bit bitmap, converted to a JPEG and stored in the album's burst
// composite folder.
#pragma once

#include <memory>
#include <vector>

#include "library/CPhotoItem.h"

class CPhotoManager;

namespace burst {

constexpr int kMaxMembers = 9;

struct Grid {
  int columns = 0;
  int rows = 0;
};

// Columns and rows for a number of pictures.
Grid GridFor(int count);

// The composite's name: the first member's file name without extension and without its
// shot number (after the last "~", else "-", else "_"), followed by "(連写)".
Cp932String BaseName(std::string_view fileName);

// The bytes of a 32-bit uncompressed bitmap file of width x height pixels, rows bottom-up;
// pixels are 0x00BBGGRR colours, top row first.
std::string BitmapFile(int width, int height, const std::vector<uint32_t>& pixels);

std::unique_ptr<CPhotoItem> Create(CPhotoManager& library, const CPhotoItem* const* members,
                                   int count);

}  // namespace burst
