#pragma once

#include <vector>
#include <windows.h>

#include "ui/CMemoryCanvas.h"
#include "ui/CSubclassedWindow.h"

// A scrolling strip chart: a black field with a dark green grid; every Advance scrolls the
// picture 4 pixels to the left and draws, for each series, one segment from its previous to
// its current value at the right edge. The picture itself is the history: painting copies it.
class CLineChartCtrl : public CSubclassedWindow {
public:
    static constexpr const char* kClassName = "LINE_CHART_CTRL";
    static constexpr COLORREF kBackground = RGB(0, 0, 0);
    static constexpr COLORREF kGrid = RGB(0, 128, 0);
    static constexpr int kStep = 4;

    // Registers the window class (a second registration fails harmlessly).
    CLineChartCtrl();
    ~CLineChartCtrl() override;

    // Appends a series (current and previous value 0) and prepares the picture on first use;
    // 1, or 0 when memory runs out.
    int AddSeries(COLORREF colour, int maximum, int minimum);
    // Stores the value, held within the series' range, as current; returns the former current
    // value, or 0 for an index that does not exist.
    int SetValue(size_t index, int value);
    // A hidden series draws nothing until it is shown again; it keeps taking values.
    void ShowSeries(size_t index, bool show);
    // Scrolls the picture one step and draws the new segments; repaints without erasing.
    void Advance();

    size_t SeriesCount() const { return series_.size(); }
    // The row a value is drawn at in a picture of `height` rows: the maximum at the top, the
    // minimum on the bottom row.
    static int RowOf(int value, int maximum, int minimum, int height);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Series {
        COLORREF colour;
        int maximum;
        int minimum;
        int current;
        int previous;
        bool shown;
    };

    void PreparePicture();

    std::vector<Series> series_;
    CMemoryCanvas picture_;
    // Shared by every chart: a vertical grid line is drawn on every second step.
    static bool gridPhase_;
};
