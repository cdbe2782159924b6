// harbo-album shot: a picture of the suite's window with the album, made offscreen by the
// host program beside this tool, so that anyone can look at what the album shows.
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/CliCommands.h"

extern char** environ;

namespace {

struct ShotOptions {
  std::string out;
  std::string width = "1100";
  std::string height = "720";
  std::string scheme = "0";
};

bool IsNumber(const std::string& text) {
  return !text.empty() && text.size() <= 5 &&
         text.find_first_not_of("0123456789") == std::string::npos;
}

// Reads OUT.png and the options; false with the reason printed.
bool ParseShot(const std::vector<std::string>& args, ShotOptions* o) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
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
    std::fprintf(stderr, "usage: harbo-album shot OUT.png [--width W --height H] [--scheme N]\n");
  return !o->out.empty();
}

std::string HostProgram() {
  std::error_code failed;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", failed);
  return (failed ? std::filesystem::path(".") : self.parent_path()) / "harbo-suite";
}

}  // namespace

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
  std::vector<char*> pointers;
  for (std::string& a : argv) pointers.push_back(a.data());
  pointers.push_back(nullptr);
  // The host draws offscreen whatever display there is: nobody is there to close it.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  pid_t child = 0;
  if (posix_spawn(&child, host.c_str(), nullptr, nullptr, pointers.data(), environ) != 0) {
    std::fprintf(stderr, "harbo-album: cannot start %s\n", host.c_str());
    return 1;
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
