// The library over 10,000 records: loading and saving the database against the floor of
// reading (or writing) the same bytes and running RC4 over them, searching, and the
// tallies. Searches are built as the search dialog builds them and timed against a plain
// memmem loop over the titles. Each timing benchmark prints its ratio to the floor measured in the
// same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "bench/BenchAlbum.h"
#include "browse/SearchConditions.h"
#include "host/CHarboPhotoApp.h"
#include "library/AlbumDatabase.h"
#include "library/CPhotoManager.h"
#include "platform/crypto/Rc4.h"
#include "platform/fileio/FileIo.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 10000;

// A user album of 10,000 photos with a saved database, made once for every benchmark.
struct Album {
  benchalbum::TempAlbum temp{"/tmp/harbo-bench-XXXXXX"};
  CPhotoManager library;
  Cp932String database;

  Album() {
    TheApp().MakeAlbumFolder();
    Fill();
    database = TheApp().DatabasePath();
    library.SetDatabasePath(database);
    library.SaveAlbum();
  }

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
  const Cp932String floorTarget = album.temp.root + "/floor.dat";
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

// The reference: a plain loop over the titles looking for the two keywords with memmem,
// collecting the records that have either.
double MemmemLoopSeconds(const CPhotoManager& library, size_t* hits) {
  const auto start = Clock::now();
  std::vector<const CPhotoItem*> found;
  for (const CPhotoItem* item : library.items()) {
    const Cp932String& title = item->title();
    if (memmem(title.data(), title.size(), "beach", 5) != nullptr ||
        memmem(title.data(), title.size(), "mountain", 8) != nullptr)
      found.push_back(item);
  }
  *hits = found.size();
  benchmark::DoNotOptimize(found.data());
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A search as the search dialog builds it, timed against the memmem loop in the same run.
void RunDialogSearch(benchmark::State& state, search::Conditions conditions) {
  Album& album = TheAlbum();
  search::Histories histories;
  SearchCriteria criteria;
  if (search::Build(conditions, search::Date{2026, 12, 7}, histories, &criteria)) {
    state.SkipWithError("the conditions were refused");
    return;
  }
  double searching = 0, reference = 0;
  size_t hits = 0, referenceHits = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    hits = album.library.Search(criteria)->items().size();
    const double t = std::chrono::duration<double>(Clock::now() - start).count();
    state.SetIterationTime(t);
    searching += t;
    reference += MemmemLoopSeconds(album.library, &referenceHits);
  }
  state.counters["hits"] = static_cast<double>(hits);
  state.counters["memmem_hits"] = static_cast<double>(referenceHits);
  state.counters["ratio_to_memmem_loop"] = searching / reference;
}

void BM_SearchTwoNameKeywords(benchmark::State& state) {
  search::Conditions c;
  c.name = true;
  c.nameText = "Beach, mountain";
  RunDialogSearch(state, c);
}
BENCHMARK(BM_SearchTwoNameKeywords)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_SearchDateRange(benchmark::State& state) {
  search::Conditions c;
  c.name = false;
  c.date = true;
  c.dateType = search::kGivenDates;
  c.dateTerm = search::kBetween;
  c.first = search::Date{2015, 8, 31};
  c.second = search::Date{2010, 3, 1};
  RunDialogSearch(state, c);
}
BENCHMARK(BM_SearchDateRange)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_Recount(benchmark::State& state) {
  Album& album = TheAlbum();
  for (auto _ : state) album.library.Recount();
  state.counters["years"] = static_cast<double>(album.library.yearTallies().nodes.size());
}
BENCHMARK(BM_Recount)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
