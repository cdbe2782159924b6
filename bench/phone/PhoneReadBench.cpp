// Reading 200 photos (100 of 12 megapixels, 100 of 1600 x 1200) from a phone folder into a
// fresh album, as F5 does it: the transfer into the staging folders, each file stored under
// its month, dated and recorded, burst grouping, the catalogue saved. The reference, in the
// same run: copying the same files with the platform's copy and reading each copy's Exif
// date. Real time, the median of five runs each; the processor time ratio is printed too.
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "bench/images/BenchPhotos.h"
#include "exif/CExifSource.h"
#include "host/CHarboPhotoApp.h"
#include "host/SuiteRegistry.h"
#include "phone/CPhoneReadSession.h"
#include "phone/PhoneReadRequest.h"
#include "platform/fileio/FileIo.h"
#include "platform/phonelib/PhoneProfile.h"
#include "platform/phonelib/SampleExif.h"
#include "platform/win/Wnd.h"

namespace {

using bench::Median;

namespace fs = std::filesystem;

constexpr int kRuns = 5;
constexpr double kGoal = 1.5;

struct Times {
  double real = 0;
  double cpu = 0;
};

double Now(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

Times Measure(const std::function<void()>& work) {
  const double real = Now(CLOCK_MONOTONIC);
  const double cpu = Now(CLOCK_PROCESS_CPUTIME_ID);
  work();
  return {Now(CLOCK_MONOTONIC) - real, Now(CLOCK_PROCESS_CPUTIME_ID) - cpu};
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The phone: each generated photo with the carrier's Exif block, a minute apart, so that no
// two make a burst; dated by its file time as a phone's files are. Made once and kept.
std::string MakePhone(const std::vector<std::string>& photos) {
  const fs::path phone = fs::temp_directory_path() / "harbo-bench-phone-v1";
  const fs::path data = phone / phonelib::kInternalFolderName;
  fs::create_directories(data);
  fs::create_directories(phone / phonelib::kExternalFolderName);
  std::ofstream(phone / phonelib::kProfileFileName)
      << phonelib::FormatPhoneProfile({phonelib::kModelWithExternalMemory, 0, 0});
  const auto start = fs::file_time_type::clock::now() - std::chrono::hours(24 * 30);
  for (size_t i = 0; i < photos.size(); ++i) {
    const fs::path target = data / ("NOVA_" + std::to_string(10000 + i) + ".jpg");
    if (!fs::exists(target)) {
      const phonelib::ExifFields exif{
          "NOVA Mobile", "NV-40",
          "2024:05:03 12:" + std::to_string(10 + i / 60) + ":" + std::to_string(10 + i % 50),
          std::nullopt};
      std::ofstream(target, std::ios::binary) << phonelib::InsertAfterStartOfImage(
          ReadWhole(photos[i]), phonelib::MakeExifSegment(exif));
    }
    fs::last_write_time(target, start + std::chrono::minutes(i));
  }
  return phone.string();
}

// The window the read tells of its end.
class CompletionWnd : public CWnd {
 public:
  bool done = false;
  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == CCdmaComm::kMsgReadDone) done = true;
    return CWnd::WindowProc(message, w, l);
  }
};

// A host for the album: a suite context and the parameter block, a fresh user per run.
class BenchAlbum {
 public:
  explicit BenchAlbum(const std::string& root) : root_(root) {
    std::strcpy(context_.moduleFolderNames[1], "Album");
    context_.errorRecord = &error_;
    context_.fileAccessMode = 0;
    usersFolder_ = root_ + "/Users";
  }

  CPhotoManager* Open(int run) {
    user_ = "run" + std::to_string(run);
    block_.usersFolder = usersFolder_.c_str();
    block_.dataRoot = root_.c_str();
    block_.userName = user_.c_str();
    block_.suiteContext = &context_;
    CHarboPhotoApp& app = TheApp();
    if (app.tool() != nullptr) app.tool()->SetInitialised(false);
    if (!app.Initialise(suite::kAlbumModule, block_, 1)) return nullptr;
    app.OpenUserAlbum();
    return app.library();
  }

 private:
  std::string root_;
  std::string usersFolder_;
  std::string user_;
  SuiteContext context_{};
  SuiteErrorRecord error_{};
  HostParameterBlock block_{};
};

// One read into a fresh album; the number of records it made.
size_t ReadPhone(BenchAlbum& album, int run, const std::string& phone) {
  CPhotoManager* library = album.Open(run);
  if (library == nullptr) return 0;
  phonelib::SetPhoneFolder(phone);
  CRegReadOption option;
  CompletionWnd window;
  window.Create("bench", 0, RECT{0, 0, 10, 10}, nullptr);
  CPhoneReadSession read;
  const CPhoneReadSession::Parties parties{&window, nullptr, nullptr, nullptr,
                                           TheApp().GetPath(CHarboPhotoApp::Path::kCallbackFolder)};
  if (!read.Start(*library, option, false, parties)) return 0;
  while (!window.done) PumpMessages();
  const CPhoneReadSession::Outcome outcome = read.Complete(*library);
  return outcome.saved ? outcome.records.size() : 0;
}

// The reference: each file copied, and the copy's Exif date read; the dates found.
size_t CopyAndReadDates(const std::string& phone, const std::string& folder) {
  fs::create_directories(folder);
  const Cp932String temp = folder + "/exif-temp";
  size_t dated = 0;
  for (const auto& entry :
       fs::directory_iterator(fs::path(phone) / phonelib::kInternalFolderName)) {
    const std::string copy = folder + "/" + entry.path().filename().string();
    if (!CopyFileA(entry.path().c_str(), copy.c_str(), 0)) continue;
    CExifSource exif;
    Cp932String taken;
    if (exif.Open(copy, temp) && exif.DateTaken(&taken)) ++dated;
  }
  return dated;
}

}  // namespace

int RunPhoneReadBench() {
  const std::vector<std::string> photos = benchphotos::Photos();
  const std::string phone = MakePhone(photos);
  const fs::path root =
      fs::temp_directory_path() / ("harbo-bench-read-" + std::to_string(getpid()));
  BenchAlbum album(root.string());
  std::vector<double> readReal, readCpu, copyReal, copyCpu;
  size_t records = 0, dated = 0;
  for (int run = 0; run < kRuns; ++run) {
    const Times read = Measure([&] { records = ReadPhone(album, run, phone); });
    const Times copy = Measure(
        [&] { dated = CopyAndReadDates(phone, (root / ("copy" + std::to_string(run))).string()); });
    readReal.push_back(read.real);
    readCpu.push_back(read.cpu);
    copyReal.push_back(copy.real);
    copyCpu.push_back(copy.cpu);
  }
  phonelib::SetPhoneFolder("");
  fs::remove_all(root);
  const double ratio = Median(readReal) / Median(copyReal);
  const bool complete = records == photos.size() && dated == photos.size();
  std::printf(
      "read %zu photos from the phone into the album: %.0f ms (cpu %.0f ms); copy them and "
      "read their Exif dates: %.0f ms (cpu %.0f ms); ratio %.2fx (cpu %.2fx, goal <= %.1fx)%s\n",
      records, Median(readReal) * 1e3, Median(readCpu) * 1e3, Median(copyReal) * 1e3,
      Median(copyCpu) * 1e3, ratio, Median(readCpu) / Median(copyCpu), kGoal,
      complete ? "" : "; INCOMPLETE");
  return complete ? 0 : 1;
}
