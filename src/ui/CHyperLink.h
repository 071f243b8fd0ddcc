#pragma once

#include <string>
#include <windows.h>

#include "ui/CGdiObject.h"
#include "ui/CPaintedControl.h"

// A static text that opens an e-mail or web address when clicked: underlined blue text in
// "MS Sans Serif", with the link cursor (265) over it.
class CHyperLink : public CPaintedControl {
public:
    // Attaches to a static control and draws its text at the given point size.
    BOOL Attach(HWND control, int points = 8);
    BOOL AttachItem(HWND parent, int id, int points = 8) {
        return Attach(GetDlgItem(parent, id), points);
    }
    // kind: 1 e-mail address, 2 web address, 4 file or other target (see LinkKind); an empty
    // target opens the control's text.
    void SetLink(int kind, const std::string& target, const std::string& subject = std::string(),
                 int helpId = 0);

    int Kind() const { return kind_; }
    const std::string& Target() const { return target_; }
    const std::string& Subject() const { return subject_; }
    int HelpId() const { return helpId_; }
    HFONT Font() const { return font_.Get(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) override;
    void ShowLinkCursor() const;

    int kind_ = 2;
    std::string target_;
    std::string subject_;
    int helpId_ = 0;
    CFontHandle font_;
    HCURSOR cursor_ = nullptr;
};
