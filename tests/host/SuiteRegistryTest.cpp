#include "host/SuiteRegistry.h"

#include <gtest/gtest.h>

#include "platform/power/Power.h"
#include "tests/support/FakeHost.h"

using namespace suite;

namespace {

class SuiteRegistryTest : public testing::Test {
 protected:
  void SetUp() override { SetContext(&suite_.context); }
  void TearDown() override { SetContext(nullptr); }

  // Reads the execution state without changing it.
  static DWORD ExecutionState() {
    const DWORD state = SetThreadExecutionState(ES_CONTINUOUS);
    SetThreadExecutionState(state);
    return state;
  }

  FakeSuite suite_;
};

}  // namespace

TEST_F(SuiteRegistryTest, RefusesAPhoneKindHeldByAnotherModuleWithoutAskingTheHost) {
  ASSERT_EQ(BeginOperation(1, kKindPhone, 0, 0, 0), 1);
  const int asked = suite_.host.Count(kHostMsgMayStartPhone);
  EXPECT_EQ(BeginOperation(kAlbumModule, kKindPhone, 0, 0, 0), 0);
  EXPECT_EQ(BeginOperation(kAlbumModule, 3, 0, 0, 0), 0);
  EXPECT_EQ(suite_.host.Count(kHostMsgMayStartPhone), asked);
  EXPECT_EQ(suite_.Entries(), 1);
}

TEST_F(SuiteRegistryTest, StartsAPhoneOperationOnlyWhenTheHostAnswersExactlyOne) {
  for (LRESULT answer : {0, 2, -1}) {
    suite_.host.permissionAnswer = answer;
    EXPECT_EQ(BeginOperation(kAlbumModule, kKindPhone, 0, 0, 0), 0) << answer;
  }
  suite_.host.permissionAnswer = 1;
  EXPECT_EQ(BeginOperation(kAlbumModule, kKindPhone, 0, 0, 77), 1);
  const auto& last = suite_.host.received.back();
  EXPECT_EQ(last.w, 1u);
  EXPECT_EQ(last.l, 77);
  EXPECT_EQ(suite_.context.moduleState[kAlbumModule], 1);
}

TEST_F(SuiteRegistryTest, NestedKeepAwakeEntriesHoldTheStateUntilTheLastEnds) {
  const DWORD before = ExecutionState();
  ASSERT_EQ(BeginOperation(kAlbumModule, kKindMessageBox, 1, 0, 0), 1);
  EXPECT_EQ(ExecutionState(), ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
  ASSERT_EQ(BeginOperation(kAlbumModule, kKindMessageBox, 1, 0, 0), 1);
  EXPECT_EQ(suite_.Entries(), 2);
  ASSERT_EQ(EndOperation(kAlbumModule, kKindMessageBox, 0), 1);
  EXPECT_EQ(ExecutionState(), ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
  ASSERT_EQ(EndOperation(kAlbumModule, kKindMessageBox, 0), 1);
  EXPECT_EQ(ExecutionState(), before);
  EXPECT_EQ(suite_.context.moduleState[kAlbumModule], 0);
}

TEST_F(SuiteRegistryTest, EndingAnotherModulesPhoneOperationFailsWith601AndKeepsIt) {
  ASSERT_EQ(BeginOperation(3, kKindPhone, 0, 0, 0), 1);
  EXPECT_EQ(EndOperation(kAlbumModule, kKindPhone, 1), 0);
  EXPECT_EQ(suite_.error.code, kErrorPhoneNotRegistered);
  EXPECT_EQ(suite_.error.module, kAlbumModule);
  EXPECT_EQ(suite_.Entries(), 1);
  EXPECT_EQ(EndOperation(3, kKindPhone, 1), 1);
  EXPECT_EQ(suite_.host.Count(kHostMsgPhoneEnded), 1);
  EXPECT_EQ(EndOperation(kAlbumModule, kKindPhone, 0), 0);
}

TEST_F(SuiteRegistryTest, EndingANonPhoneKindThatIsNotThereFailsSilently) {
  EXPECT_EQ(EndOperation(kAlbumModule, kKindAlbumFiles, 1), 0);
  EXPECT_EQ(suite_.error.code, 0);
}

TEST_F(SuiteRegistryTest, ReportsTheNewestPhoneOperationAndError600WhenAsked) {
  EXPECT_EQ(GetRunningPhoneOperation(1), 0);
  ASSERT_EQ(BeginOperation(1, 2, 0, 0, 0), 1);
  EXPECT_EQ(GetRunningPhoneOperation(0), 2 * 65536 + 1);
  EXPECT_EQ(suite_.error.code, 0);
  EXPECT_EQ(GetRunningPhoneOperation(1), 2 * 65536 + 1);
  EXPECT_EQ(suite_.error.code, kErrorPhoneBusy);
}

TEST_F(SuiteRegistryTest, FileAccessModeMinusOneReadsAsOneAndIsStored) {
  suite_.context.fileAccessMode = -1;
  EXPECT_EQ(GetFileAccessMode(), 1);
  EXPECT_EQ(suite_.context.fileAccessMode, 1);
  suite_.context.fileAccessMode = 0;
  EXPECT_EQ(GetFileAccessMode(), 0);
}

TEST_F(SuiteRegistryTest, HostMessagesCarryTheAlbumsModuleNumber) {
  ASSERT_TRUE(PostAlbumChanged(1));
  ASSERT_TRUE(PostCalendarChanged(3));
  PumpMessages();
  ASSERT_EQ(suite_.host.Count(kHostMsgAlbumChanged), 1);
  for (const auto& r : suite_.host.received) {
    if (r.message == kHostMsgAlbumChanged) {
      EXPECT_EQ(r.w, 65536u + 2);
    }
    if (r.message == kHostMsgCalendarChanged) {
      EXPECT_EQ(r.w, 3u * 65536 + 2);
    }
  }
  EXPECT_TRUE(SetHostStatusText("abc", 0));
  EXPECT_EQ(suite_.host.statusTexts.back(), "abc");
  suite_.host.phoneConnected = 1;
  EXPECT_EQ(IsPhoneConnected(), 1);
}

TEST_F(SuiteRegistryTest, AMissingHostWindowMakesMessagesNoOpsAndTheStatusTextAnError) {
  suite_.host.DestroyWindow();
  EXPECT_FALSE(SetHostStatusText("abc", 0));
  EXPECT_EQ(suite_.error.code, kErrorNoHostWindow);
  EXPECT_EQ(IsPhoneConnected(), -1);
  EXPECT_FALSE(PostAlbumChanged(1));
  EXPECT_EQ(BeginOperation(kAlbumModule, kKindPhone, 0, 0, 0), 0);
}

TEST_F(SuiteRegistryTest, PhoneIsBlockedWhileTheHostIsNotReady) {
  Cp932String message = "old";
  suite_.context.hostReady = 0;
  EXPECT_TRUE(IsPhoneBlocked("x", &message));
  EXPECT_TRUE(message.empty());
  suite_.context.hostReady = 1;
  EXPECT_FALSE(IsPhoneBlocked("x", &message));
}

TEST(SuiteRegistryWithoutContext, EveryOperationGivesItsNothingValue) {
  SetContext(nullptr);
  Cp932String message;
  EXPECT_EQ(BeginOperation(kAlbumModule, kKindMessageBox, 1, 1, 0), 0);
  EXPECT_EQ(EndOperation(kAlbumModule, kKindMessageBox, 1), 0);
  EXPECT_EQ(GetRunningPhoneOperation(1), -1);
  EXPECT_FALSE(IsPhoneBlocked("x", &message));
  EXPECT_EQ(IsPhoneConnected(), -1);
  EXPECT_FALSE(SetHostStatusText("abc", 0));
  EXPECT_FALSE(PostAlbumChanged(1));
  EXPECT_EQ(EnableHostWindow1(true), 1);
  EXPECT_EQ(GetFileAccessMode(), 1);
  ReportError(5, 0, 0, {}, 1);
}

TEST_F(SuiteRegistryTest, ALongErrorTextIsCutOnACharacterBoundary) {
  Cp932String text;
  for (int i = 0; i < 150; ++i) text += cp932::Lit("あ");  // 300 bytes
  ReportError(kErrorUserNameRefused, 0, 0, text, 1);
  const std::string stored(suite_.error.text);
  EXPECT_EQ(stored.size(), 254u);
  EXPECT_TRUE(cp932::ToUtf8(stored).has_value());
}
