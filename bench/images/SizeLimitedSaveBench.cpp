// The size-limited save of a 640 x 480 photo into 9,216 bytes: saves made and time per save.
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench/images/BenchPhotos.h"
#include "images/CLBitmap.h"
#include "platform/imaging/Imaging.h"

namespace {

void BM_SizeLimitedSave(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path();
  const std::string path = (folder / "harbo-bench-640.jpg").string();
  const std::string out = (folder / "harbo-bench-640-phone.jpg").string();
  benchphotos::Generate(640, 480, 11).save(QString::fromStdString(path), "JPEG", 92);
  const AdjustmentRecord none{};
  CLBitmap b;
  b.Load(path, 0, 0, &none, true);
  const uint64_t saves = imaging::SaveCountForTest();
  int ok = 1;
  for (auto _ : state) ok &= b.SaveWithinSize(path, out, 9216);
  const double made = static_cast<double>(imaging::SaveCountForTest() - saves);
  state.counters["saves/call"] = made / state.iterations();
  state.counters["s/save"] =
      benchmark::Counter(made, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(out));
  state.counters["ok"] = ok;
}

BENCHMARK(BM_SizeLimitedSave)->Unit(benchmark::kMillisecond);

}  // namespace
