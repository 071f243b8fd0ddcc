#pragma once

#include "ui/CPage.h"

// The intro page of the Manual Tweaks, System Status and Burn-in Tests sections: the section's
// own texts, a button to its help page and one to its first page.
class CSectionIntroPage : public CPage {
public:
    enum Section : int { kManual, kStatus, kBurnIn };

    // Pixel size of every intro page.
    static constexpr int kWidth = 356;
    static constexpr int kHeight = 250;

    CSectionIntroPage(Section section, IMainWindow& main);

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;

private:
    Section section_;
};
