#pragma once

#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include "ui/CGdiObject.h"
#include "ui/CModelessDialog.h"
#include "ui/CSkinButtonSet.h"
#include "ui/CTextLabel.h"

class IMainWindow;

// One skin button of a page, as a row of the page's constant button table. The caption is the
// button's window text: the words its picture shows, which the page's texts name; the tooltip may
// say more.
struct PageButton {
    int id;
    const char* caption;
    const char* tooltip;
    UINT normal, hover, pressed, disabled;
    int x, y; // page pixels of the top-left corner
};

// A page shown in the main window's pager: a child dialog made from its own resource, with a
// white background behind its static texts, its texts in Tahoma 10 and its skin buttons. Pages
// reach the main window only through IMainWindow.
class CPage : public CModelessDialog {
public:
    CPage(UINT dialogId, IMainWindow& main) : dialogId_(dialogId), main_(main) {}
    ~CPage() override = default;

    // Creates the page hidden, as a child of `parent` (the pager).
    BOOL CreatePage(HWND parent) { return Create(dialogId_, parent); }
    UINT DialogId() const { return dialogId_; }

protected:
    IMainWindow& Main() const { return main_; }

    // Creates the buttons of the table at their positions with their captions and tooltips; FALSE when one
    // cannot be made.
    BOOL CreateButtons(const PageButton* buttons, size_t count);
    CSkinButton* Button(int id) const { return buttons_.Find(id); }
    // Each does nothing when the page has no such button.
    void ShowButton(int id, bool show) const { buttons_.Show(id, show); }
    void EnableButton(int id, bool enable) const { buttons_.Enable(id, enable); }

    // Gives the static controls Tahoma `points` on a transparent background.
    void MakeLabels(const int* ids, size_t count, int points = 10);
    CTextLabel* Label(int id);
    // Through the label when the control is one, else as the control's plain text.
    void SetLabelText(int id, const std::string& text);

    // Scrolls the pager that shows the page back to the page's top.
    void ScrollToTop() const;

    // Static texts are painted on a white brush.
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    UINT dialogId_;
    IMainWindow& main_;
    CSkinButtonSet buttons_;
    std::vector<std::unique_ptr<CTextLabel>> labels_;
    CBrushHandle whiteBrush_{CreateSolidBrush(RGB(255, 255, 255))};
};
