#include "burnin/CCpuTestOptionsDlg.h"

#include "platform/CAppSettings.h"
#include "platform/CMessageBox.h"
#include "res/resource.h"

namespace {

// The preset choices, in the order OK tests them.
struct PresetChoice {
    int radio;
    DWORD count;
};
constexpr PresetChoice kPresets[] = {
    {IDC_CPU_INTERMEDIATE, CCpuTestOptionsDlg::kIntermediateCount},
    {IDC_CPU_AGGRESSIVE, CCpuTestOptionsDlg::kAggressiveCount},
    {IDC_CPU_SIMPLE, CCpuTestOptionsDlg::kSimpleCount},
};

constexpr int kRadios[] = {IDC_CPU_AGGRESSIVE, IDC_CPU_INTERMEDIATE, IDC_CPU_SIMPLE,
                           IDC_CPU_USER_INPUT};

const char kTooSmall[] = "Value is too small, please enter a value\nbetween 1 - 72.";
const char kTooBig[] = "Value is too big, please enter a value\nbetween 1 - 72.";

} // namespace

INT_PTR CCpuTestOptionsDlg::Show(HWND parent) {
    return DoModal(IDD_CPU_TEST_OPTIONS, parent);
}

long CCpuTestOptionsDlg::ParseCount(const std::string& text) {
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > kMaximumCount)
            return kMaximumCount + 1;
    }
    return value;
}

BOOL CCpuTestOptionsDlg::OnInit() {
    CAppSettings settings;
    DWORD count = 0;
    DWORD userInput = 0;
    settings.GetCPUTestCount(count);
    settings.GetHasUserInput(userInput);

    for (int radio : kRadios)
        CheckButton(radio, false);
    if (userInput == 1) {
        CheckButton(IDC_CPU_USER_INPUT, true);
        SetItemText(IDC_CPU_USER_COUNT, std::to_string(count));
    } else {
        int radio = IDC_CPU_INTERMEDIATE;
        if (count == kAggressiveCount)
            radio = IDC_CPU_AGGRESSIVE;
        else if (count == kSimpleCount)
            radio = IDC_CPU_SIMPLE;
        CheckButton(radio, true);
        SetItemText(IDC_CPU_USER_COUNT, "1");
    }
    EnableItem(IDC_CPU_USER_COUNT, userInput == 1);
    return TRUE;
}

BOOL CCpuTestOptionsDlg::OnButtonClicked(int id) {
    if (id != IDC_CPU_USER_INPUT)
        return FALSE;
    // Only choosing "User input" changes the edit; the presets leave it as it is.
    if (IsButtonChecked(IDC_CPU_USER_INPUT))
        EnableItem(IDC_CPU_USER_COUNT, true);
    return TRUE;
}

void CCpuTestOptionsDlg::OnOK() {
    DWORD userInput = 0;
    DWORD count = kIntermediateCount;
    bool chosen = false;
    for (const PresetChoice& preset : kPresets) {
        if (IsButtonChecked(preset.radio)) {
            count = preset.count;
            chosen = true;
            break;
        }
    }
    if (!chosen && IsButtonChecked(IDC_CPU_USER_INPUT)) {
        const long typed = ParseCount(ItemText(IDC_CPU_USER_COUNT));
        if (typed <= 0 || typed > kMaximumCount) {
            CMessageBox::Show(window_, typed <= 0 ? kTooSmall : kTooBig, MB_OK | MB_ICONWARNING);
            SetFocus(Item(IDC_CPU_USER_COUNT));
            return;
        }
        userInput = 1;
        count = static_cast<DWORD>(typed);
    }
    CAppSettings settings;
    settings.SetHasUserInput(userInput);
    settings.SetCPUTestCount(count);
    End(IDOK);
}
