#pragma once

#include <string>
#include <windows.h>

#include "tweaks/CTweakModule.h"

// The Desktop module: the Windows version drawn on the desktop, the "Shortcut to" prefix of new
// shortcuts, the arrow on shortcut icons, font smoothing, the "Open With" entry on the context
// menu of every file and the size of the shell icon cache (the last two on Windows 95/98/ME).
class CDesktopTweaks : public CTweakModule<CDesktopTweaks> {
public:
    static constexpr const char* kClassName = "CDesktopTweaks";
    static constexpr const char* kBackupFileName = "\\desktop.tvb";

    // The record a backup stores, in declared order.
    DWORD showWindowsVersion = 0;
    DWORD noShortcutPrefix = 0;
    DWORD hideShortcutArrows = 0;
    DWORD reserved1 = 0; // always 0
    DWORD fontSmoothing = 0;
    DWORD reserved2 = 0;      // always 0
    DWORD openWith = 0;       // 9x family only
    DWORD maxCachedIcons = 0; // 9x family only; 0 when not set

    void ExchangeFields(CArchive& archive);

    // 1 when Windows draws its version on the desktop. A text on the 9x family, a number on the
    // NT family; any other family reads as 0 without looking and writes nothing.
    BOOL GetPaintDesktopVersion(DWORD& show);
    BOOL SetPaintDesktopVersion(DWORD show);
    // 1 when new shortcuts get no "Shortcut to" prefix (the stored "link" number is 0).
    BOOL GetLinkValue(DWORD& noPrefix);
    BOOL SetLinkValue(DWORD noPrefix);
    // 1 when shortcut icons carry no arrow. Always succeeds.
    BOOL GetIsShortcut(DWORD& hideArrows);
    BOOL SetIsShortcut(DWORD hideArrows);
    BOOL GetFontSmoothing(DWORD& smoothing);
    // Writes the user's setting, the one below HKEY_USERS and win.ini's [TrueType] entry.
    BOOL SetFontSmoothing(DWORD smoothing);
    // 1 when every file's context menu has the "Open With" entry.
    BOOL GetOpenWith(DWORD& present);
    BOOL SetOpenWith(DWORD present);
    BOOL GetMaxCachedIcons(DWORD& icons);
    BOOL SetMaxCachedIcons(DWORD icons);

    // The command line of the "Open With" entry for this Windows directory.
    std::string OpenWithCommand() const;

    BOOL GetHelpShowVersion(std::string& text);
    BOOL GetHelpShortcutPrefix(std::string& text);
    BOOL GetHelpShortcutArrow(std::string& text);
    BOOL GetHelpFontSmoothing(std::string& text);
    BOOL GetHelpOpenWith(std::string& text);
    BOOL GetHelpIconCache(std::string& text);
};
