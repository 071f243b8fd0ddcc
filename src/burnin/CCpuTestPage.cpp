#include "burnin/CCpuTestPage.h"

#include "burnin/CCpuTestOptionsDlg.h"
#include "platform/CAppSettings.h"
#include "platform/CTimeScale.h"
#include "res/resource.h"
#include "ui/IMainWindow.h"

namespace {

constexpr PageButton kButtons[] = {
    {IDC_CPU_START, "Start Test", "Start CPU Test", IDB_START_CPU_TEST_NORMAL, IDB_START_CPU_TEST_HOVER,
     IDB_START_CPU_TEST_PRESSED, IDB_START_CPU_TEST_DISABLED, 245, 260},
    {IDC_CPU_STOP, "Stop CPU Test", "Stop CPU Test", IDB_STOP_CPU_TEST_NORMAL, IDB_STOP_CPU_TEST_HOVER,
     IDB_STOP_CPU_TEST_PRESSED, IDB_STOP_CPU_TEST_DISABLED, 125, 260},
    {IDC_CPU_HELP, "Help", "Help", IDB_GET_HELP_NORMAL, IDB_GET_HELP_HOVER, IDB_GET_HELP_PRESSED,
     IDB_GET_HELP_DISABLED, 125, 232},
    {IDC_CPU_OPTIONS, "CPU Test Options", "CPU Test options", IDB_CPU_TEST_OPTIONS_NORMAL, IDB_CPU_TEST_OPTIONS_HOVER,
     IDB_CPU_TEST_OPTIONS_PRESSED, IDB_CPU_TEST_OPTIONS_DISABLED, 245, 232},
};

// Where the texts and bars sit, in page pixels (the dialog's own units depend on its font).
struct ControlPlace {
    int id;
    int x, y, width, height;
};
constexpr ControlPlace kPlaces[] = {
    {IDC_CPU_CURRENT_CAPTION, 20, 16, 220, 18}, {IDC_CPU_CURRENT_LABEL, 20, 36, 340, 18},
    {IDC_CPU_CURRENT_BAR, 20, 58, 340, 16},     {IDC_CPU_TOTAL_CAPTION, 20, 90, 220, 18},
    {IDC_CPU_TOTAL_LABEL, 20, 110, 340, 18},    {IDC_CPU_TOTAL_BAR, 20, 132, 340, 16},
    {IDC_CPU_STATUS_TEXT, 20, 164, 340, 60},
};

constexpr int kLabels[] = {IDC_CPU_TOTAL_CAPTION, IDC_CPU_CURRENT_CAPTION, IDC_CPU_TOTAL_LABEL,
                           IDC_CPU_CURRENT_LABEL, IDC_CPU_STATUS_TEXT};

const char kIdleText[] = "Click on 'Start Test' button to test for CPU stability. For more info, "
                         "click on the 'Help' button.";
const char kRunningText[] =
    "Running CPU stability tests...\nPlease do not perform other tasks during this period.";
const char kCompletedText[] = "Testing completed, CPU is stable.";
const char kStoppedText[] = "Unable to test for CPU stability. Testing was not completed.\n"
                            "Click on 'Start Test' to redo testing.";
const char kNotRunning[] = "Not Running Tests";
const char kHelpText[] =
    "CPU Burn-in Test Help\n\n"
    "Explanation:\nTorvane will perform a specificed number of cycles to compute complex "
    "calculations on your computer.\n\n"
    "During this time, the CPU component will be utilized extensively to identify whether it "
    "will be stable enough to run these calculations.\n";

std::string Completed(int done, int count) {
    return std::to_string(done) + " of " + std::to_string(count) + " Completed";
}

void ShowCursorShape(LPCSTR shape) {
    SetCursor(LoadCursorA(nullptr, shape));
}

} // namespace

CCpuTestPage::CCpuTestPage(IMainWindow& main) : CPage(IDD_CPU_TEST, main) {}

CCpuTestPage::~CCpuTestPage() {
    // The run ends before the page goes; its thread keeps only the shared stop flag.
    worker_.reset();
    if (Exists())
        DestroyWindow(window_);
}

BOOL CCpuTestPage::OnInit() {
    for (const ControlPlace& place : kPlaces)
        MoveWindow(Item(place.id), place.x, place.y, place.width, place.height, FALSE);
    MakeLabels(kLabels, sizeof(kLabels) / sizeof(kLabels[0]), 10);
    SetLabelText(IDC_CPU_STATUS_TEXT, kIdleText);
    SetLabelText(IDC_CPU_CURRENT_LABEL, kNotRunning);
    SetLabelText(IDC_CPU_TOTAL_LABEL, kNotRunning);
    CreateButtons(kButtons, sizeof(kButtons) / sizeof(kButtons[0]));

    DWORD count = 0;
    CAppSettings().GetCPUTestCount(count);
    count_ = RunCount(count);
    totalBar_.AttachItem(window_, IDC_CPU_TOTAL_BAR);
    SetTotalRange();
    totalBar_.SetBarColor(RGB(0, 0, 255));
    currentBar_.AttachItem(window_, IDC_CPU_CURRENT_BAR);
    currentBar_.Send(PBM_SETRANGE32, 0, 100);
    currentBar_.Send(PBM_SETPOS, 0);
    currentBar_.SetBarColor(RGB(0, 255, 0));
    EnableButton(IDC_CPU_STOP, false);
    return TRUE;
}

BOOL CCpuTestPage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_CPU_START:
        Start();
        return TRUE;
    case IDC_CPU_STOP:
        Stop();
        return TRUE;
    case IDC_CPU_HELP:
        Main().ShowTweakHelp(kHelpText);
        return TRUE;
    case IDC_CPU_OPTIONS:
        ShowOptions();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CCpuTestPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == CCpuTestWorker::kProgressMessage) {
        OnProgress(static_cast<int>(wParam), lParam);
        result = 0;
        return TRUE;
    }
    return CPage::OnMessage(message, wParam, lParam, result);
}

void CCpuTestPage::OnDestroy() {
    worker_.reset();
    running_ = false;
}

void CCpuTestPage::Start() {
    if (running_)
        return;
    CAppSettings settings;
    DWORD count = 0;
    settings.GetCPUTestCount(count);
    if (count == 0) {
        CCpuTestOptionsDlg options;
        if (options.Show(window_) != IDOK)
            return;
        settings.GetCPUTestCount(count);
        if (count == 0)
            return;
    }
    count_ = RunCount(count);

    ShowCursorShape(IDC_WAIT);
    Main().LockNavigation(true);
    EnableButton(IDC_CPU_HELP, false);
    EnableButton(IDC_CPU_OPTIONS, false);

    SetTotalRange();
    worker_.reset(); // a stopped run's thread is already on its way out
    EnableButton(IDC_CPU_START, false);
    EnableButton(IDC_CPU_STOP, true);
    SetLabelText(IDC_CPU_STATUS_TEXT, kRunningText);
    running_ = true;
    index_ = 1;
    RunNextTest();
}

void CCpuTestPage::Stop() {
    if (worker_)
        worker_->RequestStop();
    SetLabelText(IDC_CPU_CURRENT_LABEL, "Tests Stopped by User");
    SetLabelText(IDC_CPU_STATUS_TEXT, kStoppedText);
    EndRuns();
}

void CCpuTestPage::ShowOptions() {
    CCpuTestOptionsDlg options;
    if (options.Show(window_) != IDOK || running_)
        return;
    DWORD count = 0;
    CAppSettings().GetCPUTestCount(count);
    count_ = RunCount(count);
    SetTotalRange();
}

void CCpuTestPage::RunNextTest() {
    totalBar_.Send(PBM_SETPOS, static_cast<WPARAM>(index_ - 1));
    if (index_ > count_) {
        SetLabelText(IDC_CPU_CURRENT_LABEL, "All Tests Completed");
        SetLabelText(IDC_CPU_TOTAL_LABEL, Completed(count_, count_));
        SetLabelText(IDC_CPU_STATUS_TEXT, kCompletedText);
        EndRuns();
        return;
    }
    currentBar_.Send(PBM_SETPOS, 0);
    worker_ = std::make_unique<CCpuTestWorker>();
    ++serial_;
    if (!worker_->Start(window_, serial_)) {
        // No thread: say so, not that the user stopped the tests.
        worker_.reset();
        SetLabelText(IDC_CPU_CURRENT_LABEL,
                     "Test " + std::to_string(index_) + " could not be started");
        SetLabelText(IDC_CPU_STATUS_TEXT, kStoppedText);
        EndRuns();
        return;
    }
    SetLabelText(IDC_CPU_CURRENT_LABEL, "Running Test " + std::to_string(index_));
    SetLabelText(IDC_CPU_TOTAL_LABEL, Completed(index_ - 1, count_));
    ++index_;
}

void CCpuTestPage::OnProgress(int value, LPARAM tag) {
    const bool current = running_ && CCpuTestWorker::SerialOf(tag) == serial_;
    // While a run goes on, what is left of an earlier one is not shown.
    if (running_ && !current)
        return;
    if (current && value != CCpuTestWorker::kFinalProgress && worker_)
        worker_->Acknowledge();
    if (value == CCpuTestWorker::kFinalProgress) {
        currentBar_.Send(PBM_SETPOS, 100);
        // After a stop or the last run, a late final message starts nothing.
        if (!current)
            return;
        if (CCpuTestWorker::IsWrongResult(tag)) {
            const std::string run = std::to_string(index_ - 1);
            SetLabelText(IDC_CPU_CURRENT_LABEL, "Test " + run + " Failed");
            SetLabelText(IDC_CPU_STATUS_TEXT, "The CPU produced a wrong result in test " + run +
                                                  ": it is not stable.\nTesting was stopped.");
            EndRuns();
            return;
        }
        currentBar_.Update();
        CTimeScale::Sleep(kFinalPause);
        RunNextTest();
    } else if (value != 0) {
        // A run repeats each value thousands of times; only a change is worth a repaint.
        if (value != currentBar_.Position())
            currentBar_.Send(PBM_SETPOS, static_cast<WPARAM>(value));
    } else {
        currentBar_.Send(PBM_STEPIT);
    }
}

void CCpuTestPage::EndRuns() {
    if (worker_)
        worker_->RequestStop();
    running_ = false;
    index_ = 1;
    EnableButton(IDC_CPU_STOP, false);
    EnableButton(IDC_CPU_START, true);
    EnableButton(IDC_CPU_HELP, true);
    EnableButton(IDC_CPU_OPTIONS, true);
    Main().LockNavigation(false);
    ShowCursorShape(IDC_ARROW);
}

void CCpuTestPage::SetTotalRange() {
    totalBar_.Send(PBM_SETRANGE32, 0, count_);
    totalBar_.Send(PBM_SETPOS, 0);
}
