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

// A chart control of 40 x 32 pixels whose picture the test reads after each step.
TEST(LineChart, SeriesScrollLeftHeldWithinTheirRangesOverTheGridInTheOrderAdded) {
    HWND window = CreateWindowExA(0, CLineChartCtrl::kClassName, "", WS_POPUP, 0, 0, kWidth,
                                  kHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    CLineChartCtrl chart;
    ASSERT_TRUE(chart.Subclass(window));
    CPixelCanvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    const auto advance = [&] {
        chart.Advance();
        canvas.PrintClient(chart);
    };
    const auto row = [&](int y, int from, int to) { // whether x in [from, to) at y are all red
        for (int x = from; x < to; ++x)
            if (canvas.Pixel(x, y) != kRed)
                return false;
        return true;
    };

    // Without a series there is no picture, and Advance does nothing.
    EXPECT_EQ(chart.SetValue(0, 5), 0);
    advance(); // nothing to copy
    EXPECT_EQ(canvas.Pixel(kWidth / 2, kHeight / 2), RGB(1, 2, 3));

    // Setting a value makes the former one the previous. The first segment rises from the bottom
    // edge (the previous value 0) toward the maximum at the right.
    ASSERT_EQ(chart.AddSeries(kRed, 100, 0), 1);
    EXPECT_EQ(chart.SetValue(0, 100), 0);
    advance();
    EXPECT_EQ(canvas.Pixel(kWidth - 5, kHeight - 1), kRed);
    int top = kHeight;
    for (int y = 0; y < kHeight; ++y)
        if (canvas.Pixel(kWidth - 2, y) == kRed && y < top)
            top = y;
    EXPECT_LT(top, kHeight / 2);

    // A value above the range is stored as the maximum and runs along the top edge. The step
    // scrolls the first segment 4 pixels left, with exactly one vertical grid line in two steps
    // and the horizontal grid lines continued through the new strips.
    EXPECT_EQ(chart.SetValue(0, 150), 100);
    EXPECT_EQ(chart.SetValue(0, 150), 100);
    advance();
    EXPECT_EQ(canvas.Pixel(kWidth - 9, kHeight - 1), kRed);
    EXPECT_TRUE(row(0, kWidth - 5, kWidth - 1));
    int clear = -1; // a row between the horizontal grid lines and away from the series
    for (int y = 2; y < kHeight - 2 && clear < 0; ++y)
        if (canvas.Pixel(kWidth - 1, y) == kBlack)
            clear = y;
    ASSERT_GE(clear, 0);
    int lines = 0, gridRows = 0;
    for (int x = kWidth - 8; x < kWidth; ++x)
        lines += canvas.Pixel(x, clear) == kDarkGreen;
    for (int y = 0; y < kHeight; ++y)
        gridRows += canvas.Pixel(kWidth - 1, y) == kDarkGreen;
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(gridRows, kHeight / 8);

    // A value below the range is stored as the minimum: on the bottom edge, not below it.
    EXPECT_EQ(chart.SetValue(0, -20), 100);
    EXPECT_EQ(chart.SetValue(0, -20), 0);
    advance();
    EXPECT_TRUE(row(kHeight - 1, kWidth - 5, kWidth - 1));

    // An index past the last series changes nothing.
    chart.SetValue(0, 50);
    chart.SetValue(0, 50);
    EXPECT_EQ(chart.SetValue(1, 100), 0);
    EXPECT_EQ(chart.SetValue(7, 100), 0);
    EXPECT_EQ(chart.SeriesCount(), 1u);
    advance();
    for (int y = 0; y < kHeight; ++y)
        EXPECT_EQ(canvas.Pixel(kWidth - 4, y) == kRed, y == kMiddleRow) << y;

    // Both at half height: the later series covers the earlier one.
    ASSERT_EQ(chart.AddSeries(kBlue, 200, 0), 1);
    chart.SetValue(1, 100);
    chart.SetValue(1, 100);
    advance();
    EXPECT_EQ(canvas.Pixel(kWidth - 3, kMiddleRow), kBlue);
    DestroyWindow(window);
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
