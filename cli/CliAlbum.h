// What the album commands of harbo-album share: opening the user's library with questions
// answered on the console, and the one-line form of a record.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/CPhotoManager.h"

namespace cli {

// Opens the user's album and loads its library; message boxes are printed on stderr and
// questions answered "no", so nothing is ever overwritten without a person.
CPhotoManager* OpenLibrary();

// The line of a record: title, path, date, time, size, flags, favourites, burst group,
// memo and the 13 adjustment bytes, tab-separated, texts in UTF-8 with tabs, line breaks
// and backslashes escaped.
std::string RecordLine(const CPhotoItem& item);
std::string FileRecordLine(const PhotoFileRecord& record, const AdjustmentRecord& adjustments);

// The photos a command works on, in the library's order, leaving out those set aside:
// every one, or (with keywords) those whose name holds them as the search dialog finds
// them. The holder keeps the search's result alive.
std::vector<CPhotoItem*> ChosenPhotos(const CPhotoManager& library,
                                      const std::optional<Cp932String>& nameKeywords,
                                      std::unique_ptr<CPhotoItems>& holder);

// The UTF-8 argument in code page 932; prints why and returns false when it has no form.
bool ToCp932(const std::string& utf8, Cp932String* out);

}  // namespace cli
