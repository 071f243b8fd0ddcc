#include "ui/CSkinButton.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/COptionalApi.h"
#include "ui/CClientDC.h"
#include "ui/CSkinCache.h"
#include "ui/SkinRegion.h"

namespace {

constexpr UINT_PTR kToolId = 1;

// The property of a top-level window that holds the tooltip control its skin buttons share.
LPCSTR SharedTooltipProperty() {
    static const ATOM atom = GlobalAddAtomA("TorvaneSkinButtonTooltip");
    return MAKEINTATOM(atom);
}

HWND TopLevelOf(HWND window) {
    HWND root = COptionalApi::Ancestor(window, GA_ROOT);
    return root != nullptr ? root : window;
}

} // namespace

CSkinButton::~CSkinButton() {
    LeaveTooltip();
    if (window_ != nullptr && IsWindow(window_)) {
        HWND window = window_;
        Unsubclass();
        DestroyWindow(window);
    }
}

BOOL CSkinButton::Create(const std::string& caption, DWORD style, UINT normal, UINT hover,
                         UINT pressed, UINT disabled, COLORREF transparent, HWND parent, int id,
                         POINT at) {
    // The pictures and the shape come from the program-wide cache: made once, shared by every
    // button and every opening of a window that shows them.
    const UINT ids[4] = {normal, hover, pressed, disabled};
    for (int i = 0; i < 4; ++i)
        if ((pictures_[i] = CSkinCache::Bitmap(ids[i])) == nullptr)
            return FALSE;
    const CSkinCache::Shape* shape = CSkinCache::ShapeOf(normal, transparent);
    if (shape == nullptr)
        return FALSE;
    return Build(caption, style, *shape, parent, id, at);
}

BOOL CSkinButton::Create(const std::string& caption, DWORD style, const std::string& normal,
                         const std::string& hover, const std::string& pressed,
                         const std::string& disabled, COLORREF transparent, HWND parent, int id) {
    const std::string* paths[4] = {&normal, &hover, &pressed, &disabled};
    for (int i = 0; i < 4; ++i) {
        if (ownPictures_[i].LoadFromFile(*paths[i]) == nullptr)
            return FALSE;
        pictures_[i] = &ownPictures_[i];
    }
    CSkinCache::Shape shape;
    shape.region.Reset(CreateRegionFromBitmap(ownPictures_[0].Handle(), transparent,
                                              kSkinTolerance));
    if (!shape.region)
        return FALSE;
    GetRgnBox(shape.region, &shape.box);
    return Build(caption, style, shape, parent, id, POINT{0, 0});
}

BOOL CSkinButton::Build(const std::string& caption, DWORD style, const CSkinCache::Shape& shape,
                        HWND parent, int id, POINT at) {
    const RECT box = shape.box;
    if (box.right <= box.left || box.bottom <= box.top)
        return FALSE;
    // The shape starts at the button's corner; the pictures are drawn shifted to match.
    shape_.Reset(CSkinCache::CopyRegion(shape, -box.left, -box.top));
    if (!shape_)
        return FALSE;
    origin_ = POINT{box.left, box.top};
    focusRect_ = InnerFocusRect();
    const DWORD buttonStyle =
        (style & ~static_cast<DWORD>(BS_TYPEMASK)) | WS_CHILD | WS_TABSTOP | BS_OWNERDRAW;
    HWND window = CreateWindowExA(0, "BUTTON", caption.c_str(), buttonStyle, at.x, at.y,
                                  box.right - box.left, box.bottom - box.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr)
        return FALSE;
    if (!Subclass(window)) {
        DestroyWindow(window);
        return FALSE;
    }
    // Systems before Windows 2000 do not know the message and answer 0: cues always shown.
    hideFocus_ = (Send(WM_QUERYUISTATE) & UISF_HIDEFOCUS) != 0;
    HRGN windowShape = CSkinCache::CopyRegion(shape, -box.left, -box.top);
    // A button not on the screen yet is drawn when it is shown.
    if (windowShape != nullptr && SetWindowRgn(window, windowShape, IsWindowVisible(window)) == 0)
        DeleteObject(windowShape);
    return TRUE;
}

const CSkinBitmap& CSkinButton::Current() const {
    if (!IsEnabled())
        return *pictures_[kDisabled];
    if (Send(BM_GETSTATE) & BST_PUSHED)
        return *pictures_[kPressed];
    return *pictures_[hovering_ ? kHover : kNormal];
}

void CSkinButton::Paint(HDC dc) {
    const CSkinBitmap& picture = Current();
    const RECT place = {-origin_.x, -origin_.y, picture.Width() - origin_.x,
                        picture.Height() - origin_.y};
    // The button's shape is the window's region: kept here, it need not be asked of the system.
    picture.DrawClipped(dc, place, shape_);
    if (ShowsFocus()) {
        // Drawn inside the shape; the window's region clips whatever a round corner leaves out.
        const int saved = SaveDC(dc);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focusRect_);
        RestoreDC(dc, saved);
    }
}

bool CSkinButton::ShowsFocus() const {
    return window_ != nullptr && focused_ && !hideFocus_;
}

void CSkinButton::UpdateFocusCue(WPARAM change) {
    if (HIWORD(change) & UISF_HIDEFOCUS) {
        if (LOWORD(change) == UIS_SET)
            hideFocus_ = true;
        else if (LOWORD(change) == UIS_CLEAR)
            hideFocus_ = false;
    }
    if (LOWORD(change) == UIS_INITIALIZE)
        hideFocus_ = (Send(WM_QUERYUISTATE) & UISF_HIDEFOCUS) != 0;
}

RECT CSkinButton::InnerFocusRect() const {
    RECT box = {};
    GetRgnBox(shape_, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    const auto on = [this](int x, int y) { return PtInRegion(shape_, x, y) != FALSE; };
    for (int inset = 3; 2 * inset + 6 <= width && 2 * inset + 6 <= height; ++inset) {
        const RECT inner = {box.left + inset, box.top + inset, box.right - inset,
                            box.bottom - inset};
        if (on(inner.left, inner.top) && on(inner.right - 1, inner.top) &&
            on(inner.left, inner.bottom - 1) && on(inner.right - 1, inner.bottom - 1))
            return inner;
    }
    RECT inner = box;
    InflateRect(&inner, -3, -3);
    return inner;
}

void CSkinButton::Redraw() {
    // A button not on the screen (hidden, or in a window being built) is drawn when it is shown.
    if (!IsWindowVisible(window_))
        return;
    Invalidate(false);
    Update();
}

void CSkinButton::RealizeButtonPalette() {
    if (window_ == nullptr)
        return;
    {
        CClientDC dc(window_);
        HPALETTE previous = Current().SelectInto(dc);
        if (previous != nullptr)
            SelectPalette(dc, previous, TRUE);
        RealizePalette(dc);
    }
    Invalidate(false);
}

bool CSkinButton::InShape(POINT point) const {
    RECT box = {};
    GetRgnBox(shape_, &box);
    return PtInRect(&box, point) && PtInRegion(shape_, point.x, point.y);
}

void CSkinButton::HoverTest(POINT point) {
    if (InShape(point)) {
        if (GetCapture() != window_)
            SetCapture(window_);
        captured_ = true;
        if (!tracking_) {
            // The capture brings every move only to the active window: in the background, the
            // system's leave message tells that the pointer went off the shape.
            TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, window_, 0};
            tracking_ = _TrackMouseEvent(&track) != FALSE;
        }
        if (!hovering_) {
            hovering_ = true;
            Redraw();
        }
        return;
    }
    // Outside the shape, even on a transparent corner inside the rectangle: let the mouse go.
    if (GetCapture() == window_)
        ReleaseCapture();
    captured_ = false;
    if (hovering_) {
        hovering_ = false;
        Redraw();
    }
}

void CSkinButton::HoverTestAtCursor() {
    POINT point = {};
    if (window_ == nullptr || !GetCursorPos(&point) || !ScreenToClient(window_, &point))
        return;
    if (hovering_ || InShape(point))
        HoverTest(point);
}

void CSkinButton::EnsureTooltip() {
    if (tooltip_ != nullptr || window_ == nullptr)
        return;
    // One tooltip control serves every skin button of a top-level window: a tool per button.
    HWND root = TopLevelOf(window_);
    // The buttons of a window are made one after the other: the last control found is kept here,
    // which spares asking the window for its property (a request to the server under Wine).
    static HWND lastRoot = nullptr, lastShared = nullptr;
    HWND shared = root == lastRoot && IsWindow(lastShared) && GetWindow(lastShared, GW_OWNER) == root
                      ? lastShared
                      : static_cast<HWND>(GetPropA(root, SharedTooltipProperty()));
    if (shared != nullptr && IsWindow(shared)) {
        tooltip_ = lastShared = shared;
        lastRoot = root;
        return;
    }
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_NOANIMATE | TTS_NOFADE,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    if (tooltip_ != nullptr) {
        SetPropA(root, SharedTooltipProperty(), tooltip_);
        lastRoot = root;
        lastShared = tooltip_;
    }
}

void CSkinButton::LeaveTooltip() {
    HWND tooltip = tooltip_;
    const bool hadTool = hasTool_;
    tooltip_ = nullptr;
    hasTool_ = false;
    // The tooltip goes with its top-level window; before that, with the last button it serves.
    if (tooltip == nullptr || !IsWindow(tooltip))
        return;
    if (hadTool && window_ != nullptr) {
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = window_;
        tool.uId = kToolId;
        SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0) != 0)
        return;
    HWND root = GetWindow(tooltip, GW_OWNER);
    if (root != nullptr && GetPropA(root, SharedTooltipProperty()) == tooltip)
        RemovePropA(root, SharedTooltipProperty());
    DestroyWindow(tooltip);
}

void CSkinButton::RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) {
    if (tooltip_ == nullptr || !hasTool_)
        return;
    MSG relayed = {window_, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    const DWORD position = GetMessagePos();
    relayed.pt = POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void CSkinButton::SetTooltip(const std::string& text, bool activate) {
    EnsureTooltip();
    if (tooltip_ == nullptr)
        return;
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE; // understood by every version of the common controls
    tool.hwnd = window_;
    tool.uId = kToolId;
    tool.lpszText = const_cast<char*>(text.c_str());
    // The control is shared: a button's tip is switched off by taking its tool out.
    if (!activate) {
        if (hasTool_)
            SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        hasTool_ = false;
        return;
    }
    if (hasTool_) {
        SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    tool.rect = ClientRect();
    hasTool_ = SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

LRESULT CSkinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        RelayToTooltip(message, wParam, lParam);
    LRESULT painted = 0;
    if (HandlePaint(message, wParam, painted))
        return painted;
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_ENABLE:
        if (!wParam) {
            hovering_ = false;
            if (GetCapture() == window_)
                ReleaseCapture();
        }
        [[fallthrough]];
    case BM_SETSTATE:
    case WM_SETTEXT: {
        // The button's own procedure would ask the parent to draw: draw the picture instead.
        const LRESULT result = CallOriginal(message, wParam, lParam);
        Redraw();
        return result;
    }
    case WM_MOUSEMOVE:
        if (!heldDown_)
            HoverTest(point);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // A double click counts as a second press, so two quick clicks are two clicks.
        heldDown_ = true;
        if (GetCapture() != window_)
            SetCapture(window_);
        captured_ = true;
        return CallOriginal(WM_LBUTTONDOWN, wParam, lParam);
    }
    case WM_LBUTTONUP: {
        HoverTest(point);
        const LRESULT result = CallOriginal(message, wParam, lParam); // the click, if any
        heldDown_ = false;
        if (window_ == nullptr)
            return result; // the click destroyed the button
        if (hovering_ && IsVisible() && IsEnabled()) {
            // The button's procedure let the mouse go: keep it to see the pointer leave.
            SetCapture(window_);
            captured_ = true;
        } else if (GetCapture() == window_) {
            ReleaseCapture();
        }
        return result;
    }
    case WM_MOUSELEAVE: {
        tracking_ = false;
        // The system may tell of a leave late: after the pointer went off a transparent corner
        // and came back onto the shape. Where the pointer is now decides.
        POINT cursor = {};
        if (!heldDown_ && hovering_ && GetCursorPos(&cursor) &&
            WindowFromPoint(cursor) == window_ && ScreenToClient(window_, &cursor) &&
            InShape(cursor)) {
            HoverTest(cursor);
            return 0;
        }
        if (!heldDown_ && hovering_) {
            if (GetCapture() == window_)
                ReleaseCapture();
            captured_ = false;
            hovering_ = false;
            Redraw();
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window_)
            captured_ = false;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
        // The focus rectangle comes and goes with the focus and with the keyboard cues.
        const LRESULT result = CallOriginal(message, wParam, lParam);
        if (message == WM_SETFOCUS)
            focused_ = true;
        if (message == WM_KILLFOCUS) {
            focused_ = false;
            heldDown_ = false; // the button's procedure gave up a press in progress
        }
        if (message == WM_UPDATEUISTATE)
            UpdateFocusCue(wParam);
        if (window_ != nullptr)
            Redraw();
        return result;
    }
    case WM_KEYDOWN:
        // Space presses the button; the hover logic must not let the capture go meanwhile.
        if (wParam == VK_SPACE && IsEnabled())
            heldDown_ = true;
        break;
    case WM_KEYUP: {
        if (wParam != VK_SPACE)
            break;
        const LRESULT result = CallOriginal(message, wParam, lParam); // the click, if any
        heldDown_ = false;
        HoverTestAtCursor();
        return result;
    }
    case WM_DESTROY:
        LeaveTooltip();
        break;
    default:
        break;
    }
    return CallOriginal(message, wParam, lParam);
}

void CSkinButton::OnWindowGone() {
    heldDown_ = hovering_ = captured_ = tracking_ = focused_ = false;
}
