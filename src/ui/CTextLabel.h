#pragma once

#include <string>
#include <windows.h>

#include "ui/CGdiObject.h"
#include "ui/CPaintedControl.h"

// The text control of every page: a static text that draws itself in its own font and colours,
// either straight onto what lies behind it (transparent) or off-screen with a filled background.
// The setters return the label, so that they chain:
//     label.SetTransparent(true).SetFontName("Tahoma", 0).SetFontSize(10);
class CTextLabel : public CPaintedControl {
public:
    // The notification a link label in notify mode sends to its parent when clicked.
    static constexpr UINT kLinkClicked = 0x8200;
    static constexpr UINT_PTR kFlashTimer = 1;
    static constexpr UINT kFlashPeriod = 500;

    ~CTextLabel() override;

    // Attaches to an existing static control and takes over its font.
    BOOL Attach(HWND control);
    BOOL AttachItem(HWND parent, int id) { return Attach(GetDlgItem(parent, id)); }

    virtual CTextLabel& SetBkColor(COLORREF colour, COLORREF gradient = 0, bool gradientOn = false);
    virtual CTextLabel& SetTextColor(COLORREF colour);
    virtual CTextLabel& SetText(const std::string& text);
    virtual CTextLabel& SetFontBold(bool on);
    virtual CTextLabel& SetFontName(const std::string& face, BYTE charSet = DEFAULT_CHARSET);
    virtual CTextLabel& SetFontUnderline(bool on);
    virtual CTextLabel& SetFontItalic(bool on);
    virtual CTextLabel& SetFontSize(int points);
    virtual CTextLabel& SetLink(bool on, COLORREF hoverColour);
    virtual CTextLabel& SetSunken(bool on);
    virtual CTextLabel& SetBorder(bool on);
    virtual CTextLabel& SetTransparent(bool on);
    virtual CTextLabel& FlashText(bool on);
    virtual CTextLabel& FlashBackground(bool on);
    // Notify style: mouse clicks reach the label, and a link click notifies the parent
    // (WM_NOTIFY with code `code`) instead of opening the text.
    virtual CTextLabel& SetNotify(bool on, UINT code = kLinkClicked);
    virtual CTextLabel& SetOption(int value);
    // 3-D text: the text once more in the shadow colour, one pixel down-right (direction
    // nonzero) or up-left (zero).
    virtual CTextLabel& Set3DText(bool on, int direction = 1);
    virtual CTextLabel& SetRotation(int degrees, bool on = true);
    virtual CTextLabel& SetShadowColor(COLORREF colour);
    CTextLabel& SetLinkCursor(HCURSOR cursor);

    int Option() const { return option_; }
    HFONT Font() const { return font_.Get(); }
    const LOGFONTA& FontDescription() const { return description_; }

    // The DrawText format for a static style and its text, by the alignment rules of the label.
    static UINT TextFormat(LONG_PTR style, const std::string& text);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RebuildFont();
    // Repaints the label and, for a transparent one, what lies behind it in the parent.
    void Refresh();
    void Paint(HDC dc) override;
    void FillBackground(HDC dc, const RECT& area) const;
    void DrawContent(HDC dc, const RECT& area);
    void DrawRotated(HDC dc, const RECT& area, const std::string& text) const;
    void ChangeStyle(bool exStyle, LONG_PTR bits, bool on);
    void UpdateFlashTimer();
    void OnLinkClick();

    COLORREF textColour_ = GetSysColor(COLOR_WINDOWTEXT);
    COLORREF bkColour_ = RGB(255, 255, 255);
    COLORREF gradientColour_ = 0;
    bool gradient_ = false;
    CBrushHandle brush_{CreateSolidBrush(GetSysColor(COLOR_BTNFACE))};
    LOGFONTA description_ = {};
    CFontHandle font_;
    bool transparent_ = false;
    bool text3d_ = false;
    int direction3d_ = 1;
    COLORREF highlightColour_ = GetSysColor(COLOR_3DHIGHLIGHT);
    COLORREF shadowColour_ = GetSysColor(COLOR_3DSHADOW);
    int rotation_ = 0;
    bool flashText_ = false;
    bool flashBackground_ = false;
    bool flashPhase_ = false;
    UINT_PTR flashTimer_ = 0;
    bool link_ = false;
    COLORREF hoverColour_ = RGB(0, 0, 255);
    HCURSOR linkCursor_ = nullptr;
    bool tracking_ = false;
    bool hovering_ = false;
    BYTE underlineBeforeHover_ = FALSE;
    bool notify_ = false;
    UINT notifyCode_ = kLinkClicked;
    int option_ = 0;
};
