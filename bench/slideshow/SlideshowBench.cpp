// The preview's speed, in processor time of this thread: a 12-megapixel photo painted in a
// 770 x 594 preview against decoding the same file for that box alone, a step to a photo
// read ahead, and the frames each transition composes per second at 770 x 594.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "bench/BenchTiming.h"
#include "bench/images/BenchPhotos.h"
#include "images/CImageItem.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/TransitionEffects.h"
#include "platform/win/WindowWidget.h"
#include "slideshow/CCtrlImagePreview.h"
#include "slideshow/CDlgImagePreview.h"

namespace {

using bench::CpuSeconds;
using bench::Median;
using bench::Time;

constexpr int kWidth = 770, kHeight = 594;
constexpr int kCellWidth = kWidth - CDlgImagePreview::kButtonColumn;

struct Preview {
  CWnd window;
  CCtrlImagePreview cell;
  Preview() {
    window.Create("preview", 0, RECT{0, 0, kWidth, kHeight}, nullptr);
    cell.Create(&window, CCtrlImagePreview::kFirstId);
    cell.MoveWindow(0, 0, kCellWidth, kHeight);
    cell.SetBoxSize(kCellWidth, kHeight);
    window.ShowWindow(SW_SHOW);
    cell.ShowWindow(SW_SHOW);
    QApplication::processEvents();
  }
  // What a step does: the new item, its decode (a cache hit when read ahead) and the paint.
  void Show(CImageItem* item) {
    cell.SetItem(item);
    cell.Decode();
    // grab() runs the cell's paint into a picture whether or not a screen shows it.
    cell.widget()->grab();
  }
};

void OpenLargePhoto(Preview& preview, CPhotoItem& record, CImageItem& item) {
  std::vector<double> painted, alone;
  for (int run = 0; run < 7; ++run) {
    record.Free(true);
    painted.push_back(Time([&] { preview.Show(&item); }));
    CLBitmap bare;
    alone.push_back(Time([&] { bare.Load(record.path(), kCellWidth, kHeight, nullptr, false); }));
  }
  std::printf(
      "12-megapixel photo in the preview (%d x %d): painted %.1f ms, scaled decode alone %.1f "
      "ms; ratio %.2fx (goal <= 1.15x)\n",
      kCellWidth, kHeight, Median(painted) * 1e3, Median(alone) * 1e3,
      Median(painted) / Median(alone));
}

void StepToReadAhead(Preview& preview, std::vector<CImageItem*>& items) {
  std::vector<double> steps;
  for (int run = 0; run < 20; ++run) {
    CImageItem* next = items[static_cast<size_t>(run % 2 == 0 ? 1 : 0)];
    CCtrlImagePreview::DecodeFor(*next->record(), kCellWidth, kHeight, 100, false);
    steps.push_back(Time([&] { preview.Show(next); }));
  }
  std::printf("step to a photo read ahead: painted in %.2f ms (goal < 16 ms)\n",
              Median(steps) * 1e3);
}

void Transitions() {
  const QImage a = benchphotos::Generate(kWidth, kHeight, 7),
               b = benchphotos::Generate(kWidth, kHeight, 8);
  const gdi::ImageView before{a.constBits(), kWidth, kHeight, static_cast<int>(a.bytesPerLine()),
                              false};
  const gdi::ImageView after{b.constBits(), kWidth, kHeight, static_cast<int>(b.bytesPerLine()),
                             false};
  auto dc = CDC::CreateMemory(kWidth, kHeight);
  constexpr int kFrames = 100;
  for (int code : {gdi::kEffectWipeIn, gdi::kEffectDissolve, gdi::kEffectRoll, gdi::kEffectSlideOut,
                   gdi::kEffectPush, gdi::kEffectDrip}) {
    const double seconds = Time([&] {
      for (int i = 0; i < kFrames; ++i)
        gdi::DrawEffectFrame(*dc, before, after, RECT{0, 0, kWidth, kHeight}, code,
                             static_cast<double>(i % 25) / 25.0);
    });
    std::printf("transition %5d: %.0f frames a second at %d x %d (goal >= 60)\n", code,
                kFrames / seconds, kWidth, kHeight);
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const std::vector<std::string> photos = benchphotos::Photos();
  CPhotoItem large, second;
  large.SetPath(photos[0], false);
  second.SetPath(photos[1], false);
  large.SetFlags(4);
  second.SetFlags(4);
  CImageItem largeItem(&large), secondItem(&second);
  std::vector<CImageItem*> items{&largeItem, &secondItem};
  Preview preview;
  OpenLargePhoto(preview, large, largeItem);
  StepToReadAhead(preview, items);
  Transitions();
  return 0;
}
