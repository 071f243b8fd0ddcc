#include <gtest/gtest.h>

#include "platform/CMemoryFigures.h"
#include "res/resource.h"
#include "status/CAutoOptimizer.h"
#include "status/CMemoryOptimizer.h"
#include "status/CMemoryOptionsDlg.h"
#include "support/CModalScript.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"
#include "support/StatusOptions.h"
#include "support/ReportedMemory.h"
#include "support/DialogDriver.h"

namespace {

// The stored UseAutoMemOptimize, AutoMemOptimize and ShowPostOptimizeDialog, -1 where missing.
std::vector<int> Stored() {
    std::vector<int> values;
    for (const char* name : {"UseAutoMemOptimize", "AutoMemOptimize", "ShowPostOptimizeDialog"})
        values.push_back(StoredOption(name).exists ? int(StoredOption(name).Number()) : -1);
    return values;
}

std::string TooBig(const std::string& limit) {
    return "Value is too big, please enter a number \nbetween 1 to " + limit + ".";
}

class MemoryOptionsDlg : public testing::Test {
protected:
    void SetUp() override {
        owner_ = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { DestroyWindow(owner_); }

    INT_PTR Run(CModalScript::Script script) {
        CModalScript driver("Memory Optimization Options", std::move(script));
        CMemoryOptionsDlg dialog;
        const INT_PTR result = dialog.Show(owner_);
        EXPECT_EQ(driver.Seen(), 1);
        return result;
    }
    // What the dialog says about automatic optimisation; closed with Cancel.
    std::string StatusShown() {
        std::string shown;
        Run([&](HWND dialog) {
            shown = ItemText(dialog, IDC_AUTO_OPTIMIZE_STATUS);
            ClickDialogButton(dialog, IDCANCEL);
        });
        return shown;
    }

    CMachineMemory memory_{268435456};
    CRegistrySandbox sandbox_{CRegistrySandbox::kLocalMachine};
    CScriptedMessages messages_;
    HWND owner_ = nullptr;
};

TEST_F(MemoryOptionsDlg, OffersTenPercentAndAcceptsLevelsUpToAQuarterOfTheMemory) {
    // Nothing stored yet: the report is on, automatic optimisation off, 10 % suggested.
    EXPECT_EQ(Run([](HWND dialog) {
                  EXPECT_EQ(ItemText(dialog, IDC_TOTAL_PHYSICAL), "257MB");
                  EXPECT_EQ(ItemText(dialog, IDC_AUTO_OPTIMIZE_LEVEL), "25");
                  EXPECT_TRUE(IsChecked(dialog, IDC_SHOW_POST_DIALOG));
                  EXPECT_FALSE(IsChecked(dialog, IDC_USE_AUTO_OPTIMIZE));
                  HWND level = GetDlgItem(dialog, IDC_AUTO_OPTIMIZE_LEVEL);
                  EXPECT_FALSE(IsWindowEnabled(level));
                  SetBox(dialog, IDC_USE_AUTO_OPTIMIZE, true);
                  EXPECT_TRUE(IsWindowEnabled(level));
                  for (const char* refused : {"65", "", "0", "abc", "99999999999"}) {
                      SetWindowTextA(level, refused);
                      ClickDialogButton(dialog, IDOK);
                      EXPECT_TRUE(IsWindowVisible(dialog)) << refused;
                  }
                  EXPECT_EQ(Stored(), (std::vector<int>{-1, -1, -1}));
                  SetWindowTextA(level, "1");
                  ClickDialogButton(dialog, IDOK);
              }),
              IDOK);
    const std::string zero = "Zero is not valid, please enter a number \nbetween 1 to 64.";
    EXPECT_EQ(messages_.Texts(),
              (std::vector<std::string>{TooBig("64"), zero, zero, zero, TooBig("64")}));
    EXPECT_EQ(Stored(), (std::vector<int>{1, 1, 1}));

    // The stored level comes back; 64 is the highest accepted.
    EXPECT_EQ(Run([](HWND dialog) {
                  EXPECT_TRUE(IsChecked(dialog, IDC_USE_AUTO_OPTIMIZE));
                  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_AUTO_OPTIMIZE_LEVEL)));
                  EXPECT_EQ(ItemText(dialog, IDC_AUTO_OPTIMIZE_LEVEL), "1");
                  SetDlgItemTextA(dialog, IDC_AUTO_OPTIMIZE_LEVEL, "64");
                  SetBox(dialog, IDC_SHOW_POST_DIALOG, false);
                  ClickDialogButton(dialog, IDOK);
              }),
              IDOK);
    EXPECT_EQ(Stored(), (std::vector<int>{1, 64, 0}));

    // Cancel stores nothing.
    EXPECT_EQ(Run([](HWND dialog) {
                  EXPECT_FALSE(IsChecked(dialog, IDC_SHOW_POST_DIALOG));
                  SetBox(dialog, IDC_USE_AUTO_OPTIMIZE, false);
                  SetBox(dialog, IDC_SHOW_POST_DIALOG, true);
                  ClickDialogButton(dialog, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(Stored(), (std::vector<int>{1, 64, 0}));

    // Switching automatic optimisation off stores the 10 % level, whatever the edit holds.
    EXPECT_EQ(Run([](HWND dialog) {
                  SetBox(dialog, IDC_USE_AUTO_OPTIMIZE, false);
                  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_AUTO_OPTIMIZE_LEVEL)));
                  ClickDialogButton(dialog, IDOK);
              }),
              IDOK);
    EXPECT_EQ(Stored(), (std::vector<int>{0, 25, 0}));
    EXPECT_EQ(messages_.Texts().size(), 5u);
}

// While automatic optimisation is paused, the dialog says why.
TEST_F(MemoryOptionsDlg, TellsWhyAutomaticOptimisationIsPaused) {
    class FailingOptimizer : public CMemoryOptimizer {
    public:
        int Optimize(const std::string&) override { return 0; }
    } optimizer;
    StoreOption("UseAutoMemOptimize", 1);
    StoreOption("AutoMemOptimize", 200);
    CAutoOptimizer rule(optimizer, nullptr);
    ASSERT_EQ(rule.Watch(), CAutoOptimizer::kPause);
    EXPECT_EQ(StatusShown(), "Auto Memory Optimization is paused for 5 minutes: the optimizer "
                             "could not be started (it needs Windows Script Host).");
    StoreOption("AutoMemOptimize", 1);
    ASSERT_EQ(rule.Watch(), CAutoOptimizer::kKeepWatching);
    EXPECT_EQ(StatusShown(), "");
}

// The memory, the suggestion and the limit are the machine's, 2 GB and beyond included.
TEST_F(MemoryOptionsDlg, TheLimitsFollowTheWholeMemoryFrom64MegabytesTo64Gigabytes) {
    const struct {
        ULONGLONG totalMB;
        const char *shown, *suggested, *limit, *tooBig;
    } cases[] = {{64, "65MB", "6", "16", "17"},
                 {2048, "2049MB", "204", "512", "513"},
                 {3584, "3585MB", "358", "896", "897"},
                 {8192, "8193MB", "819", "2048", "2049"},
                 {65536, "65537MB", "6553", "16384", "16385"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        memory_.Set(c.totalMB << 20, (c.totalMB << 20) / 2);
        EXPECT_EQ(Run([&](HWND dialog) {
                      EXPECT_EQ(ItemText(dialog, IDC_TOTAL_PHYSICAL), c.shown);
                      EXPECT_EQ(ItemText(dialog, IDC_AUTO_OPTIMIZE_LEVEL), c.suggested);
                      SetBox(dialog, IDC_USE_AUTO_OPTIMIZE, true);
                      SetDlgItemTextA(dialog, IDC_AUTO_OPTIMIZE_LEVEL, c.tooBig);
                      ClickDialogButton(dialog, IDOK);
                      SetDlgItemTextA(dialog, IDC_AUTO_OPTIMIZE_LEVEL, c.limit);
                      ClickDialogButton(dialog, IDOK);
                  }),
                  IDOK);
        EXPECT_EQ(messages_.Texts().back(), TooBig(c.limit));
        EXPECT_EQ(std::to_string(StoredOption("AutoMemOptimize").Number()), c.limit);
        ForgetOptions();
    }
}

TEST(MemoryOptionsNumbers, TheLevelIsTheLeadingDigitsHeldAtTheLargestNumber) {
    EXPECT_EQ(CMemoryOptionsDlg::LeadingNumber("64MB"), 64u);
    EXPECT_EQ(CMemoryOptionsDlg::LeadingNumber(" 64"), 0u);
    EXPECT_EQ(CMemoryOptionsDlg::LeadingNumber("4294967295"), 4294967295u);
    EXPECT_EQ(CMemoryOptionsDlg::LeadingNumber("4294967296"), 4294967295u);
    EXPECT_EQ(CMemoryOptionsDlg::LeadingNumber("000000000000000000007"), 7u);
}

} // namespace
