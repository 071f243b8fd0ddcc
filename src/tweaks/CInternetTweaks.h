#pragma once

#include <string>
#include <windows.h>

#include "tweaks/CTweakModule.h"

// The Internet module: the TCP/IP tunings MTU, RWIN and TTL (the record a backup keeps), the
// browser's number of simultaneous downloads and the size of the DNS client cache (read and
// written directly, never kept), and the clearing of the browser's cookies, temporary Internet
// files and history. The tunings act on the 9x and NT families only; the rest on any family.
class CInternetTweaks : public CTweakModule<CInternetTweaks> {
public:
    static constexpr const char* kClassName = "CInternetTweaks";
    static constexpr const char* kBackupFileName = "\\internet.tvb";

    // The record a backup stores, in declared and archive order.
    DWORD mtu = 0;  // bytes
    DWORD rwin = 0; // bytes
    DWORD ttl = 0;  // hops

    void ExchangeFields(CArchive& archive);

    // Each tuning is read from all its places in turn (the last one read wins) and written to
    // all of them; both stop at the first place that fails. Without places (neither family, or
    // no dial-up adapter found) the read gives the preset (1500, 8760, 60) and both succeed.
    BOOL GetMTU(DWORD& value);
    BOOL SetMTU(DWORD value);
    BOOL GetRWIN(DWORD& value);
    BOOL SetRWIN(DWORD value);
    BOOL GetDefaultTTL(DWORD& value);
    BOOL SetDefaultTTL(DWORD value);

    // The browser's limit of downloads from one server (4 when not set).
    BOOL GetMaxConnectionsPerServer(DWORD& count);
    BOOL SetMaxConnectionsPerServer(DWORD count);
    // 1 when the DNS client cache is doubled (its hash table has 512 entries).
    BOOL GetDoubleDNSCache(DWORD& doubled);
    // A flag of 1 doubles the cache; any other value sets the normal size.
    BOOL SetDoubleDNSCache(DWORD doubled);

    // Empty the folder the user's shell folders name (the one in the Windows directory when the
    // name is missing), keeping the folder and every index.dat in it. 1 also when the folder is
    // missing; 0 when any entry could not be removed (in use, or refused), and 0, touching
    // nothing, when the folder is refused (not an absolute path, a drive or share, or the
    // Windows, system, program or profile folder or one that holds them).
    BOOL ClearCookies();
    BOOL ClearTemporaryInternetFiles();
    BOOL ClearHistory();

    BOOL GetHelpMTU(std::string& text);
    BOOL GetHelpRWIN(std::string& text);
    BOOL GetHelpTTL(std::string& text);
    BOOL GetHelpMaxDownload(std::string& text);
    BOOL GetHelpDNSCache(std::string& text);

private:
    BOOL ClearShellFolder(const char* valueName, const char* windowsSubfolder) const;
};
