// The frame's print style command opens the style list on the user's styles, started from
// the built-in set on first use, and a deletion there is kept in the registry.
#include <gtest/gtest.h>

#include "host/CMainFrame.h"
#include "platform/win/ListCtrl.h"
#include "print/CDlgPrintFormatList.h"
#include "print/CPrintFormats.h"
#include "resources/CommandIds.h"
#include "resources/PrintStyleDialogs.h"
#include "tests/print/StyleDialogFixture.h"

namespace {

class PrintStylesCommand : public StyleDialogFixture {
 protected:
  void TearDown() override {
    if (CMainFrame* frame = MainFrame()) frame->DestroyWindow();
    StyleDialogFixture::TearDown();
  }
};

TEST_F(PrintStylesCommand, OpensTheListOnTheUsersStylesAndKeepsWhatItChanges) {
  TheApp().OpenUserAlbum();
  CMainFrame::Install(std::make_unique<CMainFrame>(), &suite_.host, RECT{0, 0, 800, 600});
  std::vector<int> rows;
  win::SetDialogResponder([&](CDialog& d) -> intptr_t {
    auto& list = dynamic_cast<CDlgPrintFormatList&>(d);
    rows.push_back(list.list()->GetItemCount());
    list.list()->SelectItem(0);
    list.SendMessage(WM_COMMAND, MAKEWPARAM(res::kControlStyleDelete, BN_CLICKED), 0);
    list.SendMessage(WM_COMMAND, IDCANCEL, 0);
    return IDCANCEL;
  });
  for (int i = 0; i < 2; ++i) MainFrame()->SendMessage(WM_COMMAND, cmd::kPrintStyles, 0);
  EXPECT_EQ(rows,
            (std::vector<int>{CPrintFormats::kBuiltInCount, CPrintFormats::kBuiltInCount - 1}));
  CPrintFormats stored;
  ASSERT_TRUE(stored.LoadList());
  EXPECT_EQ(stored.count(), CPrintFormats::kBuiltInCount - 2);
}

}  // namespace
