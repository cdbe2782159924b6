// A draw that hits the cache: no decode, and the bookkeeping of a hit in nanoseconds.
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench/images/BenchPhotos.h"
#include "images/CLBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/imaging/Imaging.h"

namespace {

std::string SmallPhoto() {
  const std::string path =
      (std::filesystem::temp_directory_path() / "harbo-bench-cache.jpg").string();
  if (!std::filesystem::exists(path))
    benchphotos::Generate(1600, 1200, 5).save(QString::fromStdString(path), "JPEG", 90);
  return path;
}

void BM_CacheHitBookkeeping(benchmark::State& state) {
  const std::string path = SmallPhoto();
  const AdjustmentRecord none{};
  CLBitmap b;
  b.Load(path, 160, 160, &none, false);
  const uint64_t decodes = imaging::DecodeCountForTest();
  for (auto _ : state) benchmark::DoNotOptimize(b.Load(path, 160, 160, &none, false));
  state.counters["decodes"] = static_cast<double>(imaging::DecodeCountForTest() - decodes);
}

void BM_DrawFittedFromCache(benchmark::State& state) {
  const std::string path = SmallPhoto();
  auto dc = CDC::CreateMemory(200, 200);
  CLBitmap b;
  RECT placed;
  b.DrawFitted(*dc, RECT{0, 0, 160, 160}, path, &placed);
  const uint64_t decodes = imaging::DecodeCountForTest();
  for (auto _ : state)
    benchmark::DoNotOptimize(b.DrawFitted(*dc, RECT{0, 0, 160, 160}, path, &placed));
  state.counters["decodes"] = static_cast<double>(imaging::DecodeCountForTest() - decodes);
}

BENCHMARK(BM_CacheHitBookkeeping)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_DrawFittedFromCache)->Unit(benchmark::kNanosecond);

}  // namespace
