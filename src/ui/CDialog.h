#pragma once

#include <windows.h>

#include "ui/CWindow.h"

// A dialog made from a dialog resource. Its one dialog procedure dispatches to the virtual
// handlers below; the modal and modeless kinds differ only in how they are started and ended.
class CDialog : public CWindow {
public:
    ~CDialog() override = default;

    static HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

protected:
    // WM_INITDIALOG: return TRUE to let the system set the focus.
    virtual BOOL OnInit() { return TRUE; }
    // BN_CLICKED from a child control; TRUE when handled.
    virtual BOOL OnButtonClicked(int /*id*/) { return FALSE; }
    // Any other WM_COMMAND (menus, accelerators, other control notifications); TRUE when handled.
    virtual BOOL OnCommand(WPARAM /*wParam*/, LPARAM /*lParam*/) { return FALSE; }
    // WM_NOTIFY; TRUE when handled, with the message result in `result`.
    virtual BOOL OnNotify(int /*id*/, NMHDR* /*header*/, LRESULT& /*result*/) { return FALSE; }
    virtual void OnTimer(UINT_PTR /*id*/) {}
    virtual void OnOK() = 0;
    virtual void OnCancel() = 0;
    virtual void OnDestroy() {}
    // Every message first comes here; TRUE when handled, with the result in `result`.
    virtual BOOL OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           LRESULT& /*result*/) {
        return FALSE;
    }

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
};
