// Times the building of the window shapes and one chart step, under Wine:
//     skin_bench.exe [repetitions]
// Prints one line per figure: the average over the repetitions, measured with the
// performance counter.
#include <cstdio>
#include <cstdlib>
#include <windows.h>

#include "Architecture.h"
#include "status/CLineChartCtrl.h"
#include "ui/CGdiObject.h"
#include "ui/CSkinBitmap.h"
#include "ui/SkinRegion.h"

namespace {

// Every button bitmap that gives a button its shape (the normal pictures).
const UINT kButtonShapes[] = {197, 201, 302, 324, 246, 249, 311, 252, 224, 227, 220, 208, 216,
                              212, 190, 162, 183, 170, 158, 166, 174, 154, 182, 328, 230, 238,
                              298, 323, 242, 255, 259, 267, 263, 285, 307, 314, 333, 341, 340};

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Average microseconds per region of the bitmap.
double RegionTime(UINT id, int repetitions, int& rectangles) {
    CSkinBitmap bitmap;
    if (bitmap.LoadFromResource(id) == nullptr)
        return -1;
    const double start = Now();
    for (int i = 0; i < repetitions; ++i) {
        CRegionHandle region(
            CreateRegionFromBitmap(bitmap.Handle(), kSkinTransparent, kSkinTolerance));
        if (i == 0)
            rectangles = static_cast<int>(
                (GetRegionData(region, 0, nullptr) - sizeof(RGNDATAHEADER)) / sizeof(RECT));
    }
    return (Now() - start) * 1e6 / repetitions;
}

} // namespace

int main(int argc, char** argv) {
    PrintArchitecture();
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 200;
    int rectangles = 0;
    const double main = RegionTime(130, repetitions, rectangles);
    std::printf("region of the main skin 130 (442 x 490): %.1f us (%d rectangles once the system "
                "merged the rows)\n",
                main, rectangles);
    double total = 0;
    double slowest = 0;
    UINT slowestId = 0;
    for (UINT id : kButtonShapes) {
        const double t = RegionTime(id, repetitions, rectangles);
        std::printf(
            "region of button bitmap %u: %.1f us (%d rectangles once the system merged the rows)\n",
            id, t, rectangles);
        total += t;
        if (t > slowest) {
            slowest = t;
            slowestId = id;
        }
    }
    std::printf("regions of all %u button shapes: %.1f us together, slowest %u at %.1f us\n",
                static_cast<unsigned>(sizeof(kButtonShapes) / sizeof(kButtonShapes[0])), total,
                slowestId, slowest);

    // The memory page's chart: 300 x 120 pixels with two series.
    CLineChartCtrl chart;
    HWND window = CreateWindowExA(0, CLineChartCtrl::kClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                  300, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    chart.Subclass(window);
    chart.AddSeries(RGB(255, 0, 0), 513, 0);
    chart.AddSeries(RGB(0, 255, 0), 513, 0);
    const int steps = repetitions * 10;
    const double start = Now();
    for (int i = 0; i < steps; ++i) {
        chart.SetValue(0, 128);
        chart.SetValue(1, 200 + (i % 50));
        chart.Advance();
        UpdateWindow(window); // the paint: one copy of the picture
    }
    std::printf("chart Advance with paint (300 x 120, two series): %.1f us\n",
                (Now() - start) * 1e6 / steps);
    DestroyWindow(window);
    return 0;
}
