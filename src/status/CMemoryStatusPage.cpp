#include "status/CMemoryStatusPage.h"

#include <climits>
#include <commctrl.h>

#include "platform/CMemoryFigures.h"
#include "platform/CTimeScale.h"
#include "res/resource.h"
#include "status/CMemoryOptionsDlg.h"
#include "status/CPostOptimizeDlg.h"
#include "ui/IMainWindow.h"

namespace {

constexpr COLORREF kThresholdColour = RGB(255, 0, 0);
constexpr COLORREF kFreeColour = RGB(0, 255, 0);
constexpr COLORREF kBarColour = RGB(0, 0, 255);

const PageButton kButtons[] = {
    {IDC_FREE_MEMORY, "Free Physical Memory", "Free Physical Memory", IDB_FREE_MEMORY_NORMAL, IDB_FREE_MEMORY_HOVER,
     IDB_FREE_MEMORY_PRESSED, IDB_FREE_MEMORY_DISABLED, 262, 184},
    {IDC_MEMORY_OPTIONS, "Optimization Options", "Memory Options", IDB_MEMORY_OPTIONS_NORMAL, IDB_MEMORY_OPTIONS_HOVER,
     IDB_MEMORY_OPTIONS_PRESSED, IDB_MEMORY_OPTIONS_DISABLED, 262, 216},
};

const int kTitles[] = {IDC_MEMORY_GRAPH_TITLE, IDC_MEMORY_STATS_TITLE};
const int kTexts[] = {IDC_MEMORY_SCALE_MAX,    IDC_MEMORY_SCALE_ZERO,   IDC_MEMORY_TIME_START,
                      IDC_MEMORY_TIME_MIDDLE,  IDC_MEMORY_TIME_NOW,     IDC_MEMORY_TOTAL_CAPTION,
                      IDC_MEMORY_USED_CAPTION, IDC_MEMORY_FREE_CAPTION, IDC_MEMORY_TOTAL,
                      IDC_MEMORY_USED,         IDC_MEMORY_FREE};

std::string FigureText(ULONGLONG kilobytes, ULONGLONG percent) {
    return std::to_string(kilobytes) + " KB (" + std::to_string(percent) + "%)";
}

// Kilobytes are below 2^54, so a hundred times them still fits.
ULONGLONG Percent(ULONGLONG part, ULONGLONG whole) {
    return whole == 0 ? 0 : part * 100 / whole;
}

int ChartValue(ULONGLONG value) {
    return value > static_cast<ULONGLONG>(INT_MAX) ? INT_MAX : static_cast<int>(value);
}

} // namespace

CMemoryStatusPage::CMemoryStatusPage(IMainWindow& main, std::unique_ptr<CMemoryOptimizer> optimizer)
    : CPage(IDD_MEMORY_STATUS, main), optimizer_(std::move(optimizer)) {
    if (!optimizer_)
        optimizer_ = std::make_unique<CMemoryOptimizer>();
}

CMemoryStatusPage::~CMemoryStatusPage() {
    if (Exists())
        DestroyWindow(window_);
}

CMemoryStatusPage::Figures CMemoryStatusPage::ReadFigures() {
    const CMemoryFigures::Figures figures = CMemoryFigures::Query();
    Figures result;
    result.total = figures.totalPhysical;
    result.free = figures.availablePhysical;
    result.used = result.total - result.free;
    return result;
}

BOOL CMemoryStatusPage::OnInit() {
    const ULONGLONG total = CMemoryFigures::TotalPhysical();
    SetItemText(IDC_MEMORY_TOTAL, std::to_string(total >> 10) + " KB");

    const int maximum = ChartValue((total >> 20) + 1);
    if (chart_.SubclassItem(window_, IDC_MEMORY_CHART)) {
        chart_.AddSeries(kThresholdColour, maximum, 0);
        chart_.AddSeries(kFreeColour, maximum, 0);
    }
    SetItemText(IDC_MEMORY_SCALE_MAX, std::to_string(maximum) + "\nMB\n(Max)");

    MakeLabels(kTexts, sizeof(kTexts) / sizeof(kTexts[0]), 8);
    MakeLabels(kTitles, sizeof(kTitles) / sizeof(kTitles[0]), 10);
    CreateButtons(kButtons, sizeof(kButtons) / sizeof(kButtons[0]));

    if (progress_.AttachItem(window_, IDC_MEMORY_PROGRESS)) {
        progress_.Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        progress_.Send(PBM_SETPOS, 0);
        progress_.SetBarColor(kBarColour);
        progress_.Show(SW_HIDE);
    }

    if (sampleTimer_ == 0)
        sampleTimer_ = StartTimer(kSampleTimer, CTimeScale::Period(kSamplePeriod));
    return TRUE;
}

void CMemoryStatusPage::OnDestroy() {
    if (sampleTimer_ != 0)
        StopTimer(kSampleTimer);
    sampleTimer_ = 0;
}

BOOL CMemoryStatusPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam)
            ResetProgress();
        return FALSE;
    case kReportMessage:
        Report();
        result = 0;
        return TRUE;
    default:
        return CPage::OnMessage(message, wParam, lParam, result);
    }
}

BOOL CMemoryStatusPage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_FREE_MEMORY:
        FreeMemoryNow();
        return TRUE;
    case IDC_MEMORY_OPTIONS:
        ShowOptions();
        return TRUE;
    default:
        return FALSE;
    }
}

void CMemoryStatusPage::OnTimer(UINT_PTR id) {
    if (id == kSampleTimer)
        Sample();
}

void CMemoryStatusPage::Sample() {
    const Figures figures = ReadFigures();
    const ULONGLONG totalKB = figures.total >> 10;
    const ULONGLONG usedKB = figures.used >> 10;
    const ULONGLONG freeKB = figures.free >> 10;

    if (usedKB != shownUsedKB_) {
        if (CTextLabel* label = Label(IDC_MEMORY_USED))
            label->SetText(FigureText(usedKB, Percent(usedKB, totalKB))).SetFontSize(8);
        shownUsedKB_ = usedKB;
    }
    if (freeKB != shownFreeKB_) {
        if (CTextLabel* label = Label(IDC_MEMORY_FREE))
            label->SetText(FigureText(freeKB, Percent(freeKB, totalKB))).SetFontSize(8);
        shownFreeKB_ = freeKB;
    }

    // The red line shows the level only while automatic optimisation is on.
    DWORD useAuto = 0;
    DWORD threshold = 0;
    settings_.GetUseAutoMemOptimize(useAuto);
    settings_.GetAutoMemOptimize(threshold);
    chart_.ShowSeries(0, useAuto == 1 && threshold != 0);
    chart_.SetValue(0, ChartValue(threshold));
    chart_.SetValue(1, ChartValue(figures.free >> 20));
    chart_.Advance();
}

void CMemoryStatusPage::ResetProgress() {
    if (!progress_.Exists())
        return;
    progress_.Show(SW_HIDE);
    progress_.Send(PBM_SETPOS, 0);
}

void CMemoryStatusPage::StepProgress(DWORD sleepMilliseconds) {
    progress_.Send(PBM_STEPIT);
    progress_.Update();
    CTimeScale::Sleep(sleepMilliseconds);
}

void CMemoryStatusPage::FreeMemoryNow() {
    CSkinButton* button = Button(IDC_FREE_MEMORY);
    progress_.Show(SW_SHOW);
    if (button != nullptr)
        button->Enable(false);
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    Main().LockNavigation(true);

    const std::string path = CMemoryOptimizer::ScriptPath();
    before_ = ReadFigures();
    progress_.Send(PBM_SETSTEP, 1);
    for (int i = 0; i < 5; ++i)
        StepProgress(100);

    if (optimizer_->Optimize(path)) {
        RunProgressLoop();
    } else {
        progress_.Send(PBM_SETPOS, 0);
        progress_.Show(SW_HIDE);
    }
    optimizer_->DeleteScript(path);

    if (button != nullptr)
        button->Enable(true);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    Main().LockNavigation(false);
    Post(kReportMessage);
}

// The bar runs on while the optimiser's script works: quickly once 8 MB are free, slowly
// otherwise, and at 95 it waits for the 8 MB, polling, but never longer than the wait limit.
void CMemoryStatusPage::RunProgressLoop() {
    DWORD waited = 0;
    for (;;) {
        const int position = static_cast<int>(progress_.Send(PBM_GETPOS));
        if (position >= 100)
            return;
        const ULONGLONG freeMegabytes = CMemoryFigures::AvailablePhysical() >> 20;
        if (freeMegabytes >= kRecoveredMegabytes) {
            StepProgress(50);
        } else if (position < kWaitPosition) {
            StepProgress(250);
        } else if (waited >= kWaitLimit) {
            progress_.Send(PBM_SETPOS, 100);
            progress_.Update();
            return;
        } else {
            CTimeScale::Sleep(kWaitPoll);
            waited += kWaitPoll;
        }
    }
}

void CMemoryStatusPage::Report() {
    DWORD showReport = 1;
    settings_.GetShowPostOptimizeDialog(showReport);
    if (showReport != 1)
        return;
    const Figures after = ReadFigures();
    if (before_.free == 0 || after.free == 0 || after.free <= before_.free)
        return;
    CPostOptimizeDlg report(
        CPostOptimizeDlg::ReclaimedText(after.free - before_.free, after.total));
    report.Show(window_);
}

void CMemoryStatusPage::ShowOptions() {
    CMemoryOptionsDlg options;
    options.Show(window_);
}
