#pragma once

#include <string>

#include "ui/CPage.h"
#include "ui/ITweakPage.h"

// A blank page naming the page it stands in for, which counts the main window's calls. As a
// tweak page it commits nothing and succeeds unless told otherwise.
class CPlaceholderPage : public CPage, public ITweakPage {
public:
    // height: the page's client height in pixels (0 keeps the dialog's own).
    CPlaceholderPage(const std::string& name, IMainWindow& main, int height = 0)
        : CPage(kDialogId, main), name_(name), height_(height) {}

    int Apply() override {
        ++applies_;
        return applyResult_;
    }
    void Load() override { ++loads_; }

    void SetApplyResult(int result) { applyResult_ = result; }
    int Applies() const { return applies_; }
    int Loads() const { return loads_; }

protected:
    BOOL OnInit() override;

private:
    static const UINT kDialogId;

    std::string name_;
    int height_;
    int applyResult_ = 1;
    int applies_ = 0;
    int loads_ = 0;
};
