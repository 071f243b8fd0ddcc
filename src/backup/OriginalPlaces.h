#pragma once

#include <string>
#include <vector>
#include <windows.h>

#include "tweaks/TweakCatalogue.h"

// Every place a commit of any tweak module can write or delete on one Windows family: registry
// values, keys deleted with everything beneath them, profile-file entries and the logo pictures,
// as the tweak catalogue names them, each with its tweak and how its value is said (ValueWords).
// The backup records what each place held; the restore puts back only places of this list.

struct RegistryPlace {
    HKEY root;
    std::string key;
    std::string value; // empty for the key's default value
    // The tweak the place belongs to (TweakEntry::ShownName); null where unknown.
    const char* tweak = nullptr;
    ValueWords words = ValueWords::kRaw;
    const char* unit = nullptr; // kNumber: the unit after the number ("KB"), null for none
};

struct ProfilePlace {
    std::string file;
    std::string section;
    std::string key;
    const char* tweak = nullptr;
    ValueWords words = ValueWords::kRaw;
    const char* unit = nullptr;
};

struct PicturePlace {
    std::string picture;
    std::string saved; // the copy a replacement keeps of the previous picture
    const char* tweak = nullptr;
};

struct OriginalPlaces {
    std::vector<RegistryPlace> values;
    // Keys a commit deletes whole: every value beneath them is kept.
    std::vector<RegistryPlace> trees; // `value` unused
    std::vector<ProfilePlace> entries;
    std::vector<PicturePlace> pictures;
};

// The places for `family`, with the network adapter and service keys found now.
OriginalPlaces CollectOriginalPlaces(int family, const std::string& windowsDirectory);

// The places of every version of `family`'s family (95, 98 and ME; NT 4, 2000 and XP) together:
// what a record taken on any of them may name.
OriginalPlaces CollectFamilyPlaces(int family, const std::string& windowsDirectory);

// The places of one user alone (values and trees under HKEY_CURRENT_USER) when `perUser`, else
// every other place: those of the whole computer.
OriginalPlaces SelectPlaces(const OriginalPlaces& places, bool perUser);

// Root names as registry files write them ("HKEY_LOCAL_MACHINE"...); nullptr for another root.
const char* RootName(HKEY root);
// The root of that name, or nullptr.
HKEY RootOfName(const std::string& name);

bool SameRegistryPlace(const RegistryPlace& a, const RegistryPlace& b);
// Whether `key` is `tree` itself or lies beneath it (same root, names compared without case).
bool IsInTree(const RegistryPlace& tree, HKEY root, const std::string& key);
