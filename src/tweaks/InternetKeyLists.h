#pragma once

#include <string>
#include <vector>
#include <windows.h>

// Where the TCP/IP tunings (MTU, RWIN, TTL) live. Each family keeps them in other places below
// HKEY_LOCAL_MACHINE, on the 9x family and on NT 4 under a network adapter or service that has to
// be found first. A place is one key-list entry, a text of the form "value name:key path:"; the
// value name " " stands for the key's unnamed value. Lists are built afresh for every read or
// write: nothing is remembered between calls.

// The entry for a value under a key.
std::string MakeKeyListEntry(const std::string& valueName, const std::string& keyPath);
// The value name (empty for the unnamed value) and the key path of an entry.
void SplitKeyListEntry(const std::string& entry, std::string& valueName, std::string& keyPath);

// The 9x class keys of the TCP/IP protocol and of the dial-up adapter (their subkeys 0000 to
// 0049 are searched for the driver description). The result is the full key path, for example
// "System\CurrentControlSet\Services\Class\Net\0012".
BOOL FindTcpIpProtocolKey(std::string& keyPath);
BOOL FindDialUpAdapterKey(std::string& keyPath);
// The NT 4 service of the dial-out network card, as a backslash and the service name.
BOOL FindDialOutService(std::string& service);

// The places of each tuning on a family; empty for a family that has none, or when the adapter
// or service they depend on cannot be found.
std::vector<std::string> BuildMTUKeyList(int osFamily);
std::vector<std::string> BuildRWINKeyList(int osFamily);
std::vector<std::string> BuildTTLKeyList(int osFamily);

// One entry. Its key is opened, or created when missing. The 9x family keeps the number as
// decimal text: the text is converted even when the value cannot be read, so a missing value
// reads as 0. The NT family keeps a DWORD, and a value that cannot be read leaves `value` as it
// was. Reading fails and writing succeeds, touching nothing, on any other family.
BOOL ReadKeyListValue(int osFamily, const std::string& entry, DWORD& value);
BOOL WriteKeyListValue(int osFamily, const std::string& entry, DWORD value);

// Every entry in order, the last one read giving the value; both stop at the first entry that
// fails, so the later ones are neither read nor written. An empty list succeeds.
BOOL ReadKeyList(int osFamily, const std::vector<std::string>& list, DWORD& value);
BOOL WriteKeyList(int osFamily, const std::vector<std::string>& list, DWORD value);
