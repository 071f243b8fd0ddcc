#include <gtest/gtest.h>

#include "support/CpuTestHarness.h"
#include "burnin/CCpuTestOptionsDlg.h"
#include "platform/CAppSettings.h"
#include "res/resource.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"

namespace {

const char kTooSmall[] = "Value is too small, please enter a value\nbetween 1 - 72.";
const char kTooBig[] = "Value is too big, please enter a value\nbetween 1 - 72.";

struct Stored {
    DWORD count = 0;
    DWORD userInput = 0;
};

Stored ReadOptions() {
    Stored stored;
    CAppSettings settings;
    settings.GetCPUTestCount(stored.count);
    settings.GetHasUserInput(stored.userInput);
    return stored;
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
        EXPECT_TRUE(IsChecked(dialog, IDC_CPU_INTERMEDIATE));
        EXPECT_FALSE(IsChecked(dialog, IDC_CPU_AGGRESSIVE));
        EXPECT_FALSE(IsChecked(dialog, IDC_CPU_SIMPLE));
        EXPECT_FALSE(IsChecked(dialog, IDC_CPU_USER_INPUT));
        EXPECT_EQ(ItemText(dialog, IDC_CPU_USER_COUNT), "1");
        EXPECT_FALSE(EditEnabled(dialog));
        PressButton(dialog, IDC_CPU_SIMPLE);
        EXPECT_FALSE(EditEnabled(dialog));
        PressButton(dialog, IDC_CPU_USER_INPUT);
        EXPECT_TRUE(EditEnabled(dialog));
        EXPECT_FALSE(IsChecked(dialog, IDC_CPU_SIMPLE));
        PressButton(dialog, IDC_CPU_AGGRESSIVE);
        EXPECT_TRUE(EditEnabled(dialog));
        PressButton(dialog, IDC_CPU_USER_INPUT);

        // Out of 1..72: refused with a message, nothing stored, the dialog stays.
        for (const char* typed : {"0", "", "73", "100000000000"}) {
            SetDlgItemTextA(dialog, IDC_CPU_USER_COUNT, typed);
            ClickDialogButton(dialog, IDOK);
            EXPECT_TRUE(IsWindow(dialog)) << typed;
            EXPECT_EQ(ReadOptions().count, 24u) << typed;
        }
        refusals = messages.Texts();
        SetDlgItemTextA(dialog, IDC_CPU_USER_COUNT, "72");
        ClickDialogButton(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(refusals, (std::vector<std::string>{kTooSmall, kTooSmall, kTooBig, kTooBig}));
    EXPECT_EQ(ReadOptions().count, 72u);
    EXPECT_EQ(ReadOptions().userInput, 1u);

    // A typed count opens on "User input" with the count; Aggressive then stores 48 and 0.
    result = RunOptions(frame.Handle(), [&](HWND dialog) {
        EXPECT_TRUE(IsChecked(dialog, IDC_CPU_USER_INPUT));
        EXPECT_FALSE(IsChecked(dialog, IDC_CPU_INTERMEDIATE));
        EXPECT_EQ(ItemText(dialog, IDC_CPU_USER_COUNT), "72");
        EXPECT_TRUE(EditEnabled(dialog));
        PressButton(dialog, IDC_CPU_AGGRESSIVE);
        ClickDialogButton(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadOptions().count, 48u);
    EXPECT_EQ(ReadOptions().userInput, 0u);

    // Cancel stores nothing.
    result = RunOptions(frame.Handle(), [&](HWND dialog) {
        EXPECT_TRUE(IsChecked(dialog, IDC_CPU_AGGRESSIVE));
        PressButton(dialog, IDC_CPU_SIMPLE);
        ClickDialogButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(ReadOptions().count, 48u);

    // A stored 8 opens on Simple; a count typed with trailing text keeps its leading digits.
    CAppSettings().SetCPUTestCount(8);
    result = RunOptions(frame.Handle(), [&](HWND dialog) {
        EXPECT_TRUE(IsChecked(dialog, IDC_CPU_SIMPLE));
        PressButton(dialog, IDC_CPU_USER_INPUT);
        SetDlgItemTextA(dialog, IDC_CPU_USER_COUNT, "12 tests");
        ClickDialogButton(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadOptions().count, 12u);
    EXPECT_EQ(ReadOptions().userInput, 1u);
    EXPECT_EQ(messages.Texts().size(), 4u);
}

} // namespace
