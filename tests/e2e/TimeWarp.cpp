// The time warp of the end-to-end tests. The installed program has no way to run its timers
// faster, and should not have one; the tests load this library into the running program
// (e2e_driver warp) and point the program's own imports of Sleep and SetTimer at versions that
// divide every period by a divisor, as the test builds' time seam does from inside. Only the
// program module's import table is changed; the system DLLs keep real time.
#include <windows.h>

namespace {

LONG g_divisor = 1;
decltype(&::Sleep) g_sleep = nullptr;
decltype(&::SetTimer) g_setTimer = nullptr;

DWORD Scaled(DWORD milliseconds) {
    if (milliseconds == 0 || milliseconds == INFINITE)
        return milliseconds;
    const DWORD scaled = milliseconds / static_cast<DWORD>(g_divisor);
    return scaled == 0 ? 1 : scaled;
}

void WINAPI WarpedSleep(DWORD milliseconds) {
    g_sleep(Scaled(milliseconds));
}

UINT_PTR WINAPI WarpedSetTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC procedure) {
    return g_setTimer(window, id, Scaled(milliseconds), procedure);
}

template <typename T> T At(HMODULE module, DWORD offset) {
    return reinterpret_cast<T>(reinterpret_cast<BYTE*>(module) + offset);
}

// Points the module's import of dll!name at `replacement`; answers whether it found it.
bool Redirect(HMODULE module, const char* dll, const char* name, void* replacement) {
    const auto* dos = At<const IMAGE_DOS_HEADER*>(module, 0);
    const auto* nt = At<const IMAGE_NT_HEADERS*>(module, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return false;
    for (auto* entry = At<const IMAGE_IMPORT_DESCRIPTOR*>(module, imports.VirtualAddress);
         entry->Name != 0; ++entry) {
        if (lstrcmpiA(At<const char*>(module, entry->Name), dll) != 0)
            continue;
        const DWORD names = entry->OriginalFirstThunk != 0 ? entry->OriginalFirstThunk
                                                           : entry->FirstThunk;
        auto* lookup = At<const IMAGE_THUNK_DATA*>(module, names);
        auto* address = At<IMAGE_THUNK_DATA*>(module, entry->FirstThunk);
        for (; lookup->u1.AddressOfData != 0; ++lookup, ++address) {
            if (IMAGE_SNAP_BY_ORDINAL(lookup->u1.Ordinal))
                continue;
            const auto* byName =
                At<const IMAGE_IMPORT_BY_NAME*>(module, static_cast<DWORD>(lookup->u1.AddressOfData));
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), name) != 0)
                continue;
            DWORD old = 0;
            if (!VirtualProtect(&address->u1.Function, sizeof address->u1.Function,
                                PAGE_READWRITE, &old))
                return false;
            address->u1.Function = reinterpret_cast<UINT_PTR>(replacement);
            VirtualProtect(&address->u1.Function, sizeof address->u1.Function, old, &old);
            return true;
        }
    }
    return false;
}

} // namespace

// Run in the program by a remote thread; the argument is the divisor. Answers the number of
// imports redirected (2 when both were found).
extern "C" __declspec(dllexport) DWORD WINAPI WarpTime(LPVOID divisor) {
    const auto value = static_cast<LONG>(reinterpret_cast<UINT_PTR>(divisor));
    InterlockedExchange(&g_divisor, value > 0 ? value : 1);
    if (g_sleep != nullptr)
        return 2; // already in place; only the divisor changes
    g_sleep = reinterpret_cast<decltype(&::Sleep)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "Sleep")));
    g_setTimer = reinterpret_cast<decltype(&::SetTimer)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetTimer")));
    HMODULE program = GetModuleHandleA(nullptr);
    DWORD redirected = 0;
    redirected += Redirect(program, "KERNEL32.dll", "Sleep", reinterpret_cast<void*>(WarpedSleep));
    redirected +=
        Redirect(program, "USER32.dll", "SetTimer", reinterpret_cast<void*>(WarpedSetTimer));
    return redirected;
}
