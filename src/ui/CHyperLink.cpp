#include "ui/CHyperLink.h"

#include "platform/ShellOpen.h"
#include "res/resource.h"
#include "ui/CClientDC.h"
#include "ui/CSelectedObject.h"

namespace {
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
}

BOOL CHyperLink::Attach(HWND control, int points) {
    if (!Subclass(control))
        return FALSE;
    LOGFONTA description = {};
    {
        CClientDC dc(window_);
        description.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    }
    description.lfWeight = FW_NORMAL;
    description.lfUnderline = TRUE;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(description.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    font_.Reset(CreateFontIndirectA(&description));
    cursor_ = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_CURSOR));
    Invalidate(true);
    return TRUE;
}

void CHyperLink::SetLink(int kind, const std::string& target, const std::string& subject,
                         int helpId) {
    kind_ = kind;
    target_ = target;
    subject_ = subject;
    helpId_ = helpId;
}

void CHyperLink::ShowLinkCursor() const {
    if (cursor_ != nullptr)
        SetCursor(cursor_);
}

void CHyperLink::Paint(HDC dc) {
    const RECT area = ClientRect();
    // The parent's static colours give the background the dialog uses.
    HBRUSH background = reinterpret_cast<HBRUSH>(SendMessageA(Parent(), WM_CTLCOLORSTATIC,
                                                              reinterpret_cast<WPARAM>(dc),
                                                              reinterpret_cast<LPARAM>(window_)));
    FillRect(dc, &area, background != nullptr ? background : GetSysColorBrush(COLOR_BTNFACE));
    const std::string text = Text();
    CSelectedObject selected(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kLinkColour);
    RECT box = area;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT painted = 0;
    if (HandlePaint(message, wParam, painted))
        return painted;
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_SETCURSOR:
        if (cursor_ == nullptr)
            break;
        ShowLinkCursor();
        return TRUE;
    case WM_MOUSEMOVE:
        ShowLinkCursor();
        return 0;
    case WM_LBUTTONUP: {
        ShowLinkCursor();
        const HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        OpenLink(kind_, target_.empty() ? Text() : target_, subject_, window_);
        SetCursor(previous);
        return 0;
    }
    default:
        break;
    }
    return CallOriginal(message, wParam, lParam);
}
