#include "library/PhotoKind.h"

#include "library/AlbumText.h"

namespace PhotoKind {

uint32_t KindCodeFor(std::string_view fileName, bool fromPhone) {
  const uint32_t other = fromPhone ? kOther : 0;
  const size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos || fileName.size() - dot - 1 != 3) return other;
  const Cp932String extension = albumtext::LowerAscii(fileName.substr(dot + 1));
  if (extension == "jpg" || extension == "png") return kStillCode;
  if (extension == "amc" || extension == "3gp" || extension == "3g2") return kMovieCode;
  return other;
}

}  // namespace PhotoKind
