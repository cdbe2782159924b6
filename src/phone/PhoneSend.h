// Sending photos to the phone, the part without windows: the phone-ready copy of each
// ticked record (fitted, adjusted or not, squeezed under a byte limit), the list of copies
// and of the photos still too large, and the phone file entries made from the copies. The
// send dialog's procedure and the command-line tool both run on these steps.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "images/CLBitmap.h"
#include "platform/text/Cp932.h"

class CImageItem;
class CImageItems;
class CNyFileInfoList;
class CPhotoItem;

namespace phonesend {

// The folder on the phone that receives the photos, in either storage area.
constexpr char kPhoneFolder[] = "PRIVATE\\NY\\DF";

constexpr int kSizePhone = 0;      // 120 x 160, within 9,216 bytes
constexpr int kSizeWallpaper = 1;  // 240 x 320, within 30,720 bytes
constexpr uint32_t kPhoneSizeBytes = 9216;
constexpr uint32_t kWallpaperSizeBytes = 30720;

struct SendChoice {
  int destination = 0;  // 0 the internal data folder, other the external memory
  bool resize = false;
  bool overwrite = false;
  int size = kSizePhone;

  // The storage area of the phone library: 1 internal, 2 external.
  int StorageArea() const { return destination == 0 ? 1 : 2; }
};

// One converted file waiting to be handed to the phone library.
struct SendItem {
  uint32_t size = 0;
  Cp932String name;  // the photo's file name, which it takes on the phone
  Cp932String path;  // the converted file
};

// The box a phone copy is fitted into, and the byte limit it is saved within.
BitmapSize PhoneBox(int sizeChoice);
uint32_t PhoneByteLimit(int sizeChoice);
// The picture's size fitted into the box keeping its proportions; a picture that is not
// larger than the box in either direction keeps its size (it is never enlarged).
BitmapSize FitInto(BitmapSize picture, BitmapSize box);

// Writes the phone-ready copy of the record to target. Movies are copied unchanged. A
// photo is sent without its rotation; its saturation, brightness and contrast make it
// "edited": edited photos are written with their adjustments, resized ones are fitted and
// saved within the size choice's byte limit, unresized edited ones within their own
// file's size, and unedited unresized ones copied as they are. 1 or 0.
int MakePhoneCopy(CPhotoItem& photo, const Cp932String& target, const SendChoice& choice);

struct Conversion {
  std::vector<SendItem> items;
  // Photos whose copy stayed larger than the destination accepts; their copies are gone.
  std::vector<CImageItem*> tooLarge;
  // Photos whose copy could not be made, and the user chose to go on without them.
  std::vector<CImageItem*> failed;
  // The user chose to stop after a failed copy; the copies made so far are gone.
  bool stopped = false;
};

// Asked when a copy could not be made: true goes on without the photo, false stops.
using AskToContinue = std::function<bool(const CPhotoItem& photo)>;

// Converts the ticked items of the view, in view order, into the work folder's
// "Update(n)" files, numbered from 0 by the copies kept. byteLimit is the largest file the
// destination accepts; 0 means no limit is known.
Conversion ConvertTicked(const CImageItems& view, const SendChoice& choice, uint32_t byteLimit,
                         const AskToContinue& ask);

// Appends one phone file entry per send item to the list, the last item first.
void AppendEntries(const std::vector<SendItem>& items, const SendChoice& choice,
                   CNyFileInfoList& list);

// Deletes the converted files "Update(0)" .. "Update(count - 1)" of the work folder.
void RemoveConverted(size_t count);

}  // namespace phonesend
