#include <gtest/gtest.h>

#include <windows.h>

#include "status/CLineChartCtrl.h"
#include "support/CPixelCanvas.h"

namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 32;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);       // the chart's background
constexpr COLORREF kDarkGreen = RGB(0, 128, 0); // its grid
constexpr int kMiddleRow = 16;                  // of a value of 50 between 0 and 100

// A chart control of 40 x 32 pixels whose picture the test reads.
class LineChart : public testing::Test {
protected:
    void SetUp() override {
        window_ = CreateWindowExA(0, CLineChartCtrl::kClassName, "", WS_POPUP, 0, 0, kWidth,
                                  kHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(chart_.Subclass(window_));
    }
    void TearDown() override { DestroyWindow(window_); }

    void Capture() { canvas_.PrintClient(chart_); }
    COLORREF At(int x, int y) const { return canvas_.Pixel(x, y); }
    void Step(int value) {
        chart_.SetValue(0, value);
        chart_.Advance();
    }

    CLineChartCtrl chart_;
    HWND window_ = nullptr;
    CPixelCanvas canvas_{kWidth, kHeight};
};

TEST_F(LineChart, ValuesOutsideTheRangeAreHeldAtItsEdges) {
    ASSERT_EQ(chart_.AddSeries(kRed, 100, 0), 1);
    EXPECT_EQ(chart_.SetValue(0, 150), 0);
    EXPECT_EQ(chart_.SetValue(0, 150), 100); // stored as the maximum
    chart_.Advance();
    Capture();
    for (int x = kWidth - 5; x < kWidth - 1; ++x)
        EXPECT_EQ(At(x, 0), kRed) << x; // on the top edge
    EXPECT_EQ(chart_.SetValue(0, -20), 100);
    EXPECT_EQ(chart_.SetValue(0, -20), 0); // stored as the minimum
    chart_.Advance();
    Capture();
    for (int x = kWidth - 5; x < kWidth - 1; ++x)
        EXPECT_EQ(At(x, kHeight - 1), kRed) << x; // on the bottom edge, not below it
}

TEST_F(LineChart, AnIndexPastTheLastSeriesChangesNothing) {
    ASSERT_EQ(chart_.AddSeries(kRed, 100, 0), 1);
    chart_.SetValue(0, 50);
    chart_.SetValue(0, 50);
    EXPECT_EQ(chart_.SetValue(1, 100), 0);
    EXPECT_EQ(chart_.SetValue(7, 100), 0);
    EXPECT_EQ(chart_.SeriesCount(), 1u);
    chart_.Advance();
    Capture();
    const int row = kMiddleRow;
    EXPECT_EQ(At(kWidth - 4, row), kRed);
    for (int y = 0; y < kHeight; ++y) {
        if (y != row) {
            EXPECT_NE(At(kWidth - 4, y), kRed) << y;
        }
    }
}

TEST_F(LineChart, TheFirstSegmentRisesFromTheBottomEdgeAndScrollsLeft) {
    ASSERT_EQ(chart_.AddSeries(kRed, 100, 0), 1);
    chart_.SetValue(0, 100);
    chart_.Advance();
    Capture();
    EXPECT_EQ(At(kWidth - 5, kHeight - 1), kRed); // from the previous value 0
    int top = kHeight;
    for (int y = 0; y < kHeight; ++y)
        if (At(kWidth - 2, y) == kRed && y < top)
            top = y;
    EXPECT_LT(top, kHeight / 2); // climbing toward the maximum at the right

    chart_.SetValue(0, 100);
    chart_.Advance();
    Capture();
    EXPECT_EQ(At(kWidth - 9, kHeight - 1), kRed); // the first segment moved 4 pixels left
    EXPECT_EQ(At(kWidth - 4, 0), kRed);           // and the new one runs along the top
}

TEST_F(LineChart, SeriesAreDrawnInTheOrderTheyWereAdded) {
    ASSERT_EQ(chart_.AddSeries(kRed, 100, 0), 1);
    ASSERT_EQ(chart_.AddSeries(kBlue, 200, 0), 1);
    chart_.SetValue(0, 50);
    chart_.SetValue(0, 50);
    chart_.SetValue(1, 100);
    chart_.SetValue(1, 100);
    chart_.Advance();
    Capture();
    // Both at half height: the later series covers the earlier one.
    EXPECT_EQ(At(kWidth - 3, kMiddleRow), kBlue);
}

TEST_F(LineChart, TwoStepsDrawExactlyOneVerticalGridLine) {
    ASSERT_EQ(chart_.AddSeries(kRed, 100, 0), 1);
    Step(100);
    Step(100);
    Capture();
    // A row between the horizontal grid lines and away from the series.
    int row = -1;
    for (int y = 2; y < kHeight - 2 && row < 0; ++y)
        if (At(kWidth - 1, y) == kBlack)
            row = y;
    ASSERT_GE(row, 0);
    int lines = 0;
    for (int x = kWidth - 8; x < kWidth; ++x)
        lines += At(x, row) == kDarkGreen;
    EXPECT_EQ(lines, 1);
    // Horizontal grid lines continue through the new strips.
    int gridRows = 0;
    for (int y = 0; y < kHeight; ++y)
        gridRows += At(kWidth - 1, y) == kDarkGreen;
    EXPECT_EQ(gridRows, kHeight / 8);
}

TEST_F(LineChart, WithoutASeriesThereIsNoPictureAndAdvanceDoesNothing) {
    chart_.Advance();
    EXPECT_EQ(chart_.SetValue(0, 5), 0);
    canvas_.Fill(RGB(1, 2, 3));
    Capture(); // nothing to copy
    EXPECT_EQ(At(kWidth / 2, kHeight / 2), RGB(1, 2, 3));
}

// The maximum is the top row and the minimum the bottom row; rows in between are truncated
// toward the top, and an empty range cannot divide by zero.
TEST(LineChartRows, TheMaximumIsTheTopRowAndTheMinimumTheBottomRow) {
    const struct {
        int value, maximum, minimum, height, row;
    } rows[] = {{100, 100, 0, 32, 0}, {0, 100, 0, 32, 31}, {50, 100, 0, 32, 16},
                {99, 100, 0, 32, 0},  {60, 60, 20, 40, 0}, {20, 60, 20, 40, 39},
                {40, 60, 20, 40, 20}, {5, 7, 7, 40, 39}};
    for (const auto& r : rows)
        EXPECT_EQ(CLineChartCtrl::RowOf(r.value, r.maximum, r.minimum, r.height), r.row)
            << r.value << " in " << r.minimum << ".." << r.maximum << ", " << r.height << " rows";
}

} // namespace
