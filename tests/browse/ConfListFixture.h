// The confirmation list's tests: photo records on a fresh album, a dialog run through the
// responder, and the dialog's controls found by their ids.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "browse/CDlgConfList.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/QtBridge.h"
#include "tests/support/AlbumFixture.h"

// The window's control with that id, when it is of that kind.
template <class Kind>
Kind* Child(CWnd& window, UINT id) {
  for (QWidget* w : QtBridge::WidgetOf(&window)->findChildren<QWidget*>()) {
    auto* child = dynamic_cast<WindowWidget*>(w);
    if (child != nullptr && child->owner() != nullptr && child->owner()->GetDlgCtrlID() == id)
      return dynamic_cast<Kind*>(child->owner());
  }
  return nullptr;
}

class ConfListFixture : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
  }
  void TearDown() override {
    TheApp().SetMainWindow(nullptr);
    AlbumFixture::TearDown();
  }

  // A photo record named after its file, with a source name and a shooting time.
  CImageItem* Photo(const std::string& fileName, const std::string& sourceName = "",
                    uint16_t year = 2024, uint16_t month = 5, uint16_t day = 7, uint16_t hour = 9) {
    auto record = std::make_unique<CPhotoItem>();
    record->SetFlags(4);
    record->SetPath(temp_.file(fileName), false);
    record->SetSourceName(cp932::Lit(sourceName));
    record->SetDate(year, month, day);
    record->SetTime(hour, 0, 0);
    items_.push_back(std::make_unique<CImageItem>(record.get()));
    records_.push_back(std::move(record));
    return items_.back().get();
  }

  // Runs the dialog with the steps given in place of a person; its result.
  static intptr_t Run(CDlgConfList& dialog, const std::function<void(CDlgConfList&)>& steps) {
    win::SetDialogResponder([&](CDialog& shown) -> intptr_t {
      steps(static_cast<CDlgConfList&>(shown));
      return IDCANCEL;
    });
    return dialog.DoModal();
  }

  // The rows' texts of a column, top to bottom, in UTF-8.
  static std::vector<std::string> Column(CDlgConfList& dialog, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < dialog.list()->GetItemCount(); ++row)
      texts.push_back(cp932::ToUtf8Lossy(dialog.list()->GetItemText(row, column)));
    return texts;
  }

  // The dialog as it is drawn; kept as a PNG file in HARBO_SHOT_DIR when that is set.
  static QImage Picture(CDlgConfList& dialog, const char* name) {
    const QImage image = QtBridge::WidgetOf(&dialog)->grab().toImage();
    if (const char* folder = std::getenv("HARBO_SHOT_DIR"))
      image.save(QString::fromUtf8(folder) + "/" + name + ".png");
    return image;
  }

  std::vector<std::unique_ptr<CPhotoItem>> records_;
  std::vector<std::unique_ptr<CImageItem>> items_;
};
