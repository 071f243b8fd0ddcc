#pragma once

#include <string>
#include <windows.h>

#include "tweaks/CTweakModule.h"

// The Start Menu module: how fast submenus open, sorting the program list again, and removing
// items from the Start menu through the Explorer policies of the default user profile.
class CStartMenuTweaks : public CTweakModule<CStartMenuTweaks> {
public:
    static constexpr const char* kClassName = "CStartMenuTweaks";
    static constexpr const char* kBackupFileName = "\\startmenu.tvb";

    // The record a backup stores, in declared order. The removal flags are 0 or 1.
    DWORD noWindowsUpdate = 0;
    DWORD noRecentDocMenu = 0;
    DWORD noFavoritesMenu = 0;
    DWORD noFind = 0;
    DWORD noRun = 0;
    DWORD noLogOff = 0;
    DWORD noClose = 0;
    DWORD reserved1 = 0; // always 0
    DWORD reserved2 = 0; // always 0
    DWORD reserved3 = 0; // always 0
    DWORD sortStartMenu = 0;
    DWORD menuShowDelay = 0; // milliseconds

    void ExchangeFields(CArchive& archive);

    BOOL GetMenuShowDelay(DWORD& milliseconds);
    BOOL SetMenuShowDelay(DWORD milliseconds);
    // Nothing to read: the menu is sorted on request only, so this yields 0 and returns 0.
    BOOL GetMenuOrder(DWORD& sort);
    // Sorting deletes the stored order of the Start menu; 0 does nothing.
    BOOL SetMenuOrder(DWORD sort);

    // Each removal flag is 1 when the item is removed. A policy number deleted when turned off:
    BOOL GetNoWindowsUpdate(DWORD& removed);
    BOOL SetNoWindowsUpdate(DWORD removed);
    BOOL GetNoRecentDocMenu(DWORD& removed);
    BOOL SetNoRecentDocMenu(DWORD removed);
    // A binary policy paired with the opposite Explorer setting:
    BOOL GetNoFavoritesMenu(DWORD& removed);
    BOOL SetNoFavoritesMenu(DWORD removed);
    BOOL GetNoRun(DWORD& removed);
    BOOL SetNoRun(DWORD removed);
    BOOL GetNoLogOff(DWORD& removed);
    BOOL SetNoLogOff(DWORD removed);
    // A binary policy that stays at 0 when turned off:
    BOOL GetNoFind(DWORD& removed);
    BOOL SetNoFind(DWORD removed);
    BOOL GetNoClose(DWORD& removed);
    BOOL SetNoClose(DWORD removed);

    BOOL GetHelpMenuSpeed(std::string& text);
    BOOL GetHelpMenuOrdering(std::string& text);
    BOOL GetHelpRemoveItem(std::string& text);

private:
    // A policy value below the Policies key, read with the binary primitive or the number
    // primitive (which also takes a 4-byte binary value); 1 when it is not 0.
    BOOL GetPolicy(const char* policy, bool binary, DWORD& removed);
    // Writes the policy and, when it is turned off, deletes it again.
    BOOL SetPolicyDeletedWhenOff(const char* policy, bool binary, DWORD removed);
    // A policy that is 0 leaves the decision to the Explorer setting `shown` (0: item removed).
    BOOL GetPairedPolicy(const char* policy, bool binary, const char* shown, DWORD& removed);
    // The binary policy, then the opposite Explorer setting as a number.
    BOOL SetPairedPolicy(const char* policy, const char* shown, DWORD removed);
};
