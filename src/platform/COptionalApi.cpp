#include "platform/COptionalApi.h"

#include <commctrl.h>

namespace {

struct OptionalFunction {
    const char* dll;
    const char* name;
};

// Where each optional function lives, in the order of COptionalApi::Function.
const OptionalFunction kFunctions[COptionalApi::kFunctionCount] = {
    {"user32.dll", "GetAncestor"},
    {"shlwapi.dll", "SHDeleteKeyA"},
    {"comctl32.dll", "InitCommonControlsEx"},
    {"kernel32.dll", "GlobalMemoryStatusEx"},
    {"comdlg32.dll", "GetOpenFileNameA"},
};

struct Lookup {
    bool resolved = false;
    bool pretendMissing = false;
    FARPROC address = nullptr;
};

Lookup lookups[COptionalApi::kFunctionCount];

template <typename T> T As(FARPROC address) {
    return reinterpret_cast<T>(reinterpret_cast<void*>(address));
}

} // namespace

FARPROC COptionalApi::Find(Function function) {
    if (function < 0 || function >= kFunctionCount)
        return nullptr;
    Lookup& lookup = lookups[function];
    if (lookup.pretendMissing)
        return nullptr;
    if (!lookup.resolved) {
        const OptionalFunction& entry = kFunctions[function];
        HMODULE module = GetModuleHandleA(entry.dll);
        if (module == nullptr)
            module = LoadLibraryA(entry.dll);
        lookup.address = module != nullptr ? GetProcAddress(module, entry.name) : nullptr;
        lookup.resolved = true;
    }
    return lookup.address;
}

HWND COptionalApi::Ancestor(HWND window, UINT flags) {
    using AncestorFunction = HWND(WINAPI*)(HWND, UINT);
    if (const FARPROC found = Find(kGetAncestor))
        return As<AncestorFunction>(found)(window, flags);

    HWND desktop = GetDesktopWindow();
    if (window == nullptr || !IsWindow(window) || window == desktop)
        return nullptr;
    const auto isChild = [](HWND w) { return (GetWindowLongA(w, GWL_STYLE) & WS_CHILD) != 0; };
    switch (flags) {
    case GA_PARENT:
        // GetParent answers the owner for a top-level window; its parent is the desktop.
        return isChild(window) ? GetParent(window) : desktop;
    case GA_ROOT:
    case GA_ROOTOWNER: {
        HWND root = window;
        HWND parent = nullptr;
        while (isChild(root) && (parent = GetParent(root)) != nullptr && parent != desktop)
            root = parent;
        // Then up the owners, as far as GetParent reports them (it does for pop-ups).
        HWND owner = nullptr;
        while (flags == GA_ROOTOWNER && (owner = GetParent(root)) != nullptr && owner != desktop)
            root = owner;
        return root;
    }
    default:
        return nullptr;
    }
}

BOOL COptionalApi::InitCommonControls(DWORD classes) {
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const FARPROC found = Find(kInitCommonControlsEx);
    if (found == nullptr)
        return FALSE;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), classes};
    return As<InitFunction>(found)(&controls);
}

void COptionalApi::PretendMissing(Function function, bool missing) {
    if (function >= 0 && function < kFunctionCount)
        lookups[function].pretendMissing = missing;
}
