// The kind and origin bits of a photo record's flags, and the kind code a file extension
// gives.
#pragma once

#include <cstdint>
#include <string_view>

namespace PhotoKind {

constexpr uint32_t kOther = 0x1;  // part of the kind code: movies and other files
constexpr uint32_t kMovie = 0x2;
constexpr uint32_t kStill = 0x4;  // JPEG or PNG
constexpr uint32_t kFromPc = 0x8;
constexpr uint32_t kFromMemoryCard = 0x10;
constexpr uint32_t kBurstMember = 0x10000;
constexpr uint32_t kBurstComposite = 0x20000;

// Masks: a photo or a movie, any kind, and the kind code in the low bits.
constexpr uint32_t kPhotoOrMovieMask = 0x6;
constexpr uint32_t kAnyKindMask = 0x7;

constexpr uint32_t kStillCode = 4;
constexpr uint32_t kMovieCode = 3;

// The kind code of a file name by its extension, without regard to case: "jpg" and "png"
// are stills, "amc", "3gp" and "3g2" movies; anything else (an extension that is not
// exactly three characters included) is 1 from the phone and 0 from the PC.
uint32_t KindCodeFor(std::string_view fileName, bool fromPhone);

}  // namespace PhotoKind
