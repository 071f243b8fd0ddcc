#pragma once

#include <string>
#include <vector>

#include "ui/CColorProgressCtrl.h"
#include "ui/CPage.h"

// The last page of Auto Tune: the changes the analysis found, and their commit. The commit
// writes every recommended value module by module (the Internet values only when they were
// listed), marks Auto Tune as done, disables the Auto Tune button, has the open tweak pages read
// the new values and asks to restart Windows.
class CRecommendationsPage : public CPage {
public:
    explicit CRecommendationsPage(IMainWindow& main);
    // The nine texts of the analysis, in module order; called before the page is shown.
    void SetResults(const std::vector<std::string>& texts);

    // Whether the maker's Linkvane is installed: Auto Tune then leaves the Internet module alone.
    static bool IsLinkvaneInstalled();

    static const char* const kTitle;
    static const char* const kOptimizedText;
    static const char* const kCommitQuestion;
    static const char* const kCommittedTitle;
    static const char* const kCommittedText;

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;

private:
    void Commit();
    // Makes the results text as tall as its lines need and keeps the bar and the buttons below
    // it; the page grows past its template height when the list is long.
    void FitText(const std::string& text);
    RECT ItemPlace(int id) const;

    CColorProgressCtrl progress_;
    bool internetListed_ = false;
    // The template's layout in page pixels.
    RECT textPlace_ = {};
    RECT barPlace_ = {};
    int pageHeight_ = 0;
};
