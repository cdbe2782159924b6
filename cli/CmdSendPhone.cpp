// harbo-album send-phone PHONE_DIR [--dest internal|external] [--size phone|wallpaper]
//   [--resize] [--overwrite] [--name KEYWORDS | --all]
// Sends the matching records to the phone folder as the send dialog's procedure does: the
// phone-ready copies are made by the same conversion, the ones too large for the
// destination are left out, the rest are written into the phone's "PRIVATE/NY/DF" and the
// converted files removed. Prints, per photo, the file written with its size, or why not.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "images/CImageItems.h"
#include "library/PhotoKind.h"
#include "phone/PhoneSend.h"
#include "platform/fileio/FileIo.h"
#include "platform/phonelib/PhoneFileCopy.h"
#include "platform/phonelib/PhoneLib.h"

namespace {

struct Options {
  Cp932String phone;
  phonesend::SendChoice choice;
  std::optional<Cp932String> name;
  bool all = false;
};

int Refuse(const char* utf8) {
  std::fprintf(stderr, "send-phone: %s\n", utf8);
  return 2;
}

std::string Utf8(const Cp932String& text) {
  return cp932::ToUtf8Lossy(text);
}

// Reads the options; an error text when one is wrong.
const char* ParseOptions(const std::vector<std::string>& args, Options& o) {
  if (args.empty()) return "usage: send-phone PHONE_DIR [options]";
  if (!cli::ToCp932(args[0], &o.phone)) return "the phone folder has no code page 932 form";
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--resize") {
      o.choice.resize = true;
    } else if (a == "--overwrite") {
      o.choice.overwrite = true;
    } else if (a == "--all") {
      o.all = true;
    } else if (a == "--dest" && hasValue) {
      const std::string& v = args[++i];
      if (v != "internal" && v != "external") return "--dest takes internal or external";
      o.choice.destination = v == "external" ? 1 : 0;
    } else if (a == "--size" && hasValue) {
      const std::string& v = args[++i];
      if (v != "phone" && v != "wallpaper") return "--size takes phone or wallpaper";
      o.choice.size = v == "wallpaper" ? phonesend::kSizeWallpaper : phonesend::kSizePhone;
    } else if (a == "--name" && hasValue) {
      Cp932String text;
      if (!cli::ToCp932(args[++i], &text)) return "a keyword without code page 932 form";
      o.name = text;
    } else {
      return "an unknown option, or an option without its value";
    }
  }
  if (o.all == o.name.has_value()) return "give either --name KEYWORDS or --all";
  if (o.name && (o.name->empty() || o.name->size() >= SearchCriteria::kNameKeywordBytes))
    return "the keywords are empty or too long";
  return nullptr;
}

// The photos and movies to send, in the library's order, every one of them ticked.
void FillTicked(const CPhotoManager& library, const Options& o, CImageItems& view) {
  SearchCriteria c;
  c.tests = SearchCriteria::kKind | SearchCriteria::kSetAside;
  c.kindMask = PhotoKind::kStill | PhotoKind::kBurstComposite | PhotoKind::kMovie;
  if (o.name) {
    c.tests |= SearchCriteria::kName;
    std::memcpy(c.nameKeywords, o.name->data(), o.name->size());
  }
  const auto found = library.Search(c);
  std::vector<CPhotoItem*> records = found->items();
  std::reverse(records.begin(), records.end());
  for (CPhotoItem* record : records) view.AddRecord(record)->SetSelected(1);
}

// Writes one converted file into the destination's phone folder; the reason when not.
const char* WriteToPhone(const phonesend::SendItem& item, const Options& o, Cp932String* written) {
  const Cp932String area = phonelib::AreaFolder(o.phone, o.choice.StorageArea());
  if (!fileio::IsDirectory(area)) return "the phone has no such storage area";
  const Cp932String folder = area + "/PRIVATE/NY/DF";
  if (!fileio::IsDirectory(folder) && !fileio::CreateFolderPath(folder, false))
    return "the phone folder could not be made";
  *written = folder + "/" + item.name;
  const phonelib::CopyOrder order{item.path, *written, item.size, o.choice.overwrite};
  switch (phonelib::CopyPhoneFile(order)) {
    case phonelib::CopyResult::kCopied:
      return nullptr;
    case phonelib::CopyResult::kExists:
      return "a file of the same name is on the phone (use --overwrite)";
    case phonelib::CopyResult::kFailed:
      break;
  }
  return "writing to the phone failed";
}

}  // namespace

int RunSendPhone(CliSession& /*session*/, const std::vector<std::string>& args) {
  Options o;
  if (const char* error = ParseOptions(args, o)) return Refuse(error);
  phonelib::SetPhoneFolder(o.phone);
  CdmaCommState state;
  if (CProfile().GetCdmaCommState(&state) == 0)
    return std::fprintf(stderr, "send-phone: %s is no phone folder with a valid profile\n",
                        args[0].c_str()),
           1;
  CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  CImageItems view(true);
  FillTicked(*library, o, view);
  if (view.count() == 0) return std::fprintf(stderr, "send-phone: no matching records\n"), 1;
  const uint32_t limit =
      o.choice.destination == 0 ? state.maxInternalBytes : state.maxExternalBytes;
  const phonesend::Conversion done =
      phonesend::ConvertTicked(view, o.choice, limit, [](const CPhotoItem&) { return true; });
  for (const CImageItem* item : done.failed)
    std::printf("%s\tnot sent: the phone copy could not be made\n",
                Utf8(Cp932String(item->record()->fileName())).c_str());
  for (const CImageItem* item : done.tooLarge)
    std::printf("%s\tnot sent: too large for the phone (over %u bytes)\n",
                Utf8(Cp932String(item->record()->fileName())).c_str(), limit);
  int sent = 0;
  for (const phonesend::SendItem& item : done.items) {
    Cp932String written;
    if (const char* why = WriteToPhone(item, o, &written)) {
      std::printf("%s\tnot sent: %s\n", Utf8(item.name).c_str(), why);
      continue;
    }
    std::printf("%s\t%u\n", Utf8(written).c_str(), item.size);
    ++sent;
  }
  phonesend::RemoveConverted(done.items.size());
  return sent == static_cast<int>(view.count()) ? 0 : 1;
}
