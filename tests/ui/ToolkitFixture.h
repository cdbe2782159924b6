// Windows of the toolkit in a top-level parent that records the commands it is sent, with
// the drawing resources set from a shipped colour scheme, and pictures of windows read back.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/fileio/FileIo.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/QtBridge.h"
#include "platform/win/SplitterWnd.h"
#include "platform/win/Wnd.h"
#include "ui/CDrawObject.h"
#include "ui/Skin.h"

// A window that keeps every message of the given kind it is sent.
class MessageLog : public CWnd {
 public:
  explicit MessageLog(UINT kind = WM_COMMAND) : kind_(kind) {}
  struct Entry {
    WPARAM w;
    LPARAM l;
  };
  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == kind_) entries.push_back({w, l});
    return CWnd::WindowProc(message, w, l);
  }
  std::vector<Entry> entries;

 private:
  UINT kind_;
};

class ToolkitTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(parent_.Create("parent", 0, RECT{0, 0, 600, 400}, nullptr)); }
  void TearDown() override { skin::Draw().Clear(); }

  // Applies the shipped scheme colorN.dat to the application's drawing resources.
  static void ApplySample(int number) {
    const std::filesystem::path root =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    const auto path = root / "sample" / "Users" / ("color" + std::to_string(number) + ".dat");
    const std::optional<std::string> text = fileio::ReadFile(path.string());
    ASSERT_TRUE(text) << path;
    skin::Draw().Clear();
    skin::Draw().ApplyText(*text);
  }
  static COLORREF Colour(int32_t index) { return skin::Draw().GetColor(index); }

  // A visible pane made in the splitter's cell.
  static void MakePane(CSplitterWnd& splitter, CWnd& pane, int row, int column) {
    ASSERT_TRUE(pane.Create("pane", WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, &splitter,
                            splitter.IdFromRowCol(row, column)));
    splitter.SetPane(row, column, &pane);
  }

  // The window as the toolkit paints it, children included.
  static QImage Picture(CWnd& window) {
    return QtBridge::WidgetOf(&window)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // Keeps a picture for a person to look at when HARBO_PICTURES names a folder.
  static void Keep(const QImage& picture, const std::string& name) {
    if (const char* folder = std::getenv("HARBO_PICTURES"))
      picture.save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
  }
  static COLORREF At(const QImage& picture, int x, int y) {
    const QRgb c = picture.pixel(x, y);
    return RGB(static_cast<BYTE>(qRed(c)), static_cast<BYTE>(qGreen(c)),
               static_cast<BYTE>(qBlue(c)));
  }

  MessageLog parent_;
};

// Whether some pixel of the area is the colour within a small tolerance (text is smoothed,
// so only the cores of its strokes have the text colour itself).
template <class PixelAt>
bool HasColour(PixelAt at, RECT area, COLORREF colour, int tolerance = 12) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF c = at(x, y);
      if (std::abs(GetRValue(c) - GetRValue(colour)) <= tolerance &&
          std::abs(GetGValue(c) - GetGValue(colour)) <= tolerance &&
          std::abs(GetBValue(c) - GetBValue(colour)) <= tolerance)
        return true;
    }
  return false;
}
