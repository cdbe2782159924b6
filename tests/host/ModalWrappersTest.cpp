#include <gtest/gtest.h>

#include "host/CCDialogExPh.h"
#include "tests/support/AlbumFixture.h"

namespace {

class ModalWrappers : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
  }
};

// The kinds registered in the suite at the moment of the call.
std::vector<int32_t> RegisteredKinds(const SuiteContext& context) {
  std::vector<int32_t> kinds;
  for (auto* e = context.operationsHead; e != nullptr; e = e->next) kinds.push_back(e->kind);
  return kinds;
}

}  // namespace

TEST_F(ModalWrappers, AMessageBoxIsAKeepAwakeOperationOfKind5WhileItIsShown) {
  std::vector<int32_t> during;
  HWND owner = nullptr;
  win::SetMessageBoxResponder([&](const win::MessageBoxRequest& r) {
    during = RegisteredKinds(suite_.context);
    owner = r.owner;
    EXPECT_EQ(r.caption, "Harbo Suite アルバム");
    EXPECT_EQ(r.text, "写真がありません。");
    return IDYES;
  });
  EXPECT_EQ(AlbumMessageBox(cp932::Lit("写真がありません。"), MB_YESNO | MB_ICONQUESTION), IDYES);
  EXPECT_EQ(during, std::vector<int32_t>{suite::kKindMessageBox});
  EXPECT_EQ(owner, &suite_.host);
  EXPECT_EQ(suite_.Entries(), 0);
}

TEST_F(ModalWrappers, WithoutASuiteContextNoBoxIsShown) {
  suite::SetContext(nullptr);
  EXPECT_EQ(AlbumMessageBox("x", MB_OK), 0);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(ModalWrappers, ADialogRunsAsAnOperationOfKind4AndEndsItOnEveryPath) {
  std::vector<int32_t> during;
  win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
    during = RegisteredKinds(suite_.context);
    dialog.EndDialog(IDOK);
    return 0;
  });
  CCDialogExPh dialog(24030, &suite_.host);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(during, std::vector<int32_t>{suite::kKindModalDialog});
  EXPECT_EQ(suite_.Entries(), 0);
  // A responder that only answers gives its answer.
  win::SetDialogResponder([](CDialog&) -> intptr_t { return IDCANCEL; });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(suite_.Entries(), 0);
}

TEST_F(ModalWrappers, ADialogWithoutASuiteContextIsNotShown) {
  int shown = 0;
  win::SetDialogResponder([&](CDialog&) -> intptr_t { return ++shown; });
  suite::SetContext(nullptr);
  CCDialogExPh dialog(24030, &suite_.host);
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_EQ(shown, 0);
}
