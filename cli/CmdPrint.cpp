// harbo-album print --style NAME_OR_INDEX (--pdf FILE | --printer QUEUE) [--from N --to M]
// [--copies N] [--name KEYWORDS | --all]: the chosen photos placed cell by cell on the pages
// of a print style, printed as the easy print panel prints them.
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "host/CHarboPhotoApp.h"
#include "platform/win/HeadlessApplication.h"
#include "print/CPrintManager.h"

namespace {

struct Options {
  std::string style;
  std::string pdf;
  std::string printer;
  int from = 0;
  int to = 0;
  int copies = 1;
  bool all = false;
  std::optional<Cp932String> name;
};

int Refuse(const std::string& text) {
  std::fprintf(stderr, "harbo-album: %s\n", text.c_str());
  return 2;
}

bool Number(const std::string& text, int* value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 5)
    return false;
  *value = std::atoi(text.c_str());
  return true;
}

std::optional<std::string> ParseOptions(const std::vector<std::string>& args, Options& o) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--all") {
      o.all = true;
      continue;
    }
    if (i + 1 >= args.size()) return "an option without its value: " + a;
    const std::string& v = args[++i];
    if (a == "--style") {
      o.style = v;
    } else if (a == "--pdf") {
      o.pdf = v;
    } else if (a == "--printer") {
      o.printer = v;
    } else if (a == "--from" || a == "--to" || a == "--copies") {
      if (!Number(v, a == "--from" ? &o.from : a == "--to" ? &o.to : &o.copies))
        return a + " takes a number";
    } else if (a == "--name") {
      Cp932String keywords;
      if (!cli::ToCp932(v, &keywords)) return "keywords without a code page 932 form";
      o.name = keywords;
    } else {
      return "unknown option " + a;
    }
  }
  if (o.style.empty()) return "choose the style with --style";
  if (o.pdf.empty() == o.printer.empty()) return "print to --pdf FILE or to --printer QUEUE";
  if (o.all == o.name.has_value()) return "choose the photos with --name or --all";
  return std::nullopt;
}

// The style named, or at that index of the list as "harbo-album styles" numbers it.
CPrintFormat* FindStyle(CPrintFormats& formats, const std::string& wanted) {
  int index = -1;
  if (Number(wanted, &index)) return formats.Get(index);
  Cp932String name;
  if (!cli::ToCp932(wanted, &name)) return nullptr;
  for (int i = 0; i < formats.count(); ++i)
    if (formats.Get(i)->name == name) return formats.Get(i);
  return nullptr;
}

// Where the job goes: the PDF file (an absolute path) or the print system's queue.
bool ChoosePrinter(CPrintInfoEx& printer, const Options& o) {
  if (o.pdf.empty()) {
    Cp932String queue;
    if (!cli::ToCp932(o.printer, &queue)) return false;
    return printer.SelectPrinter(queue) != 0;
  }
  Cp932String file;
  if (!cli::ToCp932(std::filesystem::absolute(o.pdf).string(), &file)) return false;
  printer.SetOutputFile(file);
  return printer.SelectPrinter(printsys::FilePrinterName()) != 0;
}

const char* OutcomeText(CPrintInfoEx::JobOutcome outcome) {
  switch (outcome) {
    case CPrintInfoEx::JobOutcome::kPrinted:
      return "printed";
    case CPrintInfoEx::JobOutcome::kCancelled:
      return "cancelled";
    case CPrintInfoEx::JobOutcome::kRefused:
      return "refused: another operation of the suite is running";
    case CPrintInfoEx::JobOutcome::kFailed:
      break;
  }
  return "failed";
}

}  // namespace

int RunPrint(CliSession& /*session*/, const std::vector<std::string>& args) {
  Options options;
  if (std::optional<std::string> error = ParseOptions(args, options)) return Refuse(*error);
  CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  const win::HeadlessApplication application;
  CPrintManager& manager = TheApp().printManager();
  if (!manager.Start(false)) return Refuse("no printer information or no print style");
  CPrintFormat* style = FindStyle(manager.formats(), options.style);
  if (style == nullptr) return Refuse("no such print style: " + options.style);
  if (!ChoosePrinter(manager.printer(), options)) return Refuse("no such printer");

  manager.SelectStyle(*style);
  PrintPageTemplate layout;
  manager.LayOut(*style, layout);
  std::unique_ptr<CPhotoItems> found;
  const std::vector<CPhotoItem*> photos =
      cli::ChosenPhotos(*library, options.all ? std::nullopt : options.name, found);
  const size_t perPage = std::max<size_t>(1, layout.cells.size());
  std::vector<std::vector<printrender::PlacedPhoto>> pages;
  for (size_t i = 0; i < photos.size(); ++i) {
    if (i % perPage == 0) pages.emplace_back();
    if (!layout.cells.empty()) pages.back().push_back({static_cast<int>(i % perPage), photos[i]});
  }
  if (pages.empty()) pages.emplace_back();
  const int count = static_cast<int>(pages.size());
  const int from = options.from > 0 ? options.from : 1;
  const int to = options.to > 0 ? options.to : count;
  manager.printer().SetRange(
      {static_cast<uint16_t>(from), static_cast<uint16_t>(to), 1, static_cast<uint16_t>(count)});
  manager.printer().SetCopies(options.copies);
  const CPrintInfoEx::JobOutcome outcome = manager.Print(*style, pages, POINT{}, nullptr);
  const CPrintInfoEx::PageRange range = manager.printer().NormalisedRange();
  std::printf("%s: %zu photos on %d pages of \"%s\", pages %d-%d, %d copies, to %s\n",
              OutcomeText(outcome), photos.size(), count, cp932::ToUtf8Lossy(style->name).c_str(),
              range.from, range.to, manager.printer().copies(),
              options.pdf.empty() ? options.printer.c_str() : options.pdf.c_str());
  return outcome == CPrintInfoEx::JobOutcome::kPrinted ? 0 : 1;
}
