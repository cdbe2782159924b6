// The item set over 10,000 photos: sorting by each key against std::stable_sort of the bare
// keys (goal: within 1.5x), the layout against a bare loop placing as many cells, and one
// screen of 160-pixel thumbnails drawn from a warm cache against painting the same
// pictures alone. Each prints its ratio at the end, in processor time, since the machine
// may be shared.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/images/BenchPhotos.h"
#include "bench/images/BenchResults.h"
#include "images/CImageItems.h"
#include "images/CLBmpCashList.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CDCBridge.h"
#include "platform/text/Cp932.h"

namespace {

constexpr int kItems = 10000;
constexpr int kScreenWidth = 1000, kScreenHeight = 700;

// 10,000 records as an album holds them: names in both letter cases, some in Japanese, a
// few dates unknown, sizes of photos and movies, short memos.
struct Library {
  std::vector<std::unique_ptr<CPhotoItem>> records;

  Library() {
    static const char* const kWords[] = {"Beach", "mountain", "FAMILY", "city", "Garden", "dsc"};
    const Cp932String japanese = cp932::Lit("夏休み");
    QRandomGenerator random(42);
    for (int i = 0; i < kItems; ++i) {
      auto& r = records.emplace_back(std::make_unique<CPhotoItem>());
      const uint32_t n = random.generate();
      Cp932String title = (n % 7 == 0 ? japanese : Cp932String(kWords[n % 6])) + "_" +
                          std::to_string(random.bounded(5000));
      r->SetPath("/album/2024/5/" + title + ".jpg", false);
      if (n % 50 != 0) {
        r->SetDate(static_cast<uint16_t>(2000 + random.bounded(25)),
                   static_cast<uint16_t>(1 + random.bounded(12)),
                   static_cast<uint16_t>(1 + random.bounded(28)));
        r->SetTime(static_cast<uint16_t>(random.bounded(24)),
                   static_cast<uint16_t>(random.bounded(60)), 0);
      }
      r->SetSize(static_cast<int32_t>(random.bounded(100000, 6000000)));
      if (n % 3 == 0) r->SetMemo(n % 2 ? cp932::Lit("海で泳いだ") : Cp932String("picnic day"));
    }
  }
};

const Library& Photos() {
  static const Library library;
  return library;
}

std::unique_ptr<CImageItems> SetOfAll() {
  auto set = std::make_unique<CImageItems>(true);
  for (const auto& r : Photos().records) set->AddRecord(r.get());
  return set;
}

// The keys as a bare sort would see them: texts as they are, the date above the time.
template <class Key>
std::vector<Key> BareKeys(int32_t key) {
  std::vector<Key> keys;
  for (const auto& r : Photos().records) {
    if constexpr (std::is_same_v<Key, std::string>)
      keys.push_back(key == CImageItems::kSortName ? r->title() : r->memo());
    else if constexpr (std::is_same_v<Key, uint64_t>)
      keys.push_back((uint64_t{static_cast<uint32_t>(r->DateNumber())} << 32) |
                     static_cast<uint32_t>(r->TimeNumber()));
    else
      keys.push_back(static_cast<uint32_t>(r->size()));
  }
  return keys;
}

void BM_ItemSetSort(benchmark::State& state) {
  const auto key = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto set = SetOfAll();
    state.ResumeTiming();
    benchmark::DoNotOptimize(set->Sort(key));
    state.PauseTiming();
    set.reset();
    state.ResumeTiming();
  }
}

template <class Key>
void BareSort(benchmark::State& state) {
  const auto key = static_cast<int32_t>(state.range(0));
  const std::vector<Key> unsorted = BareKeys<Key>(key);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<Key> keys = unsorted;
    state.ResumeTiming();
    std::stable_sort(keys.begin(), keys.end());
    benchmark::DoNotOptimize(keys.data());
  }
}

void BM_BareKeySort(benchmark::State& state) {
  switch (state.range(0)) {
    case CImageItems::kSortDate:
      return BareSort<uint64_t>(state);
    case CImageItems::kSortSize:
      return BareSort<uint32_t>(state);
    default:
      return BareSort<std::string>(state);
  }
}

BENCHMARK(BM_ItemSetSort)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareKeySort)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

void BM_ItemSetLayout(benchmark::State& state) {
  auto set = SetOfAll();
  for (auto _ : state) set->Layout(kScreenWidth);
  benchmark::DoNotOptimize(set->totalHeight());
}

// The floor of a layout: as many cells placed by the same arithmetic into a bare array.
void BM_BareCellPlacement(benchmark::State& state) {
  std::vector<POINT> cells(kItems);
  const int columns = 3, width = 288, height = 198;
  for (auto _ : state) {
    for (int i = 0; i < kItems; ++i) cells[i] = POINT{i % columns * width, i / columns * height};
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_ItemSetLayout)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareCellPlacement)->Unit(benchmark::kMicrosecond);

// A screen's worth of photos (160-pixel thumbnails with every caption) with memos.
struct Screen {
  std::vector<std::unique_ptr<CPhotoItem>> records;
  CImageItems set;
  std::unique_ptr<CDC> dc = CDC::CreateMemory(kScreenWidth, kScreenHeight);

  Screen() {
    const auto photos = benchphotos::Photos();
    for (size_t i = 100; i < 124; ++i) {
      auto& r = records.emplace_back(std::make_unique<CPhotoItem>());
      r->SetPath(photos[i], false);
      r->SetFlags(4);
      r->SetDate(2024, 5, static_cast<uint16_t>(i % 28 + 1));
      r->SetMemo(cp932::Lit("海で泳いだ。とても楽しかった！\r\nまた来年も行きたい。"));
      if (i % 4 == 0) r->SetFavourites(1);
      set.AddRecord(r.get());
    }
    set.SetImageSize(160);
    set.Layout(kScreenWidth);
  }
  int Draw() { return set.Draw(*dc, RECT{0, 0, kScreenWidth, kScreenHeight}, 0); }
};

Screen& TheScreen() {
  static Screen screen;
  return screen;
}

void BM_DrawScreenFromWarmCache(benchmark::State& state) {
  Screen& screen = TheScreen();
  int drawn = screen.Draw();
  for (auto _ : state) drawn = screen.Draw();
  state.counters["items"] = drawn;
}

// The floor of a screen: the same decoded pictures painted at the same places.
void BM_PaintSamePicturesAlone(benchmark::State& state) {
  Screen& screen = TheScreen();
  const int drawn = screen.Draw();
  std::vector<std::pair<QImage, QRect>> pictures;
  for (int i = 0; i < drawn; ++i) {
    const CImageItem* item = screen.set.At(i);
    const ItemParts parts = screen.set.style().PartRects(item->x(), item->y());
    const RECT box = CImageStyle3::PictureBox(parts.picture, false);
    pictures.emplace_back(gdi::ImageOf(*screen.dc)->copy(gdi::ToQRect(box)), gdi::ToQRect(box));
  }
  auto dc = CDC::CreateMemory(kScreenWidth, kScreenHeight);
  QPainter* painter = gdi::PainterOf(*dc);
  for (auto _ : state)
    for (const auto& [image, rect] : pictures) painter->drawImage(rect, image);
}

BENCHMARK(BM_DrawScreenFromWarmCache)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintSamePicturesAlone)->Unit(benchmark::kMicrosecond);

}  // namespace

void PrintItemSetRatios() {
  const auto Find = [](const std::string& name) { return benchresults::Find(name, true); };
  static const char* const kKeys[] = {"", "name", "date", "size", "memo"};
  for (int key = 1; key <= 4; ++key) {
    const double album = Find("BM_ItemSetSort/" + std::to_string(key));
    const double bare = Find("BM_BareKeySort/" + std::to_string(key));
    if (album <= 0 || bare <= 0) continue;
    std::printf(
        "sort 10,000 items by %s: %.3f ms cpu, bare keys %.3f ms, ratio %.2fx (goal <= 1.5x)\n",
        kKeys[key], album * 1e3, bare * 1e3, album / bare);
  }
  const double layout = Find("BM_ItemSetLayout"), cells = Find("BM_BareCellPlacement");
  if (layout > 0 && cells > 0)
    std::printf("layout of 10,000 items: %.1f us, bare placement %.1f us, ratio %.2fx\n",
                layout * 1e6, cells * 1e6, layout / cells);
  const double screen = Find("BM_DrawScreenFromWarmCache"),
               alone = Find("BM_PaintSamePicturesAlone");
  if (screen > 0 && alone > 0)
    std::printf(
        "one %dx%d screen of 160-pixel thumbnails from a warm cache: %.2f ms, the pictures "
        "alone %.2f ms, ratio %.2fx\n",
        kScreenWidth, kScreenHeight, screen * 1e3, alone * 1e3, screen / alone);
}
