#pragma once

#include <string>
#include <vector>
#include <windows.h>

// Every place a commit of any tweak module can write or delete on one Windows family: registry
// values, keys deleted with everything beneath them, profile-file entries and the logo pictures.
// The backup records what each place held; the restore puts back only places of this list.

struct RegistryPlace {
    HKEY root;
    std::string key;
    std::string value; // empty for the key's default value
};

struct ProfilePlace {
    std::string file;
    std::string section;
    std::string key;
};

struct OriginalPlaces {
    std::vector<RegistryPlace> values;
    // Keys a commit deletes whole: every value beneath them is kept.
    std::vector<RegistryPlace> trees; // `value` unused
    std::vector<ProfilePlace> entries;
    // Pairs of a picture and its saved copy, picture first.
    std::vector<std::pair<std::string, std::string>> pictures;
};

// The places for `family`, with the network adapter and service keys found now.
OriginalPlaces CollectOriginalPlaces(int family, const std::string& windowsDirectory);

// Root names as registry files write them ("HKEY_LOCAL_MACHINE"...); nullptr for another root.
const char* RootName(HKEY root);
// The root of that name, or nullptr.
HKEY RootOfName(const std::string& name);

bool SameRegistryPlace(const RegistryPlace& a, const RegistryPlace& b);
// Whether `key` is `tree` itself or lies beneath it (same root, names compared without case).
bool IsInTree(const RegistryPlace& tree, HKEY root, const std::string& key);
