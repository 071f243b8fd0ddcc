#include <gtest/gtest.h>

#include "app/HostRules.h"

namespace {

TEST(HostRules, OnlyShowWithoutCompletedTuningOpensTheMainWindow) {
    EXPECT_TRUE(OpensMainWindowAtStart(1, 0));
    EXPECT_TRUE(OpensMainWindowAtStart(5, 2)); // any other "Has Tuned" than 1
    EXPECT_FALSE(OpensMainWindowAtStart(1, 1));
    EXPECT_FALSE(OpensMainWindowAtStart(0, 0));
    EXPECT_FALSE(OpensMainWindowAtStart(0, 1));
}

} // namespace
