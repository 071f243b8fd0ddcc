#pragma once

#include <string>
#include <windows.h>

#include "tweaks/CTweakModule.h"

// The CD-ROM module: the read-ahead and cache of the CD file system (chosen as a drive speed and
// a cache size, see CDFSValues.h) and Auto Play of audio and data discs. Works on every family.
class CCDROMTweaks : public CTweakModule<CCDROMTweaks> {
public:
    static constexpr const char* kClassName = "CCDROMTweaks";
    static constexpr const char* kBackupFileName = "\\cdrom.tvb";

    // The record a backup stores, in declared and archive order.
    DWORD cdSpeed = 0;      // speed code
    DWORD cacheSize = 0;    // cache choice: 0 Default, 1 Medium, 2 Large
    DWORD autorun = 0;      // Auto Play on audio discs
    DWORD dataAutoPlay = 0; // Auto Play on data discs

    void ExchangeFields(CArchive& archive);

    // Leaves both outputs as they were when the read-ahead cannot be read, and the cache choice
    // when the cache size cannot be read.
    BOOL GetCDFS(DWORD& speedCode, DWORD& cacheChoice);
    // The cache size is written only after the read-ahead was.
    BOOL SetCDFS(DWORD speedCode, DWORD cacheChoice);
    // 1 unless Auto Play of audio discs is switched off (also when that is not set).
    BOOL GetAutorun(DWORD& enabled);
    BOOL SetAutorun(DWORD value);
    // 1 when no drive type is excluded from Auto Play. Always succeeds.
    BOOL GetNoDriveTypeAutoRun(DWORD& enabled);
    BOOL SetNoDriveTypeAutoRun(DWORD enabled);

    BOOL GetHelpCDSpeed(std::string& text);
    BOOL GetHelpAutoPlayAudio(std::string& text);
    BOOL GetHelpAutoPlayData(std::string& text);
};
