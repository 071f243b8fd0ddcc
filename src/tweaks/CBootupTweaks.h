#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <windows.h>

#include "tweaks/CTweakModule.h"

// The Boot-up module: the boot menu, Scandisk at start-up and the Drivespace, Doublespace and
// double-buffering drivers, all in section Options of C:\msdos.sys, and the start-up picture
// c:\Logo.sys with its saved previous picture c:\Logo.tvn.
class CBootupTweaks : public CTweakModule<CBootupTweaks> {
public:
    static constexpr const char* kClassName = "CBootupTweaks";
    static constexpr const char* kBackupFileName = "\\bootup.tvb";

    static constexpr const char* kStartupPicture = "c:\\Logo.sys";
    static constexpr const char* kSavedStartupPicture = "c:\\Logo.tvn";

    // The record a backup stores, in declared order, which is also the archive order.
    DWORD bootMenu = 0;
    DWORD changeStartupImage = 0; // page state: a backup stores 0
    std::string startupImagePath; // page state: a backup stores the empty text
    DWORD autoscan = 0;
    DWORD reservedFlag1 = 0;
    std::string reservedText1;
    std::string reservedText2;
    DWORD disableDrvSpace = 0;
    DWORD disableDblSpace = 0;
    DWORD disableDoubleBuffer = 0;
    DWORD reservedFlag2 = 0;

    void ExchangeFields(CArchive& archive);

    // The reads always succeed: a missing file or key gives the default.
    BOOL GetBootMenu(DWORD& enabled);
    // Also sets BootKeys to 1 and BootMenuDelay to 15, whatever the value.
    BOOL SetBootMenu(DWORD value);
    BOOL GetAutoscan(DWORD& enabled);
    BOOL SetAutoscan(DWORD enabled);
    // The driver flags are 1 when the driver is NOT loaded (its key is 0).
    BOOL GetDrvSpace(DWORD& disabled);
    BOOL SetDrvSpace(DWORD disabled);
    BOOL GetDblSpace(DWORD& disabled);
    BOOL SetDblSpace(DWORD disabled);
    BOOL GetDoubleBuffer(DWORD& disabled);
    BOOL SetDoubleBuffer(DWORD disabled);
    // With `change` non-zero: the bitmap at `path` becomes the start-up picture, or with an empty
    // path the saved previous picture is put back. Always 1.
    BOOL SetStartupImage(DWORD change, const std::string& path);

    BOOL GetHelpBootMenu(std::string& text);
    BOOL GetHelpStartupImage(std::string& text);
    BOOL GetHelpAutoScandisk(std::string& text);
    BOOL GetHelpDrivespace(std::string& text);
    BOOL GetHelpDoublespace(std::string& text);
    BOOL GetHelpDoubleBuffering(std::string& text);

private:
    // Writes the keys to section Options of C:\msdos.sys in order, the file unprotected for the
    // writes and protected again afterwards. 1 only when every write succeeded.
    BOOL WriteOptions(std::initializer_list<std::pair<const char*, std::string>> keys);
};
