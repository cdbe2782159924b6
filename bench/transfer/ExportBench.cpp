// The export's speed, in processor time of this thread: 100 photos of 1600 x 1200 with a
// quarter turn set, exported with their adjustments burnt in, against decoding and encoding
// each of them once at full size.
#include <QApplication>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "bench/BenchTiming.h"
#include "bench/images/BenchPhotos.h"
#include "images/CLBitmap.h"
#include "library/CPhotoItem.h"
#include "transfer/PcExport.h"

namespace {

using bench::CpuSeconds;
using bench::Time;

// The quality factor a plain save uses for the reference (the imaging layer's scale).
constexpr int kReferenceQuality = 20;

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const std::vector<std::string> all = benchphotos::Photos();
  const std::vector<std::string> sources(all.begin() + 100, all.end());
  const std::filesystem::path out =
      std::filesystem::temp_directory_path() / ("harbo-bench-export-" + std::to_string(getpid()));
  std::filesystem::create_directories(out / "reference");
  std::filesystem::create_directories(out / "export");

  std::vector<std::unique_ptr<CPhotoItem>> records;
  std::vector<CPhotoItem*> photos;
  for (const std::string& path : sources) {
    auto record = std::make_unique<CPhotoItem>();
    record->SetPath(path, false);
    record->SetFlags(4);
    AdjustmentRecord turned{};
    turned.rotation = 90;
    record->SetAdjustments(turned);
    photos.push_back(record.get());
    records.push_back(std::move(record));
  }

  const double reference = Time([&] {
    for (size_t i = 0; i < sources.size(); ++i) {
      CLBitmap bitmap;
      bitmap.Load(sources[i], 0, 0, nullptr, false);
      bitmap.Save((out / "reference" / std::to_string(i)).string() + ".jpg", kReferenceQuality);
    }
  });
  pcexport::Settings settings;
  settings.overwrite = true;
  int written = 0;
  const double exported =
      Time([&] { written = pcexport::Run((out / "export").string(), photos, settings).written; });
  std::printf(
      "export of %zu adjusted photos (1600 x 1200): %.2f s, decode and encode at full size "
      "%.2f s; ratio %.2fx (goal <= 1.2x); %d written\n",
      photos.size(), exported, reference, exported / reference, written);
  std::filesystem::remove_all(out);
  return written == static_cast<int>(photos.size()) ? 0 : 1;
}
