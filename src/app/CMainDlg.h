#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/CHelpPanel.h"
#include "app/CMenuHost.h"
#include "app/CPendingChanges.h"
#include "app/IMenuCommands.h"
#include "app/MainPages.h"
#include "platform/CAppSettings.h"
#include "ui/CGdiObject.h"
#include "ui/CPageHost.h"
#include "ui/CSkinButtonSet.h"
#include "ui/CSkinDialog.h"
#include "ui/IMainWindow.h"

class IMainWindowOwner;

// The skinned main window (dialog 129 on bitmap 130) with its four sections. It shows one page
// at a time in its page host, keeps the Apply/Cancel bookkeeping of the tweak pages, slides the
// help panel and drops the four menus. The owner creates it when the main window is shown and
// destroys it when it is hidden.
class CMainDlg : public CSkinDialog, public IMainWindow, public IMenuCommands {
public:
    enum Section : int { kAutoTune, kManual, kStatus, kBurnIn, kSectionCount };

    explicit CMainDlg(IMainWindowOwner& owner, MainPageFactory pages = MakeMainPage);
    ~CMainDlg() override;

    // Creates the window hidden; FALSE when a button, the skin, the page host or a page fails.
    BOOL Create(HWND owner);

    // IMainWindow
    void NotifyPageChange(int changed, int counted, int reset) override;
    void CountRestartChange() override { ++restartCount_; }
    // The restart question with this window's own count of changes waiting for a restart.
    void AskToRestart(RestartMode mode, HWND asker) override;
    void ShowTweakHelp(const std::string& text) override;
    void LockNavigation(bool busy) override;
    void EnableAutoTuneButton(bool enable) override;
    // Reads every open tweak page again and forgets the pending changes.
    void ReloadTweakPages() override;
    void ShowAutoTuneSection() override { ShowSection(kAutoTune); }
    void ShowTweakPage(Module module) override;
    void ShowMemoryStatusPage() override;
    void ShowCpuTestPage() override;
    void ShowAnalysisPage() override;
    void ShowRecommendationsPage(const std::vector<std::string>& texts) override;

    // IMenuCommands
    void PrepareMenu(UINT menuId, HMENU popup) override;
    void OnMenuCommand(UINT menuId, UINT command) override;

    // The other sections, which only the main window's own buttons and View menu switch to.
    void ShowManualSection() { ShowSection(kManual); }
    void ShowStatusSection() { ShowSection(kStatus); }
    void ShowBurnInSection() { ShowSection(kBurnIn); }

    // Committed changes that need a restart since this window was created.
    int RestartCount() const { return restartCount_; }
    int PendingChanges() const { return pending_.Count(); }
    Section CurrentSection() const { return section_; }
    UINT BannerId() const { return bannerId_; }
    // The page shown now (a MainPageKind), -1 before the first.
    int CurrentPage() const { return currentPage_; }
    // The page of that kind, made now when it was not needed before; null when it cannot be.
    CPage* Page(int kind) { return EnsurePage(kind); }
    CSkinButton* Button(int id) const { return buttons_.Find(id); }
    CPageHost& PageHost() { return pageHost_; }
    // The help panel, made (hidden, with the current help text) when first asked for.
    CHelpPanel& HelpPanel();
    // The text every section switch gives the help panel.
    static const char* SectionHelpText(Section section);

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Makes the memory status page once the opened window has been painted.
    static constexpr UINT_PTR kMemoryPageTimer = 1;

    bool Initialise();
    bool CreateButtons();
    bool CreatePages();
    // Makes the page (hidden, a child of the pager) unless it exists; null when it cannot.
    CPage* EnsurePage(int kind);
    ITweakPage* EnsureTweakPage(int kind);
    void ShowSection(Section section);
    // Hides every page, gives the host its bitmap (0 keeps it) and shows the page.
    void SwitchToPage(int kind);
    void PlacePage(int kind);
    void SetBanner(UINT bitmapId);
    void EnableButton(int id, bool enable) const { buttons_.Enable(id, enable); }
    void ShowButton(int id, bool show) const { buttons_.Show(id, show); }
    void ApplyButtons(const CPendingChanges::Buttons& buttons) const;
    void ToggleHelpPanel();
    // The panel's text, kept for the panel while it is not made yet.
    void SetPanelText(const std::string& text);
    void DropMenu(int buttonId);
    void OnApply();
    void OnCancelChanges();
    void FollowMove();
    // Realises the skin palettes when the screen draws through one; true when it did.
    bool RealizePalettes();

    IMainWindowOwner& owner_;
    MainPageFactory makePage_;
    CSkinButtonSet buttons_;
    CHelpPanel helpPanel_;
    std::string panelText_;
    CPageHost pageHost_;
    CBitmapHandle banner_;
    UINT bannerId_ = 0;
    CBitmapHandle band_;
    MainPage pages_[kMainPageCount];
    std::unique_ptr<CMenuHost> menus_[4];
    int restartCount_ = 0;
    CPendingChanges pending_;
    CAppSettings settings_;
    Section section_ = kAutoTune;
    int currentPage_ = -1;
    DWORD showAtStartupWhenOpened_ = 1;
};
