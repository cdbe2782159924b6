// make-phone DIR: makes a sample phone folder to read from and send to.
#include <cstdio>

#include "cli/CliCommands.h"
#include "platform/phonelib/SamplePhone.h"
#include "platform/text/Cp932.h"

int RunMakePhone(CliSession& /*session*/, const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: harbo-album make-phone DIR\n");
    return 2;
  }
  const auto folder = cp932::FromUtf8(args[0]);
  if (!folder) {
    std::fprintf(stderr, "make-phone: the folder name %s has no code page 932 form\n",
                 args[0].c_str());
    return 1;
  }
  std::vector<phonelib::SampleFile> made;
  std::string error;
  const bool ok = phonelib::MakeSamplePhone(*folder, &made, &error);
  for (const phonelib::SampleFile& file : made)
    std::printf("%s\t%s\n", cp932::ToUtf8Lossy(file.path).c_str(), file.note.c_str());
  if (!ok) {
    std::fprintf(stderr, "make-phone: %s\n", error.c_str());
    return 1;
  }
  std::printf("made a sample phone with %zu files in %s\n", made.size(), args[0].c_str());
  return 0;
}
