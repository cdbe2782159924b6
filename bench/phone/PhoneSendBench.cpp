// Sending 50 photos at phone size, in processor time of this thread: the phone copy of each
// (fitted into 120 x 160 and saved within 9,216 bytes by bisecting the quality) against
// decoding the same photos at that size and encoding each once.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <vector>

#include "bench/BenchTiming.h"
#include "bench/images/BenchPhotos.h"
#include "library/CPhotoItem.h"
#include "phone/PhoneSend.h"
#include "platform/imaging/Imaging.h"

namespace {

using bench::CpuSeconds;
using bench::Median;
using bench::Time;

constexpr size_t kPhotos = 50;
// The quality factor the reference encodes with once (encoder quality about 85).
constexpr int kReferenceQuality = 40;

}  // namespace

int RunPhoneSendBench() {
  const std::vector<std::string> all = benchphotos::Photos();
  // The 1600 x 1200 photos: the size a phone of the time takes.
  std::vector<std::unique_ptr<CPhotoItem>> photos;
  for (size_t i = 100; i < 100 + kPhotos && i < all.size(); ++i) {
    photos.push_back(std::make_unique<CPhotoItem>());
    photos.back()->SetPath(all[i], false);
    photos.back()->SetFlags(4);
  }
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "harbo-bench-send";
  std::filesystem::create_directories(out);
  const std::string target = (out / "Update(0)").string();
  const phonesend::SendChoice choice{0, true, false, phonesend::kSizePhone};

  std::vector<double> sent, reference;
  uint64_t saves = 0;
  int failed = 0;
  for (int run = 0; run < 5; ++run) {
    const uint64_t before = imaging::SaveCountForTest();
    sent.push_back(Time([&] {
      for (auto& photo : photos) failed += phonesend::MakePhoneCopy(*photo, target, choice) != 1;
    }));
    saves = imaging::SaveCountForTest() - before;
    reference.push_back(Time([&] {
      for (auto& photo : photos) {
        CLBitmap bare;
        const BitmapSize box = phonesend::FitInto({1600, 1200}, phonesend::PhoneBox(0));
        bare.Load(photo->path(), box.width, box.height, nullptr, true);
        failed += imaging::SaveFile(target.c_str(), bare.bitmap(), imaging::kFormatJpeg, 24,
                                    kReferenceQuality, 0) != imaging::kSuccess;
      }
    }));
  }
  std::filesystem::remove_all(out);
  std::printf(
      "send %zu photos at phone size: %.1f ms (%.1f saves a photo), decode at 120 x 160 and "
      "encode once %.1f ms; ratio %.2fx (goal <= 2x)%s\n",
      photos.size(), Median(sent) * 1e3, static_cast<double>(saves) / photos.size(),
      Median(reference) * 1e3, Median(sent) / Median(reference), failed ? "; FAILURES" : "");
  return failed == 0 ? 0 : 1;
}
