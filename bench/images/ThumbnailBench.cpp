// Thumbnails of 200 photos through CLBitmap against a bare TurboJPEG scaled decode plus a
// toolkit resize of the same files in the same run, and vipsthumbnail when it is on the
// path. Prints the ratios at the end.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <turbojpeg.h>

#include <QImage>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

#include "bench/images/BenchPhotos.h"
#include "bench/images/BenchResults.h"
#include "images/CLBitmap.h"
#include "platform/imaging/Imaging.h"

namespace {

constexpr int kBox = 160;

std::map<std::string, double>& SecondsPerPhoto() {
  static std::map<std::string, double> results;
  return results;
}

// The TurboJPEG calls, found in the library the platform already loaded.
struct Turbo {
  tjhandle (*init)() = nullptr;
  int (*header)(tjhandle, const unsigned char*, unsigned long, int*, int*, int*, int*) = nullptr;
  int (*decompress)(tjhandle, const unsigned char*, unsigned long, unsigned char*, int, int, int,
                    int, int) = nullptr;
  tjscalingfactor* (*factors)(int*) = nullptr;

  Turbo() {
    void* lib = dlopen("libturbojpeg.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (lib == nullptr) lib = dlopen("libturbojpeg.so.0", RTLD_NOW);
    init = reinterpret_cast<decltype(init)>(dlsym(lib, "tjInitDecompress"));
    header = reinterpret_cast<decltype(header)>(dlsym(lib, "tjDecompressHeader3"));
    decompress = reinterpret_cast<decltype(decompress)>(dlsym(lib, "tjDecompress2"));
    factors = reinterpret_cast<decltype(factors)>(dlsym(lib, "tjGetScalingFactors"));
  }
};

// One bare thumbnail: read, scaled decode at the smallest covering scale, smooth resize.
QImage BareThumbnail(const Turbo& tj, tjhandle h, const std::string& path,
                     std::vector<unsigned char>& file, std::vector<unsigned char>& pixels) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(0, std::ios::end);
  file.resize(static_cast<size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(file.data()), static_cast<std::streamsize>(file.size()));
  int w = 0, ht = 0, sub = 0, cs = 0;
  tj.header(h, file.data(), file.size(), &w, &ht, &sub, &cs);
  int count = 0;
  const tjscalingfactor* f = tj.factors(&count);
  tjscalingfactor best{1, 1};
  for (int i = 0; i < count; ++i)
    if (f[i].num <= f[i].denom && TJSCALED(w, f[i]) >= kBox * w / std::max(w, ht) &&
        TJSCALED(ht, f[i]) >= kBox * ht / std::max(w, ht) && TJSCALED(w, f[i]) < TJSCALED(w, best))
      best = f[i];
  const int sw = TJSCALED(w, best), sh = TJSCALED(ht, best);
  pixels.resize(static_cast<size_t>(sw) * sh * 4);
  tj.decompress(h, file.data(), file.size(), pixels.data(), sw, sw * 4, sh, TJPF_BGRX, 0);
  const QImage view(pixels.data(), sw, sh, sw * 4, QImage::Format_RGB32);
  return view.scaled(kBox, kBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void BM_BareTurboJpegThumbnails(benchmark::State& state) {
  const auto photos = benchphotos::Photos();
  static const Turbo tj;
  tjhandle h = tj.init();
  std::vector<unsigned char> file, pixels;
  for (auto _ : state)
    for (const auto& p : photos) benchmark::DoNotOptimize(BareThumbnail(tj, h, p, file, pixels));
  state.counters["photos/s"] = benchmark::Counter(static_cast<double>(photos.size()),
                                                  benchmark::Counter::kIsIterationInvariantRate);
}

void RunAlbumThumbnails(benchmark::State& state, const AdjustmentRecord& record) {
  const auto photos = benchphotos::Photos();
  const uint64_t decodes = imaging::DecodeCountForTest();
  for (auto _ : state)
    for (const auto& p : photos) {
      CLBitmap b;
      benchmark::DoNotOptimize(b.Load(p, kBox, kBox, &record, false));
    }
  state.counters["photos/s"] = benchmark::Counter(static_cast<double>(photos.size()),
                                                  benchmark::Counter::kIsIterationInvariantRate);
  state.counters["decodes/photo"] = static_cast<double>(imaging::DecodeCountForTest() - decodes) /
                                    (photos.size() * state.iterations());
}

void BM_CLBitmapThumbnails(benchmark::State& state) {
  RunAlbumThumbnails(state, AdjustmentRecord{});
}

void BM_CLBitmapThumbnailsAdjusted(benchmark::State& state) {
  AdjustmentRecord r{};
  r.brightness = 120;
  r.contrast = 150;
  r.saturation = -200;
  RunAlbumThumbnails(state, r);
}

BENCHMARK(BM_BareTurboJpegThumbnails)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CLBitmapThumbnails)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CLBitmapThumbnailsAdjusted)->Unit(benchmark::kMillisecond)->Iterations(3);

// vipsthumbnail over the same files in one process, best of three.
double VipsSeconds(const std::vector<std::string>& photos) {
  if (std::system("command -v vipsthumbnail > /dev/null 2>&1") != 0) return -1;
  const std::string out = (std::filesystem::temp_directory_path() / "harbo-bench-vips").string();
  std::filesystem::create_directories(out);
  std::string command = "vipsthumbnail -s " + std::to_string(kBox) + " -o " + out + "/%s.jpg";
  for (const auto& p : photos) command += " " + p;
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) return -1;
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

}  // namespace

// Records each benchmark's seconds per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& r : runs) {
      SecondsPerPhoto()[r.benchmark_name()] = r.GetAdjustedRealTime() / 1e3 / 200;
      const double unit = benchmark::GetTimeUnitMultiplier(r.time_unit);
      benchresults::SecondsPerIteration()[r.benchmark_name()] = r.GetAdjustedRealTime() / unit;
      benchresults::CpuSecondsPerIteration()[r.benchmark_name()] = r.GetAdjustedCPUTime() / unit;
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

void PrintThumbnailRatios() {
  auto& s = SecondsPerPhoto();
  const auto find = [&](const char* prefix) {
    for (const auto& [name, v] : s)
      if (name.rfind(prefix, 0) == 0 && name.find("Adjusted") == std::string::npos) return v;
    return -1.0;
  };
  const double bare = find("BM_BareTurboJpegThumbnails"), album = find("BM_CLBitmapThumbnails");
  double adjusted = -1;
  for (const auto& [name, v] : s)
    if (name.rfind("BM_CLBitmapThumbnailsAdjusted", 0) == 0) adjusted = v;
  if (bare <= 0 || album <= 0) return;
  std::printf(
      "\nthumbnails: bare %.2f ms/photo, CLBitmap %.2f ms/photo, ratio %.3fx (goal <= 1.15x)\n",
      bare * 1e3, album * 1e3, album / bare);
  if (adjusted > 0)
    std::printf("thumbnails with adjustments: %.2f ms/photo, ratio %.3fx\n", adjusted * 1e3,
                adjusted / bare);
  const double vips = VipsSeconds(benchphotos::Photos());
  if (vips > 0)
    std::printf("vipsthumbnail: %.2f ms/photo, CLBitmap / vips %.3fx (goal < 1)\n",
                vips / 200 * 1e3, album / (vips / 200));
  else
    std::printf("vipsthumbnail: not on the path\n");
}

benchmark::BenchmarkReporter* MakeRatioReporter() {
  return new RatioReporter();
}
