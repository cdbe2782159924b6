// The library over 10,000 records: loading and saving the database against the floor of
// reading (or writing) the same bytes and running RC4 over them, searching, and the
// tallies. Each timing benchmark prints its ratio to the floor measured in the same run.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "host/CHarboPhotoApp.h"
#include "host/SuiteRegistry.h"
#include "library/AlbumDatabase.h"
#include "library/CPhotoManager.h"
#include "platform/crypto/Rc4.h"
#include "platform/fileio/FileIo.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 10000;

// A user album of 10,000 photos with a saved database, made once for every benchmark.
struct Album {
  std::string root;
  SuiteContext context{};
  SuiteErrorRecord error{};
  HostParameterBlock block{};
  std::string users, user = "bench";
  CPhotoManager library;
  Cp932String database;

  Album() {
    char pattern[] = "/tmp/harbo-bench-XXXXXX";
    root = mkdtemp(pattern);
    setenv("HARBO_REGISTRY_DIR", (root + "/registry").c_str(), 1);
    users = root + "/Users";
    std::strcpy(context.moduleFolderNames[1], "Album");
    context.errorRecord = &error;
    block.usersFolder = users.c_str();
    block.dataRoot = root.c_str();
    block.userName = user.c_str();
    block.suiteContext = &context;
    TheApp().Initialise(suite::kAlbumModule, block, 1);
    TheApp().MakeAlbumFolder();
    Fill();
    database = TheApp().DatabasePath();
    library.SetDatabasePath(database);
    library.SaveAlbum();
  }
  ~Album() { std::filesystem::remove_all(root); }

  void Fill() {
    const Cp932String folder = TheApp().GetPath(CHarboPhotoApp::Path::kAlbumFolder) + "/2024/5";
    fileio::CreateFolderPath(folder, false);
    static const char* const kWords[] = {"beach", "mountain", "family", "city", "garden"};
    for (int i = 0; i < kRecords; ++i) {
      char name[64];
      std::snprintf(name, sizeof name, "/%s_%05d.jpg", kWords[i % 5], i);
      const Cp932String path = folder + name;
      if (FILE* f = std::fopen(path.c_str(), "wb")) std::fclose(f);
      library.AddFile(4, path, static_cast<uint16_t>(2000 + i % 25),
                      static_cast<uint16_t>(1 + i % 12), static_cast<uint16_t>(1 + i % 28), 12, 0,
                      0, 0);
    }
  }
};

Album& TheAlbum() {
  static Album album;
  return album;
}

// Reading the file's bytes and RC4 over each entry from a fresh key state.
double LoadFloorSeconds(const Cp932String& path) {
  const auto start = Clock::now();
  std::optional<std::string> bytes = fileio::ReadFile(path);
  const std::array<uint8_t, 16> key = crypto::DeriveDefaultRc4Key("bench-key-bytes!");
  const crypto::Rc4 initial(key);
  auto* data = reinterpret_cast<uint8_t*>(bytes->data());
  for (size_t at = albumdb::kHeaderBytes; at + albumdb::kEntryBytes <= bytes->size();
       at += albumdb::kEntryBytes)
    crypto::Rc4(initial).Apply(data + at, albumdb::kEntryBytes);
  benchmark::DoNotOptimize(data);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Encrypting the same number of entries and writing them atomically.
double SaveFloorSeconds(const std::string& plain, const Cp932String& target) {
  const auto start = Clock::now();
  std::string bytes = plain;
  const std::array<uint8_t, 16> key = crypto::DeriveDefaultRc4Key("bench-key-bytes!");
  const crypto::Rc4 initial(key);
  auto* data = reinterpret_cast<uint8_t*>(bytes.data());
  for (size_t at = albumdb::kHeaderBytes; at + albumdb::kEntryBytes <= bytes.size();
       at += albumdb::kEntryBytes)
    crypto::Rc4(initial).Apply(data + at, albumdb::kEntryBytes);
  fileio::WriteFileAtomic(target, bytes);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_LoadAlbum(benchmark::State& state) {
  Album& album = TheAlbum();
  CPhotoManager library;
  double load = 0, floor = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    library.LoadAlbum(&album.database);
    const double t = Seconds(start);
    state.SetIterationTime(t);
    load += t;
    floor += LoadFloorSeconds(album.database);
  }
  state.counters["records"] = library.count();
  state.counters["ratio_to_read_and_rc4"] = load / floor;
}
BENCHMARK(BM_LoadAlbum)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SaveAlbum(benchmark::State& state) {
  Album& album = TheAlbum();
  const std::string plain(albumdb::kHeaderBytes + kRecords * albumdb::kEntryBytes, 'x');
  const Cp932String floorTarget = album.root + "/floor.dat";
  double save = 0, floor = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    album.library.SaveAlbum();
    const double t = Seconds(start);
    state.SetIterationTime(t);
    save += t;
    floor += SaveFloorSeconds(plain, floorTarget);
  }
  state.counters["ratio_to_rc4_and_write"] = save / floor;
}
BENCHMARK(BM_SaveAlbum)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SearchTwoNameKeywords(benchmark::State& state) {
  Album& album = TheAlbum();
  SearchCriteria c;
  c.tests = SearchCriteria::kName | SearchCriteria::kKind | SearchCriteria::kSetAside;
  c.kindMask = 0x20006;
  std::strcpy(c.nameKeywords, "Beach, mountain");
  size_t hits = 0;
  for (auto _ : state) hits = album.library.Search(c)->items().size();
  state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK(BM_SearchTwoNameKeywords)->Unit(benchmark::kMicrosecond);

void BM_SearchDateRange(benchmark::State& state) {
  Album& album = TheAlbum();
  SearchCriteria c;
  c.tests = SearchCriteria::kDate | SearchCriteria::kKind | SearchCriteria::kSetAside;
  c.kindMask = 7;
  const int16_t from[3] = {2010, 3, 1}, to[3] = {2015, 8, 31};
  std::memcpy(c.earliest, from, sizeof from);
  std::memcpy(c.latest, to, sizeof to);
  size_t hits = 0;
  for (auto _ : state) hits = album.library.Search(c)->items().size();
  state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK(BM_SearchDateRange)->Unit(benchmark::kMicrosecond);

void BM_Recount(benchmark::State& state) {
  Album& album = TheAlbum();
  for (auto _ : state) album.library.Recount();
  state.counters["years"] = static_cast<double>(album.library.yearTallies().nodes.size());
}
BENCHMARK(BM_Recount)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
