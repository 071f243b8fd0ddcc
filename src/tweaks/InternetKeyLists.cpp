#include "tweaks/InternetKeyLists.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/CRegKey.h"
#include "platform/RegistryPrimitives.h"
#include "platform/WindowsVersion.h"

namespace {

const char kNetTransClassKey[] = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
const char kNetClassKey[] = "System\\CurrentControlSet\\Services\\Class\\Net";
const char kNetworkCardsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards";
const char kServicesKey[] = "SYSTEM\\CurrentControlSet\\Services";
const char kNTTcpipParameters[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char kNineXTcpip[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kUnnamedValue[] = " ";

// Class keys hold their drivers in subkeys 0000 to 0049; card lists in 1 to 50.
const int kClassSubkeys = 50;
const int kNetworkCards = 50;

// A text value read into a buffer of `bufferSize` bytes; FALSE when it is missing or longer.
BOOL QueryText(const CRegKey& key, const char* valueName, DWORD bufferSize, std::string& text) {
    std::vector<char> buffer(bufferSize, '\0');
    DWORD size = bufferSize;
    if (key.QueryValue(valueName, buffer.data(), size) != ERROR_SUCCESS)
        return FALSE;
    text.assign(buffer.data(), strnlen(buffer.data(), bufferSize));
    return TRUE;
}

// The first driver subkey of a 9x class key whose DriverDesc is exactly `description`. A driver
// without a readable description ends the search.
BOOL FindClassDriver(const char* classKey, const char* description, std::string& keyPath) {
    CRegKey classes;
    if (classes.Open(HKEY_LOCAL_MACHINE, classKey, KEY_READ) != ERROR_SUCCESS)
        return FALSE;
    for (int index = 0; index < kClassSubkeys; ++index) {
        char name[8];
        std::snprintf(name, sizeof(name), "%04d", index);
        CRegKey driver;
        if (driver.Open(classes.Get(), name, KEY_READ) != ERROR_SUCCESS)
            continue;
        std::string text;
        if (!QueryText(driver, "DriverDesc", 56, text))
            return FALSE;
        if (text == description) {
            keyPath = std::string(classKey) + "\\" + name;
            return TRUE;
        }
    }
    return FALSE;
}

} // namespace

std::string MakeKeyListEntry(const std::string& valueName, const std::string& keyPath) {
    return valueName + ":" + keyPath + ":";
}

void SplitKeyListEntry(const std::string& entry, std::string& valueName, std::string& keyPath) {
    const size_t nameEnd = entry.find(':');
    valueName = entry.substr(0, nameEnd);
    if (valueName == kUnnamedValue)
        valueName.clear();
    keyPath.clear();
    if (nameEnd == std::string::npos)
        return;
    // The path runs to the entry's closing colon, so that a colon inside a name read from the
    // registry (a service name) cannot cut the path short and send the value to another key.
    const size_t pathEnd = entry.rfind(':');
    keyPath =
        entry.substr(nameEnd + 1, pathEnd > nameEnd ? pathEnd - nameEnd - 1 : std::string::npos);
}

BOOL FindTcpIpProtocolKey(std::string& keyPath) {
    return FindClassDriver(kNetTransClassKey, "TCP/IP", keyPath);
}

BOOL FindDialUpAdapterKey(std::string& keyPath) {
    return FindClassDriver(kNetClassKey, "Dial-Up Adapter", keyPath);
}

BOOL FindDialOutService(std::string& service) {
    CRegKey cards;
    if (cards.Open(HKEY_LOCAL_MACHINE, kNetworkCardsKey, KEY_READ) != ERROR_SUCCESS)
        return FALSE;
    for (int number = 1; number <= kNetworkCards; ++number) {
        CRegKey card;
        if (card.Open(cards.Get(), std::to_string(number).c_str(), KEY_READ) != ERROR_SUCCESS)
            continue;
        std::string product;
        if (!QueryText(card, "ProductName", 256, product))
            return FALSE;
        if (product == "NdisWanDialoutIp") {
            std::string name;
            if (!QueryText(card, "ServiceName", 256, name))
                return FALSE;
            service = "\\" + name;
            return TRUE;
        }
    }
    return FALSE;
}

std::vector<std::string> BuildMTUKeyList(int osFamily) {
    std::vector<std::string> list;
    if (IsNineXFamily(osFamily)) {
        std::string protocol, adapter;
        if (!FindTcpIpProtocolKey(protocol) || !FindDialUpAdapterKey(adapter))
            return list;
        const std::string adapterKey =
            std::string(kNetClassKey) + "\\" + adapter.substr(adapter.size() - 4);
        const std::string ipMtuParams = adapterKey + "\\Ndi\\params\\IPMTU\\";
        list = {MakeKeyListEntry("IPMTU", protocol), MakeKeyListEntry("MaxMTU", protocol),
                MakeKeyListEntry("IPMTU", adapterKey), MakeKeyListEntry(kUnnamedValue, ipMtuParams),
                MakeKeyListEntry("default", ipMtuParams)};
    } else if (osFamily == kFamilyWinNT) {
        std::string service;
        if (!FindDialOutService(service))
            return list;
        list = {MakeKeyListEntry("MTU", kServicesKey + service + "\\Parameters\\Tcpip"),
                MakeKeyListEntry("MTU", kNTTcpipParameters)};
    } else if (IsNTFamily(osFamily)) {
        for (const char* place :
             {"\\NdisWan\\Parameters", "\\NdisWan\\Parameters\\Tcpip", "\\Tcpip",
              "\\Tcpip\\Parameters", "\\Tcpip\\Parameters\\Adapters\\NdisWanIp",
              "\\Tcpip\\Parameters\\Tcpip"})
            list.push_back(MakeKeyListEntry("MTU", std::string(kServicesKey) + place));
    }
    return list;
}

std::vector<std::string> BuildRWINKeyList(int osFamily) {
    if (IsNineXFamily(osFamily))
        return {MakeKeyListEntry("DefaultRcvWindow", kNineXTcpip)};
    if (IsNTFamily(osFamily))
        return {MakeKeyListEntry("TcpWindowSize", kNTTcpipParameters)};
    return {};
}

std::vector<std::string> BuildTTLKeyList(int osFamily) {
    if (IsNineXFamily(osFamily))
        return {MakeKeyListEntry("DefaultTTL", kNineXTcpip)};
    if (IsNTFamily(osFamily))
        return {MakeKeyListEntry("DefaultTTL", kNTTcpipParameters)};
    return {};
}

BOOL ReadKeyListValue(int osFamily, const std::string& entry, DWORD& value) {
    if (!IsNineXFamily(osFamily) && !IsNTFamily(osFamily))
        return FALSE;
    std::string valueName, keyPath;
    SplitKeyListEntry(entry, valueName, keyPath);
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, keyPath.c_str()) != ERROR_SUCCESS &&
        key.Create(HKEY_LOCAL_MACHINE, keyPath.c_str()) != ERROR_SUCCESS)
        return FALSE;
    if (IsNineXFamily(osFamily)) {
        // One byte more than the query may fill, so that the text always ends.
        char text[257] = {};
        DWORD size = 256;
        const LONG result = key.QueryValue(valueName.c_str(), text, size);
        if (result != ERROR_SUCCESS)
            std::memset(text, 0, sizeof(text));
        value = static_cast<DWORD>(std::atoi(text));
        return result == ERROR_SUCCESS;
    }
    BYTE data[4] = {};
    DWORD size = sizeof(data);
    if (key.QueryValue(valueName.c_str(), data, size) != ERROR_SUCCESS)
        return FALSE;
    std::memcpy(&value, data, sizeof(value));
    return TRUE;
}

BOOL WriteKeyListValue(int osFamily, const std::string& entry, DWORD value) {
    std::string valueName, keyPath;
    SplitKeyListEntry(entry, valueName, keyPath);
    if (IsNineXFamily(osFamily))
        return SetStringValue(HKEY_LOCAL_MACHINE, keyPath.c_str(), valueName.c_str(),
                              std::to_string(value));
    if (IsNTFamily(osFamily))
        return SetDwordValue(HKEY_LOCAL_MACHINE, keyPath.c_str(), valueName.c_str(), value);
    return TRUE;
}

BOOL ReadKeyList(int osFamily, const std::vector<std::string>& list, DWORD& value) {
    for (const std::string& entry : list)
        if (!ReadKeyListValue(osFamily, entry, value))
            return FALSE;
    return TRUE;
}

BOOL WriteKeyList(int osFamily, const std::vector<std::string>& list, DWORD value) {
    for (const std::string& entry : list)
        if (!WriteKeyListValue(osFamily, entry, value))
            return FALSE;
    return TRUE;
}
