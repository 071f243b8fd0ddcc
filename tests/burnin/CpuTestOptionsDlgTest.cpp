#include <gtest/gtest.h>

#include <utility>

#include "support/CpuTestHarness.h"
#include "burnin/CCpuTestOptionsDlg.h"
#include "platform/CAppSettings.h"
#include "res/resource.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"

namespace {

const char kTooSmall[] = "Value is too small, please enter a value\nbetween 1 - 72.";
const char kTooBig[] = "Value is too big, please enter a value\nbetween 1 - 72.";

// The stored count and whether it was typed.
std::pair<DWORD, DWORD> Stored() {
    DWORD count = 0, userInput = 0;
    CAppSettings settings;
    settings.GetCPUTestCount(count);
    settings.GetHasUserInput(userInput);
    return {count, userInput};
}

// Exactly one of the four choices is checked: `choice`.
void ExpectChoice(HWND dialog, int choice) {
    for (int id : {IDC_CPU_SIMPLE, IDC_CPU_INTERMEDIATE, IDC_CPU_AGGRESSIVE, IDC_CPU_USER_INPUT})
        EXPECT_EQ(IsChecked(dialog, id), id == choice) << id;
}

bool EditEnabled(HWND dialog) {
    return IsWindowEnabled(GetDlgItem(dialog, IDC_CPU_USER_COUNT)) != FALSE;
}

INT_PTR RunOptions(HWND parent, const std::function<void(HWND)>& script) {
    return DriveModal(
        "CPU Test Options", [parent] { return CCpuTestOptionsDlg().Show(parent); }, script);
}

TEST(CpuTestOptionsDlg, ChoicesBoundsAndStoredValues) {
    CRegistrySandbox registry(CRegistrySandbox::kLocalMachine);
    CScriptedMessages messages;
    CTestFrame frame;
    CAppSettings().SetCPUTestCount(24);

    // A stored 24 opens on Intermediate with the edit showing 1, disabled. Only choosing "User
    // input" enables the edit; the presets leave it as it is.
    std::vector<std::string> refusals;
    INT_PTR result = RunOptions(frame.Handle(), [&](HWND dialog) {
        ExpectChoice(dialog, IDC_CPU_INTERMEDIATE);
        EXPECT_EQ(ItemText(dialog, IDC_CPU_USER_COUNT), "1");
        EXPECT_FALSE(EditEnabled(dialog));
        PressButton(dialog, IDC_CPU_SIMPLE);
        EXPECT_FALSE(EditEnabled(dialog));
        PressButton(dialog, IDC_CPU_USER_INPUT);
        EXPECT_TRUE(EditEnabled(dialog));
        ExpectChoice(dialog, IDC_CPU_USER_INPUT);
        PressButton(dialog, IDC_CPU_AGGRESSIVE);
        EXPECT_TRUE(EditEnabled(dialog));
        PressButton(dialog, IDC_CPU_USER_INPUT);

        // Out of 1..72: refused with a message, nothing stored, the dialog stays.
        for (const char* typed : {"0", "", "73", "100000000000"}) {
            SetDlgItemTextA(dialog, IDC_CPU_USER_COUNT, typed);
            ClickDialogButton(dialog, IDOK);
            EXPECT_TRUE(IsWindow(dialog)) << typed;
            EXPECT_EQ(Stored().first, 24u) << typed;
        }
        refusals = messages.Texts();
        SetDlgItemTextA(dialog, IDC_CPU_USER_COUNT, "72");
        ClickDialogButton(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(refusals, (std::vector<std::string>{kTooSmall, kTooSmall, kTooBig, kTooBig}));
    EXPECT_EQ(Stored(), (std::pair<DWORD, DWORD>{72, 1}));

    // A typed count opens on "User input" with the count; Aggressive then stores 48 and 0.
    result = RunOptions(frame.Handle(), [&](HWND dialog) {
        ExpectChoice(dialog, IDC_CPU_USER_INPUT);
        EXPECT_EQ(ItemText(dialog, IDC_CPU_USER_COUNT), "72");
        EXPECT_TRUE(EditEnabled(dialog));
        PressButton(dialog, IDC_CPU_AGGRESSIVE);
        ClickDialogButton(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Stored(), (std::pair<DWORD, DWORD>{48, 0}));

    // Cancel stores nothing.
    result = RunOptions(frame.Handle(), [&](HWND dialog) {
        ExpectChoice(dialog, IDC_CPU_AGGRESSIVE);
        PressButton(dialog, IDC_CPU_SIMPLE);
        ClickDialogButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Stored(), (std::pair<DWORD, DWORD>{48, 0}));

    // A stored 8 opens on Simple; a count typed with trailing text keeps its leading digits.
    CAppSettings().SetCPUTestCount(8);
    result = RunOptions(frame.Handle(), [&](HWND dialog) {
        ExpectChoice(dialog, IDC_CPU_SIMPLE);
        PressButton(dialog, IDC_CPU_USER_INPUT);
        SetDlgItemTextA(dialog, IDC_CPU_USER_COUNT, "12 tests");
        ClickDialogButton(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Stored(), (std::pair<DWORD, DWORD>{12, 1}));
    EXPECT_EQ(messages.Texts().size(), 4u);
}

} // namespace
