// A demo of the skins: the main window skin with its 25 buttons at their places, the page host
// showing a page with labels, a progress bar and the line chart, and the help panel beside it.
// The File button drops a small menu, so that screenshots can show a pop-up menu.
//
//     skin_demo.exe [seconds]     ends by itself after that many seconds (default: on close)
#include <cmath>
#include <cstdlib>
#include <string>
#include <windows.h>
#include <commctrl.h>

#include "SkinDemoIds.h"
#include "SkinLayout.h"
#include "res/resource.h"
#include "status/CLineChartCtrl.h"
#include "ui/CColorProgressCtrl.h"
#include "ui/CPageHost.h"
#include "ui/CSkinButton.h"
#include "ui/CSkinDialog.h"
#include "ui/CTextLabel.h"
#include "ui/SkinRegion.h"

namespace {

struct ButtonPlan {
    int id;
    const char* tooltip;
    UINT normal, hover, pressed, disabled;
    int x, y;
    bool shown;
    bool enabled;
};

constexpr UINT_PTR kChartTimer = 4;

BOOL MakeButton(CSkinButton& button, const ButtonPlan& plan, HWND parent) {
    if (!button.Create(plan.tooltip, WS_TABSTOP, plan.normal, plan.hover, plan.pressed,
                       plan.disabled, kSkinTransparent, parent, plan.id))
        return FALSE;
    button.MoveTo(plan.x, plan.y);
    if (plan.tooltip[0] != '\0')
        button.SetTooltip(plan.tooltip);
    button.Enable(plan.enabled);
    button.Show(plan.shown ? SW_SHOW : SW_HIDE);
    return TRUE;
}

HWND MakeChild(HWND parent, const char* className, const char* text, DWORD style, int id, int x,
               int y, int w, int h) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

// A page like the memory status page: white, with texts in Tahoma, the chart and a progress bar.
class DemoPage : public CModelessDialog {
public:
    CLineChartCtrl chart;

protected:
    BOOL OnInit() override {
        AddLabel(1239, "Free Physical Memory History Graph", 12, 8, 357, 18, 10, true);
        HWND graph = MakeChild(window_, CLineChartCtrl::kClassName, "", 0, 1234, 12, 30, 300, 120);
        chart.Subclass(graph);
        chart.AddSeries(RGB(255, 0, 0), 513, 0);
        chart.AddSeries(RGB(0, 255, 0), 513, 0);
        AddLabel(1242, "512\r\nMB\r\n(Max)", 318, 30, 50, 48, 8, false);
        AddLabel(1243, "0", 318, 136, 50, 14, 8, false);
        AddLabel(1260, "3:00 mins ago", 12, 152, 100, 14, 8, false);
        AddLabel(1259, "1:30 mins ago", 112, 152, 100, 14, 8, false, SS_CENTER);
        AddLabel(1258, "Now", 212, 152, 100, 14, 8, false, SS_RIGHT);
        AddLabel(1253, "Physical Memory Statistics", 12, 176, 357, 18, 10, true);
        AddLabel(1245, "Total:", 12, 198, 50, 16, 8, false);
        AddLabel(1228, "524288 KB", 64, 198, 160, 16, 8, false);
        AddLabel(1246, "Used:", 12, 214, 50, 16, 8, false);
        AddLabel(1229, "318464 KB (60%)", 64, 214, 160, 16, 8, false);
        AddLabel(1247, "Free:", 12, 230, 50, 16, 8, false);
        AddLabel(1230, "205824 KB (39%)", 64, 230, 160, 16, 8, false);
        HWND bar = MakeChild(window_, PROGRESS_CLASSA, "", 0, 1261, 12, 256, 220, 16);
        progress_.Attach(bar);
        progress_.SetBarColor(RGB(0, 0, 255));
        progress_.Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        progress_.Send(PBM_SETPOS, 62);
        MakeButton(free_, {1532, "Free Physical Memory", 307, 309, 308, 310, 245, 232, true, true},
                   window_);
        MakeButton(options_, {1533, "Memory Options", 314, 316, 315, 317, 245, 260, true, true},
                   window_);
        return TRUE;
    }
    BOOL OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC) {
            result = reinterpret_cast<LRESULT>(white_);
            return TRUE;
        }
        return FALSE;
    }

private:
    void AddLabel(int id, const char* text, int x, int y, int w, int h, int points, bool bold,
                  DWORD align = SS_LEFT) {
        HWND control = MakeChild(window_, "STATIC", text, align, id, x, y, w, h);
        labels_[count_].Attach(control);
        labels_[count_].SetTransparent(true).SetFontName("Tahoma", 0).SetFontSize(points);
        labels_[count_].SetFontBold(bold).SetTextColor(RGB(24, 26, 60));
        ++count_;
    }

    HBRUSH white_ = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    CTextLabel labels_[16];
    int count_ = 0;
    CColorProgressCtrl progress_;
    CSkinButton free_, options_;
};

class DemoHelp : public CSkinDialog {
protected:
    BOOL OnInit() override {
        HWND control = MakeChild(window_, "STATIC", "", SS_LEFT, 1197, 20, 46, 254, 316);
        text_.Attach(control);
        text_.SetTransparent(true).SetFontName("Tahoma", 0).SetFontSize(9);
        text_.SetText(
            "Manual Tweak Help\r\n\r\nExplanation:\r\nThis section allows you to manually "
            "tweak the different aspects of your computer. Click on a tweak to see the "
            "help and recommendation for it.");
        return TRUE;
    }

private:
    CTextLabel text_;
};

class DemoMain : public CSkinDialog {
public:
    DemoPage page;
    DemoHelp help;

protected:
    BOOL OnInit() override {
        // The Manual Tweaks section: Apply and Cancel wait for a change.
        int i = 0;
        for (const SkinButtonPlace& place : kMainWindowButtons) {
            const bool waits = place.id == 1572 || place.id == 1573;
            const ButtonPlan plan = {place.id,
                                     place.tooltip,
                                     place.normal,
                                     place.hover,
                                     place.pressed,
                                     place.disabled,
                                     place.x,
                                     place.y,
                                     place.manualSection,
                                     place.manualSection && !waits};
            if (!MakeButton(buttons_[i++], plan, window_))
                return FALSE;
        }
        if (!SetSkin(IDB_MAIN_SKIN, kSkinTransparent))
            return FALSE;
        SetSkinCursor(LoadCursorA(Instance(), MAKEINTRESOURCEA(IDC_SKIN_CURSOR)));
        HWND banner = MakeChild(window_, "STATIC", "", SS_BITMAP, 1000, 8, 55, 0, 0);
        CWindow(banner).Send(
            STM_SETIMAGE, IMAGE_BITMAP,
            reinterpret_cast<LPARAM>(LoadImageA(Instance(), MAKEINTRESOURCEA(IDB_BANNER_MANUAL),
                                                IMAGE_BITMAP, 0, 0, 0)));
        if (!host_.Create(window_))
            return FALSE;
        host_.SetBackground(IDB_HOST_MEMORY);
        const RECT frame = {15, 126, 415, 447};
        host_.CenterOn(frame);
        host_.PlacePager(10, 24, 381, 287);
        if (!page.Create(IDD_DEMO_PAGE, host_.Pager()))
            return FALSE;
        page.SetPos(nullptr, 0, 0, 381, 287, SWP_NOZORDER);
        host_.Pager().childWidth = 381;
        host_.Pager().childHeight = 287;
        host_.Pager().SetChild(page);
        host_.Pager().SetBackgroundColor(RGB(156, 154, 206));
        host_.Pager().SetButtonSize(12);
        page.Show(SW_SHOW);
        host_.Show(SW_SHOW);
        MoveTo(20, 20);
        if (help.Create(IDD_DEMO_HELP, window_) && help.SetSkin(IDB_HELP_PANEL, kSkinTransparent)) {
            const RECT main = WindowRect();
            // Docked at the main window's right edge, as the help panel slides out there.
            help.SetPos(window_, main.right, main.top + (main.bottom - main.top) / 2 - 392 / 2, 0,
                        0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        }
        return TRUE;
    }
    BOOL OnButtonClicked(int id) override {
        if (id == 1570 || id == 1576)
            PostQuitMessage(0);
        if (id == 1566)
            DropFileMenu();
        return TRUE;
    }

private:
    void DropFileMenu() {
        HMENU menu = CreatePopupMenu();
        if (menu == nullptr)
            return;
        AppendMenuA(menu, MF_STRING | MF_GRAYED, 32780, "Restore Backup");
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, 32781, "Close Torvane");
        RECT button = {};
        GetWindowRect(GetDlgItem(window_, 1566), &button);
        SetForegroundWindow(window_);
        const UINT chosen =
            static_cast<UINT>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD,
                                             button.left, button.bottom + 1, 0, window_, nullptr));
        DestroyMenu(menu);
        if (chosen == 32781)
            PostQuitMessage(0);
    }

    CSkinButton buttons_[sizeof(kMainWindowButtons) / sizeof(kMainWindowButtons[0])];
    CPageHost host_;
};

// Free memory as it might move over a few minutes, in MB of 512.
int SampleFree(int step) {
    return 200 + static_cast<int>(60 * std::sin(step / 9.0) + 25 * std::sin(step / 2.3));
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX classes = {sizeof(classes),
                                    ICC_WIN95_CLASSES | ICC_PAGESCROLLER_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    const int seconds = std::atoi(commandLine);
    DemoMain main;
    if (!main.Create(IDD_DEMO_MAIN, nullptr))
        return 1;
    main.Show(SW_SHOW);
    int step = 0;
    for (; step < 90; ++step) {
        main.page.chart.SetValue(0, 128);
        main.page.chart.SetValue(1, SampleFree(step));
        main.page.chart.Advance();
    }
    main.StartTimer(kChartTimer, 500);
    const DWORD start = GetTickCount();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == kChartTimer) {
            main.page.chart.SetValue(0, 128);
            main.page.chart.SetValue(1, SampleFree(step++));
            main.page.chart.Advance();
            if (seconds > 0 && GetTickCount() - start > static_cast<DWORD>(seconds) * 1000)
                PostQuitMessage(0);
        }
        if (!IsDialogMessageA(main, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
