#pragma once

#include <string>
#include <windows.h>

#include "tweaks/CTweakModule.h"

// The System module: how long Windows waits for a hung application, constant Explorer refresh,
// the registered owner and organisation, and the places of three user shell folders.
class CSystemTweaks : public CTweakModule<CSystemTweaks> {
public:
    static constexpr const char* kClassName = "CSystemTweaks";
    static constexpr const char* kBackupFileName = "\\system.tvb";

    // Value names of the user shell folders.
    static constexpr const char* kPersonalFolder = "Personal";
    static constexpr const char* kMyPicturesFolder = "My Pictures";
    static constexpr const char* kFavoritesFolder = "Favorites";

    // The record a backup stores, in declared order.
    DWORD hungAppTimeout = 0;
    DWORD keepExplorerRefreshed = 0;
    std::string registeredOwner;
    std::string registeredOrganization;
    std::string reserved; // always empty
    std::string favoritesFolder;
    std::string personalFolder;
    std::string myPicturesFolder;

    void ExchangeFields(CArchive& archive);

    BOOL GetHungAppTimeout(DWORD& milliseconds);
    BOOL SetHungAppTimeout(DWORD milliseconds);
    // 1 when Explorer refreshes constantly (the stored UpdateMode is 0).
    BOOL GetUpdateMode(DWORD& keepRefreshed);
    BOOL SetUpdateMode(DWORD keepRefreshed);
    BOOL GetRegisteredOwner(std::string& owner);
    BOOL SetRegisteredOwner(const std::string& owner);
    BOOL GetRegisteredOrganization(std::string& organization);
    BOOL SetRegisteredOrganization(const std::string& organization);
    // A folder's place, with %USERPROFILE% expanded.
    BOOL GetShellFolder(const char* folderValueName, std::string& path);
    BOOL SetShellFolder(const char* folderValueName, const std::string& path);

    BOOL GetHelpTimeout(std::string& text);
    BOOL GetHelpExplorerRefresh(std::string& text);
    BOOL GetHelpRegisteredName(std::string& text);
    BOOL GetHelpRegisteredCompany(std::string& text);
    BOOL GetHelpFolderLocation(std::string& text);

private:
    // The key of the registration values for this family; null for neither family.
    const char* RegistrationKey() const;
};
