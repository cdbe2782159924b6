// Reading maker, date taken and GPS position of 1,000 photos, against reading the first
// 64 KiB of the same files. Each photo carries a camera's block: directory 0, the Exif
// directory with a maker note, the GPS directory and directory 1 with a thumbnail.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "exif/CExifSource.h"

namespace {

constexpr int kPhotos = 1000;
constexpr size_t kReferenceBytes = 64 * 1024;
constexpr size_t kImageDataBytes = 80 * 1024;

std::string U16(uint32_t v) {
  return {char(v & 0xFF), char(v >> 8)};
}
std::string U32(uint32_t v) {
  return U16(v & 0xFFFF) + U16(v >> 16);
}

// A little-endian TIFF block laid out as cameras do: each directory followed by its values.
class Block {
 public:
  struct Entry {
    uint16_t tag, type;
    uint32_t count;
    std::string data;
    int pointsTo = -1;
  };
  std::vector<std::vector<Entry>> dirs;

  std::string Build() const {
    std::vector<uint32_t> at(dirs.size());
    uint32_t pos = 8;
    for (size_t d = 0; d < dirs.size(); ++d) {
      at[d] = pos;
      pos += 6 + 12 * uint32_t(dirs[d].size());
      for (const Entry& e : dirs[d]) pos += e.data.size() > 4 ? uint32_t(e.data.size()) : 0;
    }
    std::string out = "II" + U16(42) + U32(8);
    for (size_t d = 0; d < dirs.size(); ++d) out += Directory(d, at);
    return out;
  }

 private:
  std::string Directory(size_t d, const std::vector<uint32_t>& at) const {
    std::string head = U16(uint16_t(dirs[d].size())), values;
    uint32_t valuePos = at[d] + 6 + 12 * uint32_t(dirs[d].size());
    for (const Entry& e : dirs[d]) {
      std::string field = e.pointsTo >= 0 ? U32(at[e.pointsTo]) : e.data;
      if (e.data.size() > 4) {
        field = U32(valuePos + uint32_t(values.size()));
        values += e.data;
      }
      field.resize(4, '\0');
      head += U16(e.tag) + U16(e.type) + U32(e.count) + field;
    }
    const bool chained = d == 0 && dirs.size() > 3;
    return head + U32(chained ? at[3] : 0) + values;
  }
};

Block::Entry Ascii(uint16_t tag, const std::string& text) {
  return {tag, 2, uint32_t(text.size() + 1), text + '\0'};
}
Block::Entry Short(uint16_t tag, uint16_t v) {
  return {tag, 3, 1, U16(v)};
}
Block::Entry Rationals(uint16_t tag, std::vector<uint32_t> nd) {
  std::string data;
  for (uint32_t v : nd) data += U32(v);
  return {tag, 5, uint32_t(nd.size() / 2), data};
}
Block::Entry Undefined(uint16_t tag, const std::string& bytes) {
  return {tag, 7, uint32_t(bytes.size()), bytes};
}

std::string CameraBlock(int n) {
  Block b;
  b.dirs = {{Ascii(271, "Kaiwa"),
             Ascii(272, "KW-10"),
             Short(274, 1),
             Rationals(282, {72, 1}),
             Rationals(283, {72, 1}),
             Short(296, 2),
             Ascii(306, "2008:05:04 10:20:30"),
             Short(531, 2),
             {34665, 4, 1, "", 1},
             {34853, 4, 1, "", 2}},
            {Rationals(33434, {1, 125}), Rationals(33437, {28, 10}), Undefined(36864, "0220"),
             Ascii(36867, "2008:05:" + std::to_string(10 + n % 20) + " 10:20:30"),
             Undefined(37121, std::string("\1\2\3\0", 4)), Undefined(37500, std::string(2048, 'M')),
             Undefined(40960, "0100"), Short(40961, 1), Short(40962, 640), Short(40963, 480)},
            {Undefined(0, std::string("\2\2\0\0", 4)), Ascii(1, "N"),
             Rationals(2, {35, 1, 40, 1, uint32_t(1234 + n), 100}), Ascii(3, "E"),
             Rationals(4, {139, 1, 45, 1, 3000, 100}), Undefined(5, std::string(1, '\0')),
             Rationals(6, {123, 10}), Rationals(7, {15, 1, 30, 1, 4523, 100}), Ascii(18, "WGS-84")},
            {Short(259, 6), Rationals(282, {72, 1}), Undefined(513, std::string(6000, 'T'))}};
  return b.Build();
}

std::string Photo(int n) {
  const std::string app1 = std::string("Exif\0\0", 6) + CameraBlock(n);
  const size_t len = app1.size() + 2;
  return std::string("\xFF\xD8\xFF\xE1", 4) + char(len >> 8) + char(len & 0xFF) + app1 +
         "\xFF\xDA" + std::string("\x00\x08\x01\x01\x00\x00\x3F\x00", 8) +
         std::string(kImageDataBytes, '\x55') + "\xFF\xD9";
}

// The photos, written once into a folder that goes with the program.
struct Photos {
  std::string folder;
  std::vector<std::string> paths;
  Photos() {
    char pattern[] = "/tmp/bench-exif-XXXXXX";
    folder = mkdtemp(pattern);
    for (int n = 0; n < kPhotos; ++n) {
      paths.push_back(folder + "/p" + std::to_string(n) + ".jpg");
      std::ofstream(paths.back(), std::ios::binary) << Photo(n);
    }
  }
  ~Photos() { std::filesystem::remove_all(folder); }
};

Photos& ThePhotos() {
  static Photos photos;
  return photos;
}

void BM_ExifMakerDateAndGps(benchmark::State& state) {
  Photos& photos = ThePhotos();
  const Cp932String work = photos.folder + "/work";
  for (auto _ : state) {
    for (const std::string& path : photos.paths) {
      CExifSource source;
      Cp932String maker, date;
      double lat = 0, lon = 0;
      int datum = 0;
      if (source.Open(path, work) != 1) state.SkipWithError("a photo did not open");
      source.Maker(&maker);
      source.DateTaken(&date);
      source.GpsPosition(&lat, &lon, &datum);
      benchmark::DoNotOptimize(lat + lon + double(maker.size() + date.size()));
    }
  }
}

void BM_ReadFirst64KiB(benchmark::State& state) {
  Photos& photos = ThePhotos();
  std::vector<char> buffer(kReferenceBytes);
  for (auto _ : state) {
    for (const std::string& path : photos.paths) {
      const int fd = open(path.c_str(), O_RDONLY);
      benchmark::DoNotOptimize(read(fd, buffer.data(), buffer.size()));
      close(fd);
    }
  }
}

BENCHMARK(BM_ReadFirst64KiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExifMakerDateAndGps)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration so that the ratio can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ThePhotos();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double exif = reporter.times["BM_ExifMakerDateAndGps"];
  const double reference = reporter.times["BM_ReadFirst64KiB"];
  if (reference > 0)
    std::printf("ratio exif read / first 64 KiB read: %.2f (%.1f us vs %.1f us per photo)\n",
                exif / reference, exif * 1000 / kPhotos, reference * 1000 / kPhotos);
  benchmark::Shutdown();
  return 0;
}
