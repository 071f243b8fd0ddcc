#include "autotune/CAnalysisPage.h"

#include <commctrl.h>
#include <vector>

#include "autotune/CScratchFile.h"
#include "autotune/ScratchRecords.h"
#include "platform/CMessageBox.h"
#include "platform/CTimeScale.h"
#include "res/resource.h"
#include "ui/IMainWindow.h"

// One tick of the analysis: the timer that starts it, the progress position it shows on firing
// and what it does, in this order: the preparing message and its pause, the message, the scratch
// file, the analyser's Recommend, the compile step, then the next timer; after setting it, the
// scratch file is deleted and the pauses with their positions follow.
struct AnalysisStep {
    enum Work { kNone, kCompile, kFinish };
    struct Pause {
        DWORD sleep;
        int position;
    };
    static constexpr int kNoScratch = -1;
    static constexpr int kNoModule = -1;

    UINT_PTR timer;
    int position;
    bool prepare;
    const char* message;
    int scratch;   // ScratchKind, or kNoScratch
    int recommend; // CAnalyzerSet::Module, or kNoModule
    Work work;
    UINT_PTR next;
    UINT period; // ms
    Pause pauses[3];
};

namespace {

using Step = AnalysisStep;
constexpr int kNone = Step::kNoScratch;
constexpr int kSys = static_cast<int>(ScratchKind::kSystem);
constexpr int kDtp = static_cast<int>(ScratchKind::kDesktop);
constexpr int kHdd = static_cast<int>(ScratchKind::kHardDisk);
constexpr int kRam = static_cast<int>(ScratchKind::kMemory);

const Step kSteps[] = {
    {1,
     10,
     true,
     "Please wait...\n\nExamining System Module...",
     kNone,
     kNone,
     Step::kNone,
     11,
     6000,
     {{3000, 15}}},
    {11,
     20,
     false,
     "Please wait...\n\nCalculating System Settings...",
     kSys,
     CAnalyzerSet::kSystem,
     Step::kNone,
     51,
     3000,
     {}},
    {51,
     23,
     true,
     "Please wait...\n\nExamining Desktop Module...",
     kNone,
     kNone,
     Step::kNone,
     12,
     3000,
     {}},
    {12,
     28,
     false,
     "Please wait...\n\nCalculating Desktop Settings...",
     kDtp,
     CAnalyzerSet::kDesktop,
     Step::kNone,
     52,
     1000,
     {}},
    {52,
     32,
     true,
     "Please wait...\n\nExamining StartMenu Module...",
     kNone,
     kNone,
     Step::kNone,
     13,
     3000,
     {}},
    {13,
     36,
     false,
     "Please wait...\n\nCalculating StartMenu Settings...",
     kNone,
     CAnalyzerSet::kStartMenu,
     Step::kNone,
     53,
     3000,
     {}},
    {53,
     40,
     true,
     "Please wait...\n\nExamining Internet Module...",
     kNone,
     kNone,
     Step::kNone,
     14,
     9000,
     {{2000, 42}, {3000, 44}, {2000, 46}}},
    {14,
     48,
     false,
     "Please wait...\n\nCalculating Internet Settings...",
     kNone,
     CAnalyzerSet::kInternet,
     Step::kNone,
     54,
     6000,
     {}},
    {54,
     50,
     true,
     "Please wait...\n\nExamining CDROM Module...",
     kNone,
     kNone,
     Step::kNone,
     15,
     4000,
     {{1500, 53}}},
    {15,
     56,
     false,
     "Please wait...\n\nCalculating CD-ROM Settings...",
     kNone,
     CAnalyzerSet::kCDROM,
     Step::kNone,
     55,
     4000,
     {{1500, 58}}},
    {55,
     60,
     true,
     "Please wait...\n\nExamining Harddisk Module...",
     kHdd,
     kNone,
     Step::kNone,
     16,
     3000,
     {{500, 63}}},
    {16,
     66,
     false,
     "Please wait...\n\nCalculating Harddisk Settings...",
     kHdd,
     CAnalyzerSet::kHardDisk,
     Step::kNone,
     56,
     3000,
     {{1000, 68}}},
    {56,
     70,
     true,
     "Please wait...\n\nExamining Memory Module...",
     kNone,
     kNone,
     Step::kNone,
     17,
     6000,
     {{2500, 73}}},
    {17,
     76,
     false,
     "Please wait...\n\nCalculating Memory Settings...",
     kRam,
     CAnalyzerSet::kMemory,
     Step::kNone,
     57,
     4000,
     {{1500, 78}}},
    {57,
     80,
     true,
     "Please wait...\n\nExamining Bootup Module...",
     kNone,
     kNone,
     Step::kNone,
     18,
     4000,
     {}},
    {18,
     83,
     false,
     "Please wait...\n\nCalculating Bootup Settings...",
     kNone,
     CAnalyzerSet::kBootup,
     Step::kNone,
     58,
     2500,
     {}},
    {58,
     86,
     true,
     "Please wait...\n\nExamining Shutdown Module...",
     kNone,
     kNone,
     Step::kNone,
     19,
     4000,
     {}},
    {19,
     89,
     false,
     "Please wait...\n\nCalculating Shutdown Settings...",
     kNone,
     CAnalyzerSet::kShutdown,
     Step::kNone,
     59,
     2500,
     {}},
    {59,
     92,
     true,
     "Please wait...\n\nCompleting Analysis...\n\nCompiling Recommendation for your System...",
     kNone,
     kNone,
     Step::kNone,
     2,
     4000,
     {}},
    {2, 96, false, nullptr, kNone, kNone, Step::kCompile, 3, 2000, {}},
    {3, 100, false, nullptr, kNone, kNone, Step::kFinish, 0, 0, {}},
};

const PageButton kButtons[] = {
    {IDC_ANALYSIS_BACK, "Back", "Back to Auto Tune Intro", IDB_BACK_TO_INTRO_NORMAL,
     IDB_BACK_TO_INTRO_HOVER, IDB_BACK_TO_INTRO_PRESSED, IDB_BACK_TO_INTRO_DISABLED, 20, 240},
    {IDC_ANALYSIS_BEGIN, "Begin Tune", "Begin Tuning", IDB_BEGIN_TUNING_NORMAL, IDB_BEGIN_TUNING_HOVER,
     IDB_BEGIN_TUNING_PRESSED, IDB_BEGIN_TUNING_DISABLED, 226, 240},
    {IDC_ANALYSIS_VIEW_RESULTS, "Recommend Now", "View Results", IDB_VIEW_RESULTS_NORMAL, IDB_VIEW_RESULTS_HOVER,
     IDB_VIEW_RESULTS_PRESSED, IDB_VIEW_RESULTS_DISABLED, 226, 240},
};

const int kLabels[] = {IDC_ANALYSIS_TITLE, IDC_ANALYSIS_MESSAGE, IDC_ANALYSIS_PROGRESS_LABEL};

constexpr COLORREF kReadyBarColour = 0xFF0000; // blue

void SetCursorShape(LPCSTR shape) {
    SetCursor(LoadCursorA(nullptr, shape));
}

// The system's own words for an error code, without the line end it ends with.
std::string SystemErrorText(DWORD error) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    std::string text = length != 0 && buffer != nullptr ? std::string(buffer, length) : "";
    if (buffer != nullptr)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (text.empty())
        text = "System error " + std::to_string(error) + ".";
    return text;
}

} // namespace

const char* const CAnalysisPage::kReadyTitle = "Torvane is ready to Tune up your system.";
const char* const CAnalysisPage::kReadyMessage =
    "It is RECOMMENDED that you CLOSE OFF all other programs before continuing. "
    "You should avoid running other programs or operations during the Tuning process.\n\n"
    "To Begin, click on \"Begin Tune\".\nTo go back to Auto Tune main page, click on \"Back\".";
const char* const CAnalysisPage::kRunningTitle = "Torvane is now Analyzing your system.";
const char* const CAnalysisPage::kRunningMessage =
    "Please wait...\n\nTorvane will now examine your system and test each Module for optimial "
    "settings...\nPlease do not use any programs during this time.";
const char* const CAnalysisPage::kPreparingMessage =
    "Please wait...\n\nTorvane is now preparing the Modules for testing.";
const char* const CAnalysisPage::kDoneTitle = "Torvane has completed Analyzing your system.";
const char* const CAnalysisPage::kDoneMessage =
    "Recommendations have been compiled.\n\nPlease click on \"Recommend Now\" to Continue.";

CAnalysisPage::CAnalysisPage(IMainWindow& main) : CPage(IDD_AUTOTUNE_ANALYSIS, main) {}

CAnalysisPage::~CAnalysisPage() {
    // The window goes with the base class; its timer and scratch file must not outlive the page.
    Halt();
}

BOOL CAnalysisPage::OnInit() {
    CreateButtons(kButtons, sizeof(kButtons) / sizeof(kButtons[0]));
    MakeLabels(kLabels, sizeof(kLabels) / sizeof(kLabels[0]), 10);
    progress_.AttachItem(Handle(), IDC_ANALYSIS_PROGRESS);
    ShowReady();
    return TRUE;
}

BOOL CAnalysisPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SHOWWINDOW && lParam == 0) {
        ShowReady();
    } else if (message == WM_SETCURSOR && running_) {
        SetCursorShape(IDC_WAIT);
        result = TRUE;
        return TRUE;
    }
    return CPage::OnMessage(message, wParam, lParam, result);
}

void CAnalysisPage::ShowReady() {
    if (running_) {
        // Hidden in the middle of a run: the run ends here.
        Halt();
        SetCursorShape(IDC_ARROW);
        Main().LockNavigation(false);
    }
    SetLabelText(IDC_ANALYSIS_TITLE, kReadyTitle);
    SetLabelText(IDC_ANALYSIS_MESSAGE, kReadyMessage);
    ShowItem(IDC_ANALYSIS_PROGRESS_LABEL, false);
    ShowItem(IDC_ANALYSIS_PROGRESS, false);
    progress_.Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    progress_.Send(PBM_SETPOS, 0);
    progress_.SetBarColor(kReadyBarColour);
    ShowButton(IDC_ANALYSIS_BACK, true);
    ShowButton(IDC_ANALYSIS_BEGIN, true);
    ShowButton(IDC_ANALYSIS_VIEW_RESULTS, false);
}

BOOL CAnalysisPage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_ANALYSIS_BEGIN:
        if (!running_)
            BeginRun();
        return TRUE;
    case IDC_ANALYSIS_VIEW_RESULTS:
        Main().ShowRecommendationsPage(std::vector<std::string>(texts_.begin(), texts_.end()));
        return TRUE;
    case IDC_ANALYSIS_BACK:
        Main().ShowAutoTuneSection();
        return TRUE;
    default:
        return FALSE;
    }
}

void CAnalysisPage::BeginRun() {
    Main().LockNavigation(true);
    running_ = true;
    ShowButton(IDC_ANALYSIS_BACK, false);
    ShowButton(IDC_ANALYSIS_BEGIN, false);
    SetLabelText(IDC_ANALYSIS_TITLE, kRunningTitle);
    ShowItem(IDC_ANALYSIS_PROGRESS_LABEL, true);
    ShowItem(IDC_ANALYSIS_PROGRESS, true);
    SetLabelText(IDC_ANALYSIS_MESSAGE, kRunningMessage);
    SetNextTimer(1, 6000);
    SetCursorShape(IDC_WAIT);
    Update();
    // A quarter and a half of the progress unit of 10.
    CTimeScale::Sleep(2000);
    SetPosition(2);
    CTimeScale::Sleep(1000);
    SetPosition(5);
}

void CAnalysisPage::OnTimer(UINT_PTR id) {
    StopTimer(id);
    if (id != timer_ || !running_)
        return;
    timer_ = 0;
    for (const Step& step : kSteps) {
        if (step.timer != id)
            continue;
        SetCursorShape(IDC_WAIT);
        SetPosition(step.position);
        RunStep(step);
        return;
    }
}

void CAnalysisPage::RunStep(const AnalysisStep& step) {
    if (step.prepare) {
        SetCursorShape(IDC_WAIT);
        SetLabelText(IDC_ANALYSIS_MESSAGE, kPreparingMessage);
        Update();
        CTimeScale::Sleep(200);
    }
    if (step.message != nullptr) {
        SetLabelText(IDC_ANALYSIS_MESSAGE, step.message);
        Update();
    }
    if (step.scratch != Step::kNoScratch) {
        const ScratchKind kind = static_cast<ScratchKind>(step.scratch);
        scratchPath_ = CScratchFile::PathOf(ScratchPlanOf(kind).fileName);
        const DWORD error = WriteScratchFile(kind, scratchPath_);
        if (error != 0) {
            StopWithError(error);
            return;
        }
    }
    if (step.recommend != Step::kNoModule)
        analyzers_.Of(static_cast<CAnalyzerSet::Module>(step.recommend)).Recommend();
    if (step.work == Step::kCompile)
        texts_ = analyzers_.Compile();
    if (step.work == Step::kFinish) {
        Finish();
        return;
    }
    SetNextTimer(step.next, step.period);
    DeleteScratchFile();
    for (const Step::Pause& pause : step.pauses) {
        if (pause.sleep == 0)
            break;
        CTimeScale::Sleep(pause.sleep);
        SetPosition(pause.position);
    }
}

void CAnalysisPage::Finish() {
    running_ = false;
    SetLabelText(IDC_ANALYSIS_TITLE, kDoneTitle);
    SetLabelText(IDC_ANALYSIS_MESSAGE, kDoneMessage);
    SetCursorShape(IDC_ARROW);
    ShowButton(IDC_ANALYSIS_VIEW_RESULTS, true);
    Main().LockNavigation(false);
}

void CAnalysisPage::StopWithError(DWORD error) {
    const std::string path = scratchPath_;
    Halt();
    SetCursorShape(IDC_ARROW);
    Main().LockNavigation(false);
    ShowReady();
    CMessageBox::Show(Handle(),
                      "The analysis could not run: Torvane was unable to write the temporary "
                      "file\n" +
                          path + "\n\n" + SystemErrorText(error),
                      MB_OK | MB_ICONERROR);
}

void CAnalysisPage::Halt() {
    if (timer_ != 0 && Exists())
        StopTimer(timer_);
    timer_ = 0;
    running_ = false;
    DeleteScratchFile();
}

void CAnalysisPage::OnDestroy() {
    if (running_)
        SetCursorShape(IDC_ARROW);
    Halt();
}

void CAnalysisPage::SetNextTimer(UINT_PTR id, UINT milliseconds) {
    if (timer_ != 0)
        StopTimer(timer_);
    timer_ = StartTimer(id, CTimeScale::Period(milliseconds)) != 0 ? id : 0;
}

void CAnalysisPage::DeleteScratchFile() {
    if (scratchPath_.empty())
        return;
    DeleteFileA(scratchPath_.c_str());
    scratchPath_.clear();
}

void CAnalysisPage::SetPosition(int position) {
    progress_.Send(PBM_SETPOS, static_cast<WPARAM>(position));
    progress_.Update();
}
