#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <windows.h>
#include <commctrl.h>

#include "platform/CMemoryFigures.h"
#include "platform/CTimeScale.h"
#include "res/resource.h"
#include "status/CLineChartCtrl.h"
#include "status/CMemoryOptimizer.h"
#include "status/CMemoryStatusPage.h"
#include "support/CModalScript.h"
#include "support/CPixelCanvas.h"
#include "support/CRegistrySandbox.h"
#include "support/CRecordingMainWindow.h"
#include "support/MessagePump.h"
#include "support/StatusOptions.h"
#include "support/ReportedMemory.h"
#include "support/DialogDriver.h"

namespace {

constexpr DWORD kMB = 1048576;
const char kReportCaption[] = "Post Optimization Confirmation";

// Stands in for the script: it can change the free memory and report success or failure.
class ScriptedOptimizer : public CMemoryOptimizer {
public:
    std::function<int()> onOptimize = [] { return 1; };
    std::string path;
    int runs = 0;
    int Optimize(const std::string& scriptPath) override {
        ++runs;
        path = scriptPath;
        return onOptimize();
    }
};

class MemoryStatusPage : public testing::Test {
protected:
    void SetUp() override {
        CTimeScale::SetDivisor(100);
        UsePath(MemoryPath::kNt);
        parent_ = CreateWindowExA(0, "STATIC", "page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 442,
                                  490, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        auto optimizer = std::make_unique<ScriptedOptimizer>();
        optimizer_ = optimizer.get();
        NewPage(std::move(optimizer));
        page_->Show(SW_SHOW);
    }
    void TearDown() override {
        page_.reset();
        DestroyWindow(parent_);
        PumpMessages(20);
        CTimeScale::SetDivisor(1);
        CMemoryFigures::SetSource({});
    }

    // The machine's figures are total_ and free_, read through the given path and counted.
    void UsePath(MemoryPath path) {
        CMemoryFigures::SetSource(ReportedMemory(
            [this] {
                ++queries_;
                return CMemoryFigures::Figures{total_, free_};
            },
            path));
    }
    // A page built anew, as the main window builds one each time it is shown.
    void NewPage(std::unique_ptr<CMemoryOptimizer> optimizer = nullptr) {
        page_ = std::make_unique<CMemoryStatusPage>(main_, std::move(optimizer));
        ASSERT_TRUE(page_->CreatePage(parent_));
    }
    HWND Item(int id) const { return GetDlgItem(page_->Handle(), id); }
    void Sample() { page_->Send(WM_TIMER, CMemoryStatusPage::kSampleTimer); }
    void ClickFreeMemory() { ClickDialogButton(*page_, IDC_FREE_MEMORY); }
    int BarPosition() const { return ::BarPosition(*page_, IDC_MEMORY_PROGRESS); }
    // The used and the free label.
    std::string Figures() const {
        return ItemText(*page_, IDC_MEMORY_USED) + " / " + ItemText(*page_, IDC_MEMORY_FREE);
    }
    // A report answered: its text kept, "Do not show this dialog again" ticked or left as it is
    // shown (clear), then closed with `button`.
    CModalScript::Script Answer(bool tick, int button) {
        return [this, tick, button](HWND dialog) {
            reclaimed_ = ItemText(dialog, IDC_RECLAIMED_TEXT);
            EXPECT_FALSE(IsDlgButtonChecked(dialog, IDC_DONT_SHOW_AGAIN));
            if (tick)
                CheckDlgButton(dialog, IDC_DONT_SHOW_AGAIN, BST_CHECKED);
            ClickDialogButton(dialog, button);
        };
    }
    // Runs "Free Physical Memory" with a gain of `gain` bytes and the optimiser's `result`, and
    // lets the report come; returns how many report dialogs the script saw.
    int FreeMemoryAndReport(DWORD gain, CModalScript::Script script, int result = 1) {
        optimizer_->onOptimize = [this, gain, result] { return free_ += gain, result; };
        CModalScript driver(kReportCaption, std::move(script));
        ClickFreeMemory();
        PumpMessages(300, [&] { return driver.Seen() > 0; });
        return driver.Seen();
    }
    // The chart's newest column (3 pixels from its right edge), top to bottom.
    std::vector<COLORREF> ChartColumn() const {
        HWND chart = Item(IDC_MEMORY_CHART);
        RECT client = {};
        GetClientRect(chart, &client);
        CPixelCanvas canvas(client.right, client.bottom);
        canvas.PrintClient(chart);
        std::vector<COLORREF> column;
        for (int y = 0; y < client.bottom; ++y)
            column.push_back(canvas.Pixel(client.right - 3, y));
        return column;
    }
    // The colour of the newest column at the row of `valueMB` on a scale of `scaleMB`.
    COLORREF ChartAt(int valueMB, int scaleMB) const {
        const std::vector<COLORREF> column = ChartColumn();
        return column[CLineChartCtrl::RowOf(valueMB, scaleMB, 0, static_cast<int>(column.size()))];
    }

    CRegistrySandbox sandbox_{CRegistrySandbox::kLocalMachine};
    ULONGLONG total_ = 256 * kMB;
    ULONGLONG free_ = 200 * kMB;
    int queries_ = 0;
    std::string reclaimed_;
    HWND parent_ = nullptr;
    CRecordingMainWindow main_;
    ScriptedOptimizer* optimizer_ = nullptr;
    std::unique_ptr<CMemoryStatusPage> page_;
};

TEST_F(MemoryStatusPage, SamplesWriteOnlyChangedFiguresAndDrawFreeMemoryAndTheLevel) {
    EXPECT_EQ(ItemText(*page_, IDC_MEMORY_TOTAL), "262144 KB");
    EXPECT_EQ(ItemText(*page_, IDC_MEMORY_SCALE_MAX), "257\nMB\n(Max)");
    EXPECT_NE(page_->SampleTimer(), 0u);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_MEMORY_PROGRESS)));

    StoreOption("UseAutoMemOptimize", 1);
    StoreOption("AutoMemOptimize", 25);
    Sample();
    EXPECT_EQ(Figures(), "57344 KB (21%) / 204800 KB (78%)");

    // The same figures again: neither label is written.
    SetDlgItemTextA(*page_, IDC_MEMORY_USED, "used");
    SetDlgItemTextA(*page_, IDC_MEMORY_FREE, "free");
    Sample();
    EXPECT_EQ(Figures(), "used / free");

    // Both lines run along their values at the right edge of the chart.
    EXPECT_EQ(ChartAt(200, 257), RGB(0, 255, 0));
    EXPECT_EQ(ChartAt(25, 257), RGB(255, 0, 0));

    // Automatic optimisation off (level 25), or on at level 0: no red line at all, not even
    // along the bottom.
    for (DWORD use : {0, 1}) {
        StoreOption("UseAutoMemOptimize", use);
        StoreOption("AutoMemOptimize", use ? 0 : 25);
        Sample();
        Sample();
        const std::vector<COLORREF> column = ChartColumn();
        EXPECT_EQ(std::count(column.begin(), column.end(), RGB(255, 0, 0)), 0) << use;
    }

    // Only the free figure changes: the used label keeps its text.
    total_ += kMB;
    free_ += kMB;
    Sample();
    EXPECT_EQ(Figures(), "used / 205824 KB (78%)");

    // Showing the page again hides a bar left over from a run.
    ShowWindow(Item(IDC_MEMORY_PROGRESS), SW_SHOW);
    SendMessageA(Item(IDC_MEMORY_PROGRESS), PBM_SETPOS, 50, 0);
    page_->Show(SW_HIDE);
    page_->Show(SW_SHOW);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_MEMORY_PROGRESS)));
    EXPECT_EQ(BarPosition(), 0);

    // A page built anew writes its figures at its first sample, even when they did not change
    // since the last page's; with all memory free a used figure of 0 is written too.
    NewPage();
    Sample();
    EXPECT_EQ(Figures(), "57344 KB (21%) / 205824 KB (78%)");
    free_ = total_;
    NewPage();
    Sample();
    EXPECT_EQ(ItemText(*page_, IDC_MEMORY_USED), "0 KB (0%)");
}

// From 64 MB to 64 GB the figures, their shares, the scale and the free line are the machine's,
// where the system has GlobalMemoryStatusEx; with GlobalMemoryStatus alone they stop at 4 GB.
TEST_F(MemoryStatusPage, FiguresScaleAndLineFollowTheMachineFrom64MegabytesTo64Gigabytes) {
    const struct {
        ULONGLONG totalMB, freeMB;
        MemoryPath path;
        const char *total, *figures;
        int scale;
    } cases[] = {
        {64, 40, MemoryPath::kNt, "65536 KB", "24576 KB (37%) / 40960 KB (62%)", 65},
        {2048, 1536, MemoryPath::kNt, "2097152 KB", "524288 KB (25%) / 1572864 KB (75%)", 2049},
        {3584, 1024, MemoryPath::kNt, "3670016 KB", "2621440 KB (71%) / 1048576 KB (28%)", 3585},
        {8192, 5120, MemoryPath::kNt, "8388608 KB", "3145728 KB (37%) / 5242880 KB (62%)", 8193},
        {65536, 61440, MemoryPath::kNt, "67108864 KB", "4194304 KB (6%) / 62914560 KB (93%)",
         65537},
        {64, 40, MemoryPath::k9x, "65536 KB", "24576 KB (37%) / 40960 KB (62%)", 65},
        {3584, 1024, MemoryPath::k9x, "3670016 KB", "2621440 KB (71%) / 1048576 KB (28%)", 3585},
        // Beyond what the old function can tell: held at 4 GB less a byte, never wrapped round.
        {8192, 3072, MemoryPath::k9x, "4194303 KB", "1048575 KB (24%) / 3145728 KB (75%)", 4096},
    };
    StoreOption("AutoMemOptimize", 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.totalMB << " MB, path " << static_cast<int>(c.path));
        total_ = c.totalMB * kMB;
        free_ = c.freeMB * kMB;
        UsePath(c.path);
        NewPage();
        Sample();
        Sample();
        EXPECT_EQ(ItemText(*page_, IDC_MEMORY_TOTAL), c.total);
        EXPECT_EQ(Figures(), c.figures);
        EXPECT_EQ(ItemText(*page_, IDC_MEMORY_SCALE_MAX), std::to_string(c.scale) + "\nMB\n(Max)");
        const ULONGLONG freeMB = std::min<ULONGLONG>(c.freeMB, c.scale - 1);
        EXPECT_EQ(ChartAt(static_cast<int>(freeMB), c.scale), RGB(0, 255, 0));
    }
}

TEST_F(MemoryStatusPage, FreeingMemoryLocksNavigationRunsTheBarAndReportsTheGain) {
    bool lockedDuringRun = false;
    optimizer_->onOptimize = [&] {
        lockedDuringRun = main_.locks == std::vector<bool>{true} &&
                          !IsWindowEnabled(Item(IDC_FREE_MEMORY)) &&
                          IsWindowVisible(Item(IDC_MEMORY_PROGRESS)) && BarPosition() == 5;
        free_ += 12 * kMB;
        return 1;
    };
    {
        CModalScript driver(kReportCaption, Answer(true, IDOK));
        ClickFreeMemory();
        EXPECT_TRUE(lockedDuringRun);
        EXPECT_EQ(optimizer_->path, CMemoryOptimizer::ScriptPath());
        EXPECT_EQ(main_.locks, (std::vector<bool>{true, false}));
        EXPECT_TRUE(IsWindowEnabled(Item(IDC_FREE_MEMORY)));
        EXPECT_TRUE(IsWindowVisible(Item(IDC_MEMORY_PROGRESS)));
        EXPECT_EQ(BarPosition(), 100);
        EXPECT_TRUE(PumpMessages(300, [&] { return driver.Seen() > 0; }));
    }
    EXPECT_EQ(reclaimed_, "12MB (4%)");
    EXPECT_EQ(StoredOption("ShowPostOptimizeDialog").Number(), 0u); // "Do not show ... again"

    // Switched off: no report.
    EXPECT_EQ(FreeMemoryAndReport(12 * kMB, nullptr), 0);

    // A gain below a megabyte still reports, as 0MB; Close with the box clear stores 1.
    StoreOption("ShowPostOptimizeDialog", 1);
    EXPECT_EQ(FreeMemoryAndReport(kMB / 2, Answer(false, IDOK)), 1);
    EXPECT_EQ(reclaimed_, "0MB (0%)");
    EXPECT_EQ(StoredOption("ShowPostOptimizeDialog").Number(), 1u);

    // No gain: no report.
    EXPECT_EQ(FreeMemoryAndReport(0, nullptr), 0);

    // Cancel closes the report without storing the box.
    ForgetOptions();
    EXPECT_EQ(FreeMemoryAndReport(kMB, Answer(true, IDCANCEL)), 1);
    EXPECT_FALSE(StoredOption("ShowPostOptimizeDialog").exists);

    // The optimiser fails: the bar goes away and nothing is reported.
    EXPECT_EQ(FreeMemoryAndReport(0, nullptr, 0), 0);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_MEMORY_PROGRESS)));
    EXPECT_EQ(BarPosition(), 0);
    EXPECT_EQ(main_.locks.back(), false);
}

TEST_F(MemoryStatusPage, WaitingForFreeMemoryEndsAtItsLimitWithTheBarFinished) {
    free_ = 4 * kMB; // never reaches 8 MB
    StoreOption("ShowPostOptimizeDialog", 0);
    queries_ = 0;
    ClickFreeMemory();
    EXPECT_EQ(optimizer_->runs, 1);
    EXPECT_EQ(BarPosition(), 100);
    EXPECT_EQ(main_.locks, (std::vector<bool>{true, false}));
    // One reading before the run, one per step from 5 to 95, one per poll of the wait: 30
    // seconds of polls every 100 ms.
    const int polls = queries_ - 1 - 90;
    EXPECT_GE(polls, 300);
    EXPECT_LE(polls, 301);
}

} // namespace
