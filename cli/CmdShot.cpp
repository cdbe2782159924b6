// harbo-album shot: a picture of the suite's window with the album, made offscreen by the
// host program beside this tool, so that anyone can look at what the album shows. The
// index category and entry and the list view can be chosen for the picture: they are put
// in the album's settings, where the album starts from, for the host's run only. A dialog
// can be pictured instead: the host focuses record N (counted from 1 as "list" prints the
// records) and runs the dialog's command. The photos shown can be placed in the easy print
// panel, and its layout window pictured.
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "host/CHarboPhotoApp.h"
#include "platform/registry/Registry.h"
#include "resources/CommandIds.h"

extern char** environ;

namespace {

struct ShotOptions {
  std::string out;
  std::string width = "1100";
  std::string height = "720";
  std::string scheme = "0";
  std::optional<int> category;  // an index tree category value
  std::optional<int> entry;     // an index panel entry value
  bool list = false;            // the list view instead of the thumbnails
  std::optional<int> record;    // the record a dialog is opened on, counted from 1
  UINT command = 0;             // the command that opens the dialog
  // The photos shown placed in the easy print panel, and its layout window pictured.
  bool printPanel = false;
  bool layout = false;
  std::optional<int> printStyle;  // the panel's style page: 0 basic, 1 calendar, 2 the list
};

// A setting the picture starts from, and the value it had before.
struct StartSetting {
  const char* section;
  const char* name;
  int fallback;
  int wanted;
  int before = 0;
};

bool IsNumber(const std::string& text) {
  return !text.empty() && text.size() <= 5 &&
         text.find_first_not_of("0123456789") == std::string::npos;
}

// A category or entry value, decimal or hexadecimal ("0x20000").
std::optional<int> ValueOf(const std::string& text) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 0);
  if (text.empty() || *end != '\0' || value < 0 || value > 0x7FFFFFFF) return std::nullopt;
  return static_cast<int>(value);
}

// Reads --category, --entry, --list and the easy print options; false when the argument
// is none of them.
bool ParseIndexOption(const std::vector<std::string>& args, size_t* i, ShotOptions* o,
                      bool* failed) {
  const std::string& a = args[*i];
  if (a == "--list" || a == "--print-panel" || a == "--layout") {
    (a == "--list" ? o->list : a == "--layout" ? o->layout : o->printPanel) = true;
    return true;
  }
  if (a != "--category" && a != "--entry" && a != "--print-style") return false;
  const std::optional<int> value = *i + 1 < args.size() ? ValueOf(args[*i + 1]) : std::nullopt;
  *failed = !value.has_value() || (a == "--print-style" && *value > 2);
  if (value) (a == "--category" ? o->category : a == "--entry" ? o->entry : o->printStyle) = value;
  ++*i;
  return true;
}

// The options that picture a dialog on one record, each with its command.
struct DialogOption {
  const char* name;
  UINT command;
};
constexpr DialogOption kDialogOptions[] = {
    {"--details", cmd::kDetails},
    {"--preview", cmd::kPreview},
};

// Reads a dialog option and its record number; false when the argument is none of them.
bool ParseDialogOption(const std::vector<std::string>& args, size_t* i, ShotOptions* o,
                       bool* failed) {
  for (const DialogOption& d : kDialogOptions) {
    if (args[*i] != d.name) continue;
    const std::optional<int> n = *i + 1 < args.size() ? ValueOf(args[*i + 1]) : std::nullopt;
    *failed = !n.has_value() || *n < 1 || o->command != 0;
    o->record = n;
    o->command = d.command;
    ++*i;
    return true;
  }
  return false;
}

// Reads OUT.png and the options; false with the reason printed.
bool ParseShot(const std::vector<std::string>& args, ShotOptions* o) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool failed = false;
    if (ParseIndexOption(args, &i, o, &failed) || ParseDialogOption(args, &i, o, &failed)) {
      if (!failed) continue;
      std::fprintf(stderr, "harbo-album: shot: %s expects a number\n", a.c_str());
      return false;
    }
    std::string* value = a == "--width"    ? &o->width
                         : a == "--height" ? &o->height
                         : a == "--scheme" ? &o->scheme
                                           : nullptr;
    if (value == nullptr && o->out.empty() && a.rfind("--", 0) != 0) {
      o->out = a;
    } else if (value != nullptr && i + 1 < args.size() && IsNumber(args[i + 1])) {
      *value = args[++i];
    } else {
      std::fprintf(stderr, "harbo-album: shot: unexpected '%s'\n", a.c_str());
      return false;
    }
  }
  if (o->out.empty())
    std::fprintf(stderr,
                 "usage: harbo-album shot OUT.png [--width W --height H] [--scheme N] "
                 "[--category VALUE] [--entry VALUE] [--list] [--details N] [--preview N] "
                 "[--print-panel] [--layout] [--print-style 0|1|2]\n");
  return !o->out.empty();
}

std::string HostProgram() {
  std::error_code failed;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", failed);
  return (failed ? std::filesystem::path(".") : self.parent_path()) / "harbo-suite";
}

std::vector<StartSetting> StartSettingsOf(const ShotOptions& o) {
  std::vector<StartSetting> settings;
  if (o.category) settings.push_back({"IndexView", "TabCurrent", 0x10000, *o.category});
  if (o.entry) settings.push_back({"IndexView", "ListCurrent", 0, *o.entry});
  if (o.list) settings.push_back({"Main", "DispThumbnail", 1, 0});
  if (o.printPanel || o.layout) settings.push_back({"Main", "DispPrint", 1, 1});
  if (o.printStyle) settings.push_back({"PrintView", "StyleIndex", 0, *o.printStyle});
  // A dialog's record is looked for among all photos unless the picture names a category.
  if (o.record && !o.category) {
    settings.push_back({"IndexView", "TabCurrent", 0x10000, 0x10000});
    if (!o.entry) settings.push_back({"IndexView", "ListCurrent", 0, 0});
  }
  return settings;
}

void PutStartSettings(std::vector<StartSetting>& settings) {
  CHarboPhotoApp& app = TheApp();
  for (StartSetting& s : settings) {
    s.before = app.ReadInt(s.section, s.name, s.fallback);
    app.WriteInt(s.section, s.name, s.wanted);
  }
}

// The host wrote its own settings on closing: they are read again, and the ones the
// picture asked for get back what they were.
void RestoreStartSettings(const std::vector<StartSetting>& settings) {
  if (settings.empty()) return;
  registry::ResetCache();
  for (const StartSetting& s : settings) TheApp().WriteInt(s.section, s.name, s.before);
}

int RunHost(std::vector<std::string>& argv) {
  std::vector<char*> pointers;
  for (std::string& a : argv) pointers.push_back(a.data());
  pointers.push_back(nullptr);
  // The host draws offscreen whatever display there is: nobody is there to close it.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  pid_t child = 0;
  if (posix_spawn(&child, argv[0].c_str(), nullptr, nullptr, pointers.data(), environ) != 0) {
    std::fprintf(stderr, "harbo-album: cannot start %s\n", argv[0].c_str());
    return 1;
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace

// The host's options that focus record N and run the dialog's command on it; false, with
// the reason printed, when the album has no record N.
bool AddDialogArguments(const ShotOptions& o, std::vector<std::string>* argv) {
  if (!o.record) return true;
  CPhotoManager* library = cli::OpenLibrary();
  const size_t count = library != nullptr ? library->items().size() : 0;
  if (static_cast<size_t>(*o.record) > count) {
    std::fprintf(stderr, "harbo-album: shot: the album has %zu records, no record %d\n", count,
                 *o.record);
    return false;
  }
  const CPhotoItem* record = library->items()[static_cast<size_t>(*o.record - 1)];
  argv->insert(argv->end(), {"--focus-photo", cp932::ToUtf8Lossy(record->path()), "--command",
                             std::to_string(o.command)});
  return true;
}

// Every photo shown is selected and inserted into the easy print panel; the layout window
// opens on them when asked.
bool AddPrintArguments(const ShotOptions& o, std::vector<std::string>* argv) {
  if (!o.printPanel && !o.layout) return true;
  if (o.command != 0) {
    std::fprintf(stderr,
                 "harbo-album: shot: a dialog and the print panel cannot be pictured together\n");
    return false;
  }
  std::string commands =
      std::to_string(cmd::kSelectAll) + "," + std::to_string(cmd::kInsertIntoEasyPrint);
  if (o.layout) commands += "," + std::to_string(cmd::kEasyPrintLayout);
  argv->insert(argv->end(), {"--command", commands});
  return true;
}

int RunShot(CliSession& session, const std::vector<std::string>& args) {
  ShotOptions o;
  if (!ParseShot(args, &o)) return 2;
  std::error_code ignored;
  const std::string out = std::filesystem::absolute(o.out, ignored).string();
  const std::string host = HostProgram();
  const std::string size = o.width + "x" + o.height;
  std::vector<std::string> argv{host,
                                "--data",
                                session.dataRootUtf8(),
                                "--user",
                                session.userUtf8(),
                                "--screenshot",
                                out,
                                "--size",
                                size,
                                "--scheme",
                                o.scheme};
  if (!AddDialogArguments(o, &argv)) return 1;
  if (!AddPrintArguments(o, &argv)) return 2;
  std::vector<StartSetting> settings = StartSettingsOf(o);
  PutStartSettings(settings);
  const int result = RunHost(argv);
  RestoreStartSettings(settings);
  return result;
}
