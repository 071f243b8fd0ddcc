#include "ui/CTextLabel.h"

#include <cmath>
#include <cstring>
#include <commctrl.h>
#include <shellapi.h>

#include "platform/CTimeScale.h"
#include "ui/CClientDC.h"
#include "ui/CMemoryCanvas.h"
#include "ui/CSelectedObject.h"
#include "ui/ColorShades.h"

namespace {

constexpr int kMaxGradientBands = 100;
constexpr DWORD kHoverTime = 50;

} // namespace

CTextLabel::~CTextLabel() {
    if (flashTimer_ != 0 && window_ != nullptr)
        StopTimer(kFlashTimer);
}

BOOL CTextLabel::Attach(HWND control) {
    if (!Subclass(control))
        return FALSE;
    HFONT current = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    if (current == nullptr)
        current = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    GetObjectA(current, sizeof(description_), &description_);
    RebuildFont();
    return TRUE;
}

UINT CTextLabel::TextFormat(LONG_PTR style, const std::string& text) {
    UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    if ((style & SS_CENTERIMAGE) && text.find("\r\n") == std::string::npos)
        return format | DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        return format | DT_CENTER | DT_WORDBREAK;
    case SS_RIGHT:
        return format | DT_RIGHT | DT_WORDBREAK;
    default:
        return format | DT_LEFT | DT_WORDBREAK;
    }
}

void CTextLabel::RebuildFont() {
    font_.Reset(CreateFontIndirectA(&description_));
    if (window_ != nullptr)
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

void CTextLabel::Refresh() {
    // A label not on the screen (a page being built) is drawn whole when it is shown.
    if (window_ == nullptr || !IsWindowVisible(window_))
        return;
    if (transparent_) {
        HWND parent = Parent();
        RECT place = WindowRect();
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
        InvalidateRect(parent, &place, TRUE);
    }
    Invalidate(true);
}

void CTextLabel::ChangeStyle(bool exStyle, LONG_PTR bits, bool on) {
    const int index = exStyle ? GWL_EXSTYLE : GWL_STYLE;
    const LONG_PTR now = GetWindowLongPtrA(window_, index);
    SetWindowLongPtrA(window_, index, on ? (now | bits) : (now & ~bits));
    SetPos(nullptr, 0, 0, 0, 0,
           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

CTextLabel& CTextLabel::SetBkColor(COLORREF colour, COLORREF gradient, bool gradientOn) {
    bkColour_ = colour;
    gradientColour_ = gradient;
    gradient_ = gradientOn;
    if (!gradientOn)
        brush_.Reset(CreateSolidBrush(colour));
    highlightColour_ = LighterColor(colour, 64);
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetTextColor(COLORREF colour) {
    textColour_ = colour;
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetText(const std::string& text) {
    CWindow::SetText(text);
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetFontBold(bool on) {
    description_.lfWeight = on ? FW_BOLD : FW_NORMAL;
    RebuildFont();
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetFontName(const std::string& face, BYTE charSet) {
    lstrcpynA(description_.lfFaceName, face.c_str(), LF_FACESIZE);
    description_.lfCharSet = charSet;
    RebuildFont();
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetFontUnderline(bool on) {
    description_.lfUnderline = on ? TRUE : FALSE;
    RebuildFont();
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetFontItalic(bool on) {
    description_.lfItalic = on ? TRUE : FALSE;
    RebuildFont();
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetFontSize(int points) {
    // The height and width of a point font of points x 10 tenths in the current face.
    CClientDC dc(window_);
    LOGFONTA point = description_;
    point.lfHeight = -MulDiv(points * 10, GetDeviceCaps(dc, LOGPIXELSY), 720);
    point.lfWidth = 0;
    CFontHandle measured(CreateFontIndirectA(&point));
    LOGFONTA made = {};
    if (measured && GetObjectA(measured, sizeof(made), &made) != 0) {
        description_.lfHeight = made.lfHeight;
        description_.lfWidth = made.lfWidth;
    } else {
        description_.lfHeight = point.lfHeight;
        description_.lfWidth = 0;
    }
    RebuildFont();
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetLink(bool on, COLORREF hoverColour) {
    link_ = on;
    hoverColour_ = hoverColour;
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetLinkCursor(HCURSOR cursor) {
    linkCursor_ = cursor;
    return *this;
}

CTextLabel& CTextLabel::SetSunken(bool on) {
    ChangeStyle(true, WS_EX_STATICEDGE, on);
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetBorder(bool on) {
    ChangeStyle(false, WS_BORDER, on);
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetTransparent(bool on) {
    transparent_ = on;
    ChangeStyle(true, WS_EX_TRANSPARENT, on);
    Refresh();
    return *this;
}

void CTextLabel::UpdateFlashTimer() {
    const bool wanted = flashText_ || flashBackground_;
    if (wanted && flashTimer_ == 0)
        flashTimer_ = StartTimer(kFlashTimer, CTimeScale::Period(kFlashPeriod));
    if (!wanted && flashTimer_ != 0) {
        StopTimer(kFlashTimer);
        flashTimer_ = 0;
        flashPhase_ = false;
    }
    Refresh();
}

CTextLabel& CTextLabel::FlashText(bool on) {
    flashText_ = on;
    UpdateFlashTimer();
    return *this;
}

CTextLabel& CTextLabel::FlashBackground(bool on) {
    flashBackground_ = on;
    UpdateFlashTimer();
    return *this;
}

CTextLabel& CTextLabel::SetNotify(bool on, UINT code) {
    notify_ = on;
    notifyCode_ = code;
    ChangeStyle(false, SS_NOTIFY, on);
    return *this;
}

CTextLabel& CTextLabel::SetOption(int value) {
    option_ = value;
    return *this;
}

CTextLabel& CTextLabel::Set3DText(bool on, int direction) {
    text3d_ = on;
    direction3d_ = direction;
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetRotation(int degrees, bool on) {
    rotation_ = on ? degrees : 0;
    description_.lfEscapement = description_.lfOrientation = rotation_ * 10;
    RebuildFont();
    Refresh();
    return *this;
}

CTextLabel& CTextLabel::SetShadowColor(COLORREF colour) {
    shadowColour_ = colour;
    Refresh();
    return *this;
}

void CTextLabel::FillBackground(HDC dc, const RECT& area) const {
    const int width = area.right - area.left;
    COLORREF from = bkColour_;
    if (flashBackground_ && flashPhase_)
        from = RGB(255 - GetRValue(from), 255 - GetGValue(from), 255 - GetBValue(from));
    if (!gradient_) {
        if (flashBackground_ && flashPhase_) {
            CBrushHandle flash(CreateSolidBrush(from));
            FillRect(dc, &area, flash);
        } else {
            FillRect(dc, &area, brush_);
        }
        return;
    }
    // At most 100 bands, and never more bands than the label is wide.
    const int bands = width < kMaxGradientBands ? (width > 0 ? width : 1) : kMaxGradientBands;
    for (int band = 0; band < bands; ++band) {
        RECT part = {area.left + width * band / bands, area.top,
                     area.left + width * (band + 1) / bands, area.bottom};
        CBrushHandle brush(CreateSolidBrush(BlendColor(from, gradientColour_, band, bands)));
        FillRect(dc, &part, brush);
    }
}

void CTextLabel::DrawRotated(HDC dc, const RECT& area, const std::string& text) const {
    // The unrotated extent, then the starting point that puts the text's centre on the
    // label's centre.
    LOGFONTA flat = description_;
    flat.lfEscapement = flat.lfOrientation = 0;
    CFontHandle flatFont(CreateFontIndirectA(&flat));
    SIZE extent = {};
    {
        CSelectedObject selected(dc, flatFont.Get());
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    }
    const double angle = rotation_ * 3.14159265358979323846 / 180.0;
    const double halfW = extent.cx / 2.0;
    const double halfH = extent.cy / 2.0;
    const double dx = halfW * std::cos(angle) + halfH * std::sin(angle);
    const double dy = -halfW * std::sin(angle) + halfH * std::cos(angle);
    const int x = (area.left + area.right) / 2 - static_cast<int>(std::lround(dx));
    const int y = (area.top + area.bottom) / 2 - static_cast<int>(std::lround(dy));
    const UINT align = SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    SetTextAlign(dc, align);
}

void CTextLabel::DrawContent(HDC dc, const RECT& area) {
    if (flashText_ && flashPhase_)
        return;
    const std::string text = Text();
    CSelectedObject selected(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    const UINT format = TextFormat(Style(), text);
    auto draw = [&](COLORREF colour, int offset) {
        ::SetTextColor(dc, colour);
        if (rotation_ != 0) {
            RECT shifted = area;
            OffsetRect(&shifted, offset, offset);
            DrawRotated(dc, shifted, text);
            return;
        }
        RECT box = area;
        OffsetRect(&box, offset, offset);
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
    };
    if (text3d_)
        draw(shadowColour_, direction3d_ != 0 ? 1 : -1);
    draw(link_ && hovering_ ? hoverColour_ : textColour_, 0);
}

void CTextLabel::Paint(HDC dc) {
    const RECT area = ClientRect();
    if (transparent_) {
        DrawContent(dc, area);
        return;
    }
    CMemoryCanvas canvas(dc, area.right, area.bottom);
    if (!canvas) {
        FillBackground(dc, area);
        DrawContent(dc, area);
        return;
    }
    FillBackground(canvas, area);
    DrawContent(canvas, area);
    canvas.CopyTo(dc);
}

void CTextLabel::OnLinkClick() {
    if (notify_) {
        NMHDR header = {window_, static_cast<UINT_PTR>(Id()), notifyCode_};
        SendMessageA(Parent(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
        return;
    }
    const std::string target = Text();
    if (!target.empty())
        ShellExecuteA(Parent(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

LRESULT CTextLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT painted = 0;
    if (HandlePaint(message, wParam, painted))
        return painted;
    switch (message) {
    case WM_SETTEXT: {
        const LRESULT result = CallOriginal(message, wParam, lParam);
        Refresh();
        return result;
    }
    case WM_TIMER:
        if (wParam != kFlashTimer)
            break;
        flashPhase_ = !flashPhase_;
        Refresh();
        return 0;
    case WM_NCHITTEST:
        if (link_ || notify_)
            return HTCLIENT;
        break;
    case WM_SETCURSOR:
        if (link_ && linkCursor_ != nullptr) {
            SetCursor(linkCursor_);
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
        if (link_ && !tracking_) {
            TRACKMOUSEEVENT track = {sizeof(track), TME_HOVER | TME_LEAVE, window_, kHoverTime};
            tracking_ = _TrackMouseEvent(&track) != FALSE;
        }
        break;
    case WM_MOUSEHOVER:
        if (link_ && !hovering_) {
            hovering_ = true;
            underlineBeforeHover_ = description_.lfUnderline;
            description_.lfUnderline = TRUE;
            RebuildFont();
            Refresh();
        }
        return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        if (hovering_) {
            hovering_ = false;
            description_.lfUnderline = underlineBeforeHover_;
            RebuildFont();
            Refresh();
        }
        return 0;
    case WM_LBUTTONUP:
        if (link_) {
            OnLinkClick();
            return 0;
        }
        break;
    case WM_DESTROY:
        if (flashTimer_ != 0) {
            StopTimer(kFlashTimer);
            flashTimer_ = 0;
        }
        break;
    default:
        break;
    }
    return CallOriginal(message, wParam, lParam);
}
