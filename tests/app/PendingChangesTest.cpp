#include <gtest/gtest.h>

#include "app/CPendingChanges.h"

namespace {

// Changes and returns are counted (never below zero) and decide the buttons; uncounted reports
// touch Apply only, and a reset starts again from zero and leaves the buttons alone.
TEST(PendingChanges, CountsChangesAndReturnsAndDecidesTheButtons) {
    using B = CPendingChanges;
    struct Step {
        int changed, counted, reset;
        B::Button apply, cancel;
        int count;
    };
    const Step steps[] = {
        {1, 1, 0, B::kEnable, B::kEnable, 1},   {0, 1, 0, B::kDisable, B::kDisable, 0},
        {0, 1, 0, B::kDisable, B::kDisable, 0}, {1, 1, 0, B::kEnable, B::kEnable, 1},
        {1, 1, 0, B::kEnable, B::kEnable, 2},   {0, 1, 0, B::kEnable, B::kEnable, 1},
        {0, 0, 0, B::kDisable, B::kLeave, 1},   {1, 2, 0, B::kEnable, B::kLeave, 1},
        {1, 1, 1, B::kLeave, B::kLeave, 0},
    };
    CPendingChanges changes;
    int index = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(index++);
        const B::Buttons buttons = changes.Notify(step.changed, step.counted, step.reset);
        EXPECT_EQ(buttons.apply, step.apply);
        EXPECT_EQ(buttons.cancel, step.cancel);
        EXPECT_EQ(changes.Count(), step.count);
    }
}

} // namespace
