#include <gtest/gtest.h>

#include "platform/power/Power.h"

namespace {

// The state belongs to the process, so each test leaves it as it found it: continuous.
TEST(Power, StartsContinuousAndReturnsThePreviousState) {
  EXPECT_EQ(SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED), ES_CONTINUOUS);
  EXPECT_EQ(SetThreadExecutionState(ES_CONTINUOUS), ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
  EXPECT_FALSE(power::IsInhibitorHeld()) << "continuous alone gives the inhibitor back";
}

TEST(Power, KeepsTheStateForAOneTimeRequest) {
  EXPECT_EQ(SetThreadExecutionState(ES_SYSTEM_REQUIRED), ES_CONTINUOUS);
  EXPECT_EQ(SetThreadExecutionState(ES_CONTINUOUS), ES_CONTINUOUS);
}

TEST(Power, RefusesUnknownFlagsAndChangesNothing) {
  EXPECT_EQ(SetThreadExecutionState(ES_CONTINUOUS | 0x100), 0u);
  EXPECT_EQ(SetThreadExecutionState(ES_CONTINUOUS), ES_CONTINUOUS);
}

}  // namespace
