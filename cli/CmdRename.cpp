// harbo-album rename NAME_OR_PATH NEW_NAME and harbo-album memo NAME_OR_PATH TEXT: a photo's
// name and memo changed through the checks and messages of the rename and memo dialogs;
// the album is saved and the changed record printed.
#include <cstdio>

#include "browse/CDlgMemoEdit.h"
#include "browse/CDlgRename.h"
#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "host/CHarboPhotoApp.h"
#include "library/AlbumText.h"

namespace {

int Fail(const Cp932String& message) {
  std::fprintf(stderr, "harbo-album: %s\n", cp932::ToUtf8Lossy(message).c_str());
  return 1;
}

// The record with that path, else the one record with that title; none when no record or
// more than one has the title.
CPhotoItem* FindPhoto(const CPhotoManager& library, const Cp932String& nameOrPath) {
  if (CPhotoItem* byPath = library.FindByPath(nameOrPath)) return byPath;
  CPhotoItem* found = nullptr;
  for (CPhotoItem* item : library.items()) {
    if (item->title() != nameOrPath) continue;
    if (found != nullptr) {
      std::fprintf(stderr, "harbo-album: more than one photo is called that; give its path\n");
      return nullptr;
    }
    found = item;
  }
  if (found == nullptr) std::fprintf(stderr, "harbo-album: no such photo\n");
  return found;
}

// The photo and the text of the two arguments; null when either cannot be had.
CPhotoItem* Arguments(const std::vector<std::string>& args, const char* usage, Cp932String* text) {
  Cp932String nameOrPath;
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: harbo-album %s\n", usage);
    return nullptr;
  }
  if (!cli::ToCp932(args[0], &nameOrPath) || !cli::ToCp932(args[1], text)) return nullptr;
  CPhotoManager* library = cli::OpenLibrary();
  return library != nullptr ? FindPhoto(*library, nameOrPath) : nullptr;
}

// Lines of a memo end as the memo editor ends them, with a carriage return.
Cp932String EditorLines(const Cp932String& text) {
  Cp932String lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) lines += '\r';
    lines += text[i];
  }
  return lines;
}

}  // namespace

int RunRename(CliSession& /*session*/, const std::vector<std::string>& args) {
  Cp932String newName;
  CPhotoItem* photo = Arguments(args, "rename NAME_OR_PATH NEW_NAME", &newName);
  if (photo == nullptr) return 2;
  const Cp932String name = albumtext::TrimBlanks(newName);
  if (const std::optional<CDlgRename::Refusal> refusal = CDlgRename::Check(name))
    return Fail(refusal->message);
  if (!CDlgRename::RenameAndSave(*photo, name))
    return Fail(CDlgRename::FailureMessage(*photo, name));
  std::printf("%s\n", cli::RecordLine(*photo).c_str());
  return 0;
}

int RunMemo(CliSession& /*session*/, const std::vector<std::string>& args) {
  Cp932String text;
  CPhotoItem* photo = Arguments(args, "memo NAME_OR_PATH TEXT", &text);
  if (photo == nullptr) return 2;
  const Cp932String memo = EditorLines(text);
  if (const std::optional<Cp932String> refusal = CDlgMemoEdit::Check(memo)) return Fail(*refusal);
  const Cp932String before = photo->memo();
  photo->SetMemo(memo);
  if (TheApp().library()->SaveAlbum() == 0) {
    photo->SetMemo(before);
    return Fail(cp932::Lit("アルバムを保存できませんでした。"));
  }
  std::printf("%s\n", cli::RecordLine(*photo).c_str());
  return 0;
}
