#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/WindowsVersion.h"
#include "support/EmulatedSystem.h"
#include "support/ModuleReads.h"
#include "support/CRegistrySandbox.h"
#include "support/CSavedVariable.h"
#include "support/CTestFolder.h"
#include "support/TestRegistry.h"
#include "tweaks/CInternetTweaks.h"
#include "tweaks/InternetKeyLists.h"

namespace {

const std::string kServices = "SYSTEM\\CurrentControlSet\\Services";
const std::string kTcpipParameters = kServices + "\\Tcpip\\Parameters";
const std::string kNetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
const std::string kNet = "System\\CurrentControlSet\\Services\\Class\\Net";
const std::string kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const std::string kCards = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards";
const std::string kIpMtuParams = kNet + "\\0012\\Ndi\\params\\IPMTU\\";
const std::string kDialOutService = kServices + "\\NdisWan5\\Parameters\\Tcpip";

// The places of MTU on 2000 and XP, in the order they are written.
const std::vector<std::string> kModernMtuKeys = {
    kServices + "\\NdisWan\\Parameters",
    kServices + "\\NdisWan\\Parameters\\Tcpip",
    kServices + "\\Tcpip",
    kTcpipParameters,
    kServices + "\\Tcpip\\Parameters\\Adapters\\NdisWanIp",
    kServices + "\\Tcpip\\Parameters\\Tcpip",
};

struct Place {
    std::string key;
    std::string value;
};

// The places of MTU on the 9x family with the machine of InstallNineXNetwork.
const std::vector<Place> kNineXMtuPlaces = {
    {kNetTrans + "\\0002", "IPMTU"}, {kNetTrans + "\\0002", "MaxMTU"},
    {kNet + "\\0012", "IPMTU"},      {kIpMtuParams, ""},
    {kIpMtuParams, "default"},
};

void AddDriver(const std::string& classKey, const std::string& index,
               const std::string& description) {
    StoreText(HKEY_LOCAL_MACHINE, classKey + "\\" + index, "DriverDesc", description);
}

// Protocols and adapters as Windows 98 lists them, with near misses before the ones searched.
void InstallNineXNetwork() {
    AddDriver(kNetTrans, "0000", "NetBEUI");
    AddDriver(kNetTrans, "0001", "tcp/ip");
    AddDriver(kNetTrans, "0002", "TCP/IP");
    AddDriver(kNetTrans, "0003", "TCP/IP");
    AddDriver(kNet, "0000", "Fast Ethernet Adapter");
    AddDriver(kNet, "0010", "Dial-Up Adapter #2 (VPN Support)");
    AddDriver(kNet, "0012", "Dial-Up Adapter");
}

void AddCard(int number, const std::string& product, const std::string& service) {
    const std::string card = kCards + "\\" + std::to_string(number);
    StoreText(HKEY_LOCAL_MACHINE, card, "ProductName", product);
    StoreText(HKEY_LOCAL_MACHINE, card, "ServiceName", service);
}

// Network cards as NT 4 lists them: a network adapter, a gap, then the dial-out card.
void InstallDialOutCard() {
    AddCard(1, "NE2000 Compatible", "NE20001");
    AddCard(3, "NdisWanDialoutIp", "NdisWan5");
}

// A key below which no other key can be created.
void CreateVolatileKey(const std::string& subKey) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

// The value as the family keeps a number: decimal text with its terminating zero on the 9x
// family, a DWORD on the NT family.
void ExpectStored(const std::string& key, const std::string& value, DWORD number, bool asText) {
    const StoredValue stored = ReadStored(HKEY_LOCAL_MACHINE, key, value);
    const std::string text = std::to_string(number);
    EXPECT_TRUE(stored.exists) << key << " " << value;
    EXPECT_EQ(stored.type, static_cast<DWORD>(asText ? REG_SZ : REG_DWORD)) << key;
    EXPECT_EQ(stored.data.size(), asText ? text.size() + 1 : 4u) << key;
    EXPECT_EQ(asText ? stored.Text() : std::to_string(stored.Number()), text) << key;
}

class InternetRegistry : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
};

// ---- Key-list entries, searches and lists (the same on every family) ----

// The 9x searches want the exact description among the first fifty drivers; the list names the
// protocol's and the adapter's keys.
TEST_F(InternetRegistry, TheSearchesAndListFindTheProtocolTheAdapterAndTheDialOutCard) {
    std::string found = "untouched";
    EXPECT_FALSE(FindTcpIpProtocolKey(found));
    EXPECT_EQ(found, "untouched");
    std::string service = "untouched";
    EXPECT_FALSE(FindDialOutService(service));
    AddDriver(kNetTrans, "0002", "TCP/IP");
    EXPECT_TRUE(BuildMTUKeyList(kFamilyWin95).empty());
    InstallNineXNetwork();
    InstallDialOutCard();
    // The dial-out service is the card named NdisWanDialoutIp.
    EXPECT_TRUE(FindDialOutService(service));
    EXPECT_EQ(service, "\\NdisWan5");
    AddDriver(kNet, "0050", "Dial-Up Adapter");
    EXPECT_TRUE(FindTcpIpProtocolKey(found));
    EXPECT_EQ(found, kNetTrans + "\\0002");
    EXPECT_TRUE(FindDialUpAdapterKey(found));
    EXPECT_EQ(found, kNet + "\\0012");
    std::vector<std::string> expected;
    for (const Place& place : kNineXMtuPlaces)
        expected.push_back(MakeKeyListEntry(place.value.empty() ? " " : place.value, place.key));
    EXPECT_EQ(BuildMTUKeyList(kFamilyWinME), expected);
    for (int family : {kFamilyUnknown, kFamilyWin32s}) {
        EXPECT_TRUE(BuildMTUKeyList(family).empty());
        EXPECT_TRUE(BuildRWINKeyList(family).empty());
        EXPECT_TRUE(BuildTTLKeyList(family).empty());
    }

    // A driver without a readable description ends the search.
    CreateKey(HKEY_LOCAL_MACHINE, kNet + "\\0004");
    EXPECT_FALSE(FindDialUpAdapterKey(found));
    EXPECT_TRUE(BuildMTUKeyList(kFamilyWin98).empty());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, (kNet + "\\0004").c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, (kNet + "\\0012").c_str());
    AddDriver(kNet, "49", "Dial-Up Adapter");
    EXPECT_FALSE(FindDialUpAdapterKey(found));
    // A description longer than the search reads counts as unreadable.
    AddDriver(kNetTrans, "0001", std::string(56, 'x'));
    EXPECT_FALSE(FindTcpIpProtocolKey(found));
    // A card without a product name before the dial-out card ends the search, as does its
    // missing service.
    StoreText(HKEY_LOCAL_MACHINE, kCards + "\\2", "ServiceName", "NoProduct");
    EXPECT_FALSE(FindDialOutService(service));
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, (kCards + "\\2").c_str());
    StoreText(HKEY_LOCAL_MACHINE, kCards + "\\3", "ProductName", "ndiswandialoutip");
    AddCard(51, "NdisWanDialoutIp", "TooFar");
    EXPECT_FALSE(FindDialOutService(service));
}

// A key-list entry names its value and its key; 9x reads the text with the decimal conversion.
TEST_F(InternetRegistry, AnEntryNamesItsValueAndKeyAndNineXReadsItsTextAsDecimal) {
    std::string name, path;
    // One space is the key's unnamed value; the key path keeps its closing backslash.
    SplitKeyListEntry(MakeKeyListEntry(" ", kIpMtuParams), name, path);
    EXPECT_EQ(name, "");
    EXPECT_EQ(path, kIpMtuParams);
    // A colon in a name taken from the registry stays inside the key path.
    SplitKeyListEntry("MTU:SYSTEM\\Services\\Odd:Name\\Parameters:", name, path);
    EXPECT_EQ(name, "MTU");
    EXPECT_EQ(path, "SYSTEM\\Services\\Odd:Name\\Parameters");

    const std::string entry = MakeKeyListEntry("DefaultTTL", kMstcp);
    DWORD value = 60;
    StoreText(HKEY_LOCAL_MACHINE, kMstcp, "DefaultTTL", "64 hops");
    EXPECT_TRUE(ReadKeyListValue(kFamilyWin98, entry, value));
    EXPECT_EQ(value, 64u);
    StoreNumber(HKEY_LOCAL_MACHINE, kMstcp, "DefaultTTL", 1500);
    EXPECT_TRUE(ReadKeyListValue(kFamilyWin98, entry, value));
    EXPECT_EQ(value, 0u);
    // Neither family reads or writes anything.
    EXPECT_FALSE(ReadKeyListValue(kFamilyWin32s, entry, value));
    EXPECT_TRUE(WriteKeyListValue(kFamilyWin32s, entry, 32));
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kMstcp, "DefaultTTL").Number(), 1500u);
}

// ---- The module's operations, as the detected family does them ----

class InternetTweaks : public InternetRegistry {
protected:
    CInternetTweaks module_;
    int Family() const { return ExpectedFamily(); }
    bool NineX() const { return EmulatedNineX(); }
    bool Modern() const { return Family() == kFamilyWin2000 || Family() == kFamilyWinXP; }
    DWORD Read(BOOL (CInternetTweaks::*get)(DWORD&), BOOL result) {
        return ReadThrough(module_, get, result);
    }
};

// Without a dial-up connection only 2000 and XP have places; with one every place of the family is
// written.
TEST_F(InternetTweaks, SetMTUWritesEveryPlaceOfTheFamily) {
    DWORD mtu = 0;
    const BOOL got = module_.GetMTU(mtu);
    EXPECT_EQ(mtu, 1500u);
    EXPECT_TRUE(module_.SetMTU(1400));
    if (Modern()) {
        EXPECT_FALSE(got);
        ExpectStored(kModernMtuKeys.back(), "MTU", 1400, false);
    } else {
        EXPECT_TRUE(got);
        EXPECT_EQ(EntryCount(HKEY_LOCAL_MACHINE), 0u);
    }
    InstallNineXNetwork();
    InstallDialOutCard();
    EXPECT_TRUE(module_.SetMTU(1500));
    const bool nt = Family() == kFamilyWinNT;
    std::vector<Place> places = NineX() ? kNineXMtuPlaces : std::vector<Place>();
    if (nt)
        places = {{kDialOutService, "MTU"}, {kTcpipParameters, "MTU"}};
    for (const std::string& key : Modern() ? kModernMtuKeys : std::vector<std::string>())
        places.push_back({key, "MTU"});
    for (const Place& place : places)
        ExpectStored(place.key, place.value, 1500, NineX());
    // Nothing else is written: the other family's places, the network card's service.
    EXPECT_EQ(KeyExists(HKEY_LOCAL_MACHINE, kTcpipParameters), nt || Modern());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kServices + "\\NE20001"));
    EXPECT_EQ(KeyExists(HKEY_LOCAL_MACHINE, kServices + "\\NdisWan5"), nt);
    EXPECT_EQ(KeyExists(HKEY_LOCAL_MACHINE, kServices + "\\Tcpip"), nt || Modern());
    EXPECT_EQ(KeyExists(HKEY_LOCAL_MACHINE, kServices + "\\NdisWan"), Modern());
    for (const Place& place : kNineXMtuPlaces)
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, place.key, place.value).exists, NineX());
    // The last place read gives the value.
    for (size_t i = 0; i < places.size(); ++i) {
        if (NineX())
            StoreText(HKEY_LOCAL_MACHINE, places[i].key, places[i].value, std::to_string(1000 + i));
        else
            StoreNumber(HKEY_LOCAL_MACHINE, places[i].key, places[i].value, 1000 + i);
    }
    EXPECT_EQ(Read(&CInternetTweaks::GetMTU, TRUE), places.empty() ? 1500 : 999 + places.size());
}

TEST_F(InternetTweaks, SetMTUStopsAtTheFirstPlaceThatCannotBeWritten) {
    if (NineX()) {
        InstallNineXNetwork();
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, (kNet + "\\0012").c_str());
        CreateVolatileKey(kNet + "\\0012");
        AddDriver(kNet, "0012", "Dial-Up Adapter");
        EXPECT_FALSE(module_.SetMTU(1500));
        for (size_t i = 0; i < 3; ++i)
            ExpectStored(kNineXMtuPlaces[i].key, kNineXMtuPlaces[i].value, 1500, true);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kIpMtuParams));
    } else if (Family() == kFamilyWinNT) {
        InstallDialOutCard();
        CreateVolatileKey(kServices + "\\NdisWan5\\Parameters");
        EXPECT_FALSE(module_.SetMTU(1500));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kTcpipParameters));
    } else if (Modern()) {
        CreateVolatileKey(kModernMtuKeys[0]);
        EXPECT_FALSE(module_.SetMTU(1500));
        ExpectStored(kModernMtuKeys[0], "MTU", 1500, false);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kServices + "\\Tcpip"));
    } else {
        CreateVolatileKey(kModernMtuKeys[0]);
        EXPECT_TRUE(module_.SetMTU(1500));
        EXPECT_FALSE(ReadStored(HKEY_LOCAL_MACHINE, kModernMtuKeys[0], "MTU").exists);
    }
}

TEST_F(InternetTweaks, GetMTUStopsAtTheFirstPlaceThatCannotBeRead) {
    if (NineX()) {
        InstallNineXNetwork();
        StoreText(HKEY_LOCAL_MACHINE, kNetTrans + "\\0002", "IPMTU", "576");
        EXPECT_EQ(Read(&CInternetTweaks::GetMTU, FALSE), 0u);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kNet + "\\0012\\Ndi"));
    } else if (Family() == kFamilyWinNT) {
        InstallDialOutCard();
        StoreNumber(HKEY_LOCAL_MACHINE, kTcpipParameters, "MTU", 576);
        EXPECT_EQ(Read(&CInternetTweaks::GetMTU, FALSE), 1500u);
    } else if (Modern()) {
        StoreNumber(HKEY_LOCAL_MACHINE, kModernMtuKeys[0], "MTU", 576);
        StoreNumber(HKEY_LOCAL_MACHINE, kModernMtuKeys[1], "MTU", 1492);
        EXPECT_EQ(Read(&CInternetTweaks::GetMTU, FALSE), 1492u);
        EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kModernMtuKeys[2]));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kModernMtuKeys[3]));
    } else {
        EXPECT_EQ(Read(&CInternetTweaks::GetMTU, TRUE), 1500u);
    }
}

TEST_F(InternetTweaks, RWINAndTTLLiveInTheFamilysTcpipSettings) {
    DWORD rwin = 0, ttl = 0;
    const BOOL gotRwin = module_.GetRWIN(rwin);
    const BOOL gotTtl = module_.GetDefaultTTL(ttl);
    EXPECT_TRUE(module_.SetRWIN(8760));
    EXPECT_TRUE(module_.SetDefaultTTL(32));
    if (NineX()) {
        EXPECT_FALSE(gotRwin || gotTtl);
        EXPECT_EQ(rwin, 0u);
        EXPECT_EQ(ttl, 0u);
        ExpectStored(kMstcp, "DefaultRcvWindow", 8760, true);
        ExpectStored(kMstcp, "DefaultTTL", 32, true);
    } else if (EmulatedNT()) {
        EXPECT_FALSE(gotRwin || gotTtl);
        EXPECT_EQ(rwin, 8760u);
        EXPECT_EQ(ttl, 60u);
        ExpectStored(kTcpipParameters, "TcpWindowSize", 8760, false);
        ExpectStored(kTcpipParameters, "DefaultTTL", 32, false);
    } else {
        EXPECT_TRUE(gotRwin && gotTtl);
        EXPECT_EQ(rwin, 8760u);
        EXPECT_EQ(ttl, 60u);
        EXPECT_EQ(EntryCount(HKEY_LOCAL_MACHINE), 0u);
        return;
    }
    EXPECT_EQ(Read(&CInternetTweaks::GetRWIN, TRUE), 8760u);
    EXPECT_EQ(Read(&CInternetTweaks::GetDefaultTTL, TRUE), 32u);
}

TEST_F(InternetTweaks, TheDNSCacheIsDoubledOnlyByAFlagOfOne) {
    const std::string key = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";
    auto expectCache = [&](DWORD bucket, DWORD table, DWORD ttl, DWORD soaTtl) {
        ExpectStored(key, "CacheHashTableBucketSize", bucket, false);
        ExpectStored(key, "CacheHashTableSize", table, false);
        ExpectStored(key, "MaxCacheEntryTtlLimit", ttl, false);
        ExpectStored(key, "MaxSOACacheEntryTtlLimit", soaTtl, false);
    };
    EXPECT_EQ(Read(&CInternetTweaks::GetDoubleDNSCache, FALSE), 0u);

    EXPECT_TRUE(module_.SetDoubleDNSCache(1));
    expectCache(20, 512, 172800, 600);
    EXPECT_EQ(Read(&CInternetTweaks::GetDoubleDNSCache, TRUE), 1u);
    for (DWORD flag : {0u, 2u}) {
        EXPECT_TRUE(module_.SetDoubleDNSCache(1));
        EXPECT_TRUE(module_.SetDoubleDNSCache(flag));
        expectCache(10, 210, 86400, 300);
        EXPECT_EQ(Read(&CInternetTweaks::GetDoubleDNSCache, TRUE), 0u);
    }
    StoreNumber(HKEY_LOCAL_MACHINE, key, "CacheHashTableSize", 1024);
    EXPECT_EQ(Read(&CInternetTweaks::GetDoubleDNSCache, TRUE), 0u);
}

// ---- The three browser folders ----

const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct BrowserFolder {
    const char* valueName;
    const char* windowsSubfolder;
    BOOL (CInternetTweaks::*clear)();
};

const BrowserFolder kBrowserFolders[] = {
    {"Cookies", "\\Cookies", &CInternetTweaks::ClearCookies},
    {"Cache", "\\Temporary Internet Files", &CInternetTweaks::ClearTemporaryInternetFiles},
    {"History", "\\History", &CInternetTweaks::ClearHistory},
};

// What a browser leaves in its folders: index files at several levels among pages and cookies.
void FillBrowserFolder(const std::string& folder) {
    CTestFolder::WriteFile(folder + "\\index.dat", "top");
    CTestFolder::WriteFile(folder + "\\user@site[1].txt", "cookie");
    CTestFolder::MakeDirectory(folder + "\\Content.IE5");
    CTestFolder::WriteFile(folder + "\\Content.IE5\\INDEX.DAT", "nested");
    CTestFolder::MakeDirectory(folder + "\\Content.IE5\\A1B2C3D4");
    CTestFolder::WriteFile(folder + "\\Content.IE5\\A1B2C3D4\\page[1].htm", "page");
    SetFileAttributesA((folder + "\\Content.IE5\\A1B2C3D4\\page[1].htm").c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    CTestFolder::MakeDirectory(folder + "\\Empty");
}

void ExpectOnlyIndexFilesLeft(const std::string& folder) {
    EXPECT_TRUE(CTestFolder::Exists(folder));
    EXPECT_EQ(CTestFolder::ReadFile(folder + "\\index.dat"), "top");
    EXPECT_EQ(CTestFolder::ReadFile(folder + "\\Content.IE5\\INDEX.DAT"), "nested");
    for (const char* gone : {"\\user@site[1].txt", "\\Content.IE5\\A1B2C3D4", "\\Empty"})
        EXPECT_FALSE(CTestFolder::Exists(folder + gone)) << folder << gone;
}

TEST_F(InternetTweaks, EachClearEmptiesTheFolderItsShellFolderNamesOrFailsOnAFileInUse) {
    CTestFolder browser("browser");
    for (const BrowserFolder& folder : kBrowserFolders) {
        StoreText(HKEY_CURRENT_USER, kShellFolders, folder.valueName, browser / folder.valueName);
        CTestFolder::MakeDirectory(browser / folder.valueName);
        FillBrowserFolder(browser / folder.valueName);
    }
    for (size_t i = 0; i < 3; ++i) {
        const BrowserFolder& folder = kBrowserFolders[i];
        SCOPED_TRACE(folder.valueName);
        const std::string path = browser / folder.valueName;
        EXPECT_EQ((module_.*folder.clear)(), TRUE);
        ExpectOnlyIndexFilesLeft(path);
        for (size_t later = i + 1; later < 3; ++later)
            EXPECT_TRUE(CTestFolder::Exists(browser / kBrowserFolders[later].valueName +
                                            "\\user@site[1].txt"));
        // A file in use stays: the clear fails, and the rest is still gone.
        FillBrowserFolder(path);
        CTestFolder::WriteFile(path + "\\Content.IE5\\busy.htm", "x");
        HANDLE busy = CreateFileA((path + "\\Content.IE5\\busy.htm").c_str(), GENERIC_READ,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(busy, INVALID_HANDLE_VALUE);
        EXPECT_EQ((module_.*folder.clear)(), FALSE);
        CloseHandle(busy);
        EXPECT_TRUE(CTestFolder::Exists(path + "\\Content.IE5\\busy.htm"));
        EXPECT_FALSE(CTestFolder::Exists(path + "\\user@site[1].txt"));
        EXPECT_EQ((module_.*folder.clear)(), TRUE);
        ExpectOnlyIndexFilesLeft(path);
    }
    // A clear of a missing folder still succeeds.
    StoreText(HKEY_CURRENT_USER, kShellFolders, "History", browser / "gone");
    EXPECT_EQ(module_.ClearHistory(), TRUE);
    EXPECT_FALSE(CTestFolder::Exists(browser / "gone"));
}

// A shell folder can name any folder: the profile folder (whatever its case), a folder holding it
// and a relative path are refused untouched. The profile is pointed at a folder of the test's own,
// so that a fault can never empty a real one.
TEST_F(InternetTweaks, AShellFolderThatHoldsMoreThanBrowserFilesIsNotEmptied) {
    CTestFolder browser("browser");
    CSavedVariable profileVariable("USERPROFILE");
    const std::string profile = browser / "Profile";
    profileVariable.Set(profile);
    std::string upperProfile = profile + "\\";
    CharUpperBuffA(&upperProfile[0], static_cast<DWORD>(upperProfile.size()));
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    ASSERT_TRUE(SetCurrentDirectoryA(browser.Path().c_str()));

    const std::string named[] = {upperProfile, browser.Path(), "Cache"};
    const std::string filled[] = {profile, profile + "\\Cookies", browser / "Cache"};
    for (size_t i = 0; i < 3; ++i) {
        CTestFolder::MakeDirectory(filled[i]);
        CTestFolder::WriteFile(filled[i] + "\\user@site[1].txt", "cookie");
        StoreText(HKEY_CURRENT_USER, kShellFolders, kBrowserFolders[i].valueName, named[i]);
    }
    BOOL cleared[3];
    for (size_t i = 0; i < 3; ++i)
        cleared[i] = (module_.*kBrowserFolders[i].clear)();
    SetCurrentDirectoryA(current);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(cleared[i]) << named[i];
        EXPECT_TRUE(CTestFolder::Exists(filled[i] + "\\user@site[1].txt")) << named[i];
    }
}

// The Windows directory's browser folders, made for one test and removed again. The prefix has
// none of them; one that exists is someone's and is left alone.
class WindowsBrowserFolders : public InternetTweaks {
protected:
    void SetUp() override {
        for (const BrowserFolder& folder : kBrowserFolders)
            if (CTestFolder::Exists(module_.WindowsDirectory() + folder.windowsSubfolder))
                GTEST_SKIP() << folder.windowsSubfolder << " exists in the Windows directory";
        for (const BrowserFolder& folder : kBrowserFolders) {
            const std::string path = module_.WindowsDirectory() + folder.windowsSubfolder;
            CTestFolder::MakeDirectory(path);
            made_.push_back(path);
        }
    }
    void TearDown() override {
        for (const std::string& path : made_)
            CTestFolder::RemoveTree(path);
    }
    std::vector<std::string> made_;
};

TEST_F(WindowsBrowserFolders, WithoutAShellFolderTheWindowsDirectorysFolderIsCleared) {
    StoreText(HKEY_CURRENT_USER, kShellFolders, "Cookies", "");
    for (const BrowserFolder& folder : kBrowserFolders) {
        const std::string path = module_.WindowsDirectory() + folder.windowsSubfolder;
        FillBrowserFolder(path);
        EXPECT_EQ((module_.*folder.clear)(), TRUE);
        ExpectOnlyIndexFilesLeft(path);
    }
}

// ---- Help ----

} // namespace
