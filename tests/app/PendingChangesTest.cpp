#include <gtest/gtest.h>

#include "app/CPendingChanges.h"

namespace {

using B = CPendingChanges;

TEST(PendingChanges, CountsChangesAndReturnsAndDecidesTheButtons) {
    CPendingChanges changes;
    // One change and its return: both buttons end disabled.
    B::Buttons b = changes.Notify(1, 1, 0);
    EXPECT_EQ(b.apply, B::kEnable);
    EXPECT_EQ(b.cancel, B::kEnable);
    b = changes.Notify(0, 1, 0);
    EXPECT_EQ(b.apply, B::kDisable);
    EXPECT_EQ(b.cancel, B::kDisable);
    EXPECT_EQ(changes.Count(), 0);

    // A return with nothing counted never goes below zero.
    b = changes.Notify(0, 1, 0);
    EXPECT_EQ(b.apply, B::kDisable);
    EXPECT_EQ(changes.Count(), 0);

    // Two changes and one return leave both enabled.
    changes.Notify(1, 1, 0);
    changes.Notify(1, 1, 0);
    b = changes.Notify(0, 1, 0);
    EXPECT_EQ(b.apply, B::kEnable);
    EXPECT_EQ(b.cancel, B::kEnable);
    EXPECT_EQ(changes.Count(), 1);

    // Uncounted reports touch Apply only, and not the count.
    b = changes.Notify(0, 0, 0);
    EXPECT_EQ(b.apply, B::kDisable);
    EXPECT_EQ(b.cancel, B::kLeave);
    b = changes.Notify(1, 2, 0);
    EXPECT_EQ(b.apply, B::kEnable);
    EXPECT_EQ(changes.Count(), 1);

    // A reset starts again from zero and leaves the buttons alone.
    b = changes.Notify(1, 1, 1);
    EXPECT_EQ(b.apply, B::kLeave);
    EXPECT_EQ(b.cancel, B::kLeave);
    EXPECT_EQ(changes.Count(), 0);
}

} // namespace
