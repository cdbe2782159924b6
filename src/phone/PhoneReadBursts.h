// Burst grouping after a read: the new photos taken in the same second by one of the
// carrier's phones (its maker prefix, the same date taken, the same image size) become a
// burst group with a number of its own, and a composite picture of the group joins the
// library as one more photo.
#pragma once

#include <vector>

#include "platform/text/Cp932.h"

class CPhotoItem;
class CPhotoManager;

namespace phoneread {

// Groups the new records, in their order, and makes a composite for each group of two or
// more. exifTempFolder takes the temporary files of the Exif reader. The composites added
// to the library, in the order they were made. A full library stops the grouping.
std::vector<CPhotoItem*> GroupBursts(CPhotoManager& library, const std::vector<CPhotoItem*>& fresh,
                                     const Cp932String& exifTempFolder);

}  // namespace phoneread
