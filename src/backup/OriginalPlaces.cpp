#include "backup/OriginalPlaces.h"

#include <algorithm>
#include <cstring>

#include "platform/WindowsVersion.h"
#include "tweaks/InternetKeyLists.h"

namespace {

HKEY RootOf(PlaceRoot root) {
    switch (root) {
    case PlaceRoot::kUser:
        return HKEY_CURRENT_USER;
    case PlaceRoot::kUsers:
        return HKEY_USERS;
    case PlaceRoot::kClasses:
        return HKEY_CLASSES_ROOT;
    default:
        return HKEY_LOCAL_MACHINE;
    }
}

std::string FileOf(const TweakPlace& place, const std::string& windowsDirectory) {
    return place.root == PlaceRoot::kWindowsDirectory ? windowsDirectory + place.key
                                                      : std::string(place.key);
}

bool SameText(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool SameKey(const RegistryPlace& a, const RegistryPlace& b) {
    return a.root == b.root && SameText(a.key, b.key);
}

bool Names(const RegistryPlace& place, const char* tweak) {
    return place.tweak != nullptr && std::strcmp(place.tweak, tweak) == 0;
}

void AddValue(std::vector<RegistryPlace>& values, const RegistryPlace& place) {
    for (const RegistryPlace& known : values)
        if (SameRegistryPlace(known, place))
            return;
    values.push_back(place);
}

// The record of originals lists its places in the order of the files it has always written:
// the catalogue's, but for these tweaks, whose places follow those of another in the same list
// (under the same key where that one has a place there).
const struct {
    const char* tweak;
    const char* after;
} kRecordOrder[] = {
    {"Remove 'Find' from Start Menu", "Remove 'Log Off' from Start Menu"},
    {"Enable \"Open With\" Option on Right Click Menus", "Sort Start Menu in Alphabetical order"},
};

void KeepRecordOrder(std::vector<RegistryPlace>& places) {
    for (const auto& rule : kRecordOrder) {
        // Only within a list where both tweaks have places.
        if (std::none_of(places.begin(), places.end(),
                         [&rule](const RegistryPlace& place) { return Names(place, rule.after); }))
            continue;
        std::vector<RegistryPlace> moved;
        for (size_t i = 0; i < places.size();) {
            if (Names(places[i], rule.tweak)) {
                moved.push_back(places[i]);
                places.erase(places.begin() + static_cast<std::ptrdiff_t>(i));
            } else {
                ++i;
            }
        }
        for (const RegistryPlace& place : moved) {
            size_t after = places.size(), afterSameKey = places.size();
            for (size_t j = 0; j < places.size(); ++j) {
                if (!Names(places[j], rule.after))
                    continue;
                after = j;
                if (SameKey(places[j], place))
                    afterSameKey = j;
            }
            const size_t at = afterSameKey < places.size() ? afterSameKey + 1
                              : after < places.size()      ? after + 1
                                                           : places.size();
            places.insert(places.begin() + static_cast<std::ptrdiff_t>(at), place);
        }
    }
}

// One module's registry values, in catalogue order except that a value under a key an earlier
// tweak of the module has values under follows the last of them: the record lists the two
// registrations key by key, and the Start Menu's policies before its Explorer settings.
class ModuleValues {
public:
    void Add(const RegistryPlace& place, const TweakEntry* entry) {
        size_t at = values_.size();
        bool shared = false; // the key has values of an earlier tweak
        for (size_t i = 0; i < values_.size(); ++i) {
            if (!SameKey(values_[i], place) || (owners_[i] == entry && !shared))
                continue;
            shared = true;
            at = i + 1;
        }
        values_.insert(values_.begin() + static_cast<std::ptrdiff_t>(at), place);
        owners_.insert(owners_.begin() + static_cast<std::ptrdiff_t>(at), entry);
    }
    const std::vector<RegistryPlace>& Values() const { return values_; }

private:
    std::vector<RegistryPlace> values_;
    std::vector<const TweakEntry*> owners_;
};

} // namespace

OriginalPlaces CollectOriginalPlaces(int family, const std::string& windowsDirectory) {
    OriginalPlaces places;
    // The values of the network adapters and services found now, after every other value.
    std::vector<RegistryPlace> found;
    for (int m = 0; m < Modules::kModuleCount; ++m) {
        const TweakCatalogue& catalogue = CatalogueOf(static_cast<Modules::Module>(m));
        ModuleValues values;
        for (size_t i = 0; i < catalogue.count; ++i) {
            const TweakEntry& entry = catalogue.entries[i];
            const char* tweak = entry.ShownName();
            for (const TweakPlace& place : entry.places) {
                switch (place.kind) {
                case PlaceKind::kValue:
                    values.Add(
                        {RootOf(place.root), place.key, place.name, tweak, place.words, place.unit},
                        &entry);
                    break;
                case PlaceKind::kTree:
                    places.trees.push_back({RootOf(place.root), place.key, std::string(), tweak});
                    break;
                case PlaceKind::kProfileEntry:
                    places.entries.push_back({FileOf(place, windowsDirectory), place.name,
                                              place.entry, tweak, place.words, place.unit});
                    break;
                case PlaceKind::kPicture: {
                    TweakPlace saved = place;
                    saved.key = place.name;
                    places.pictures.push_back(
                        {FileOf(place, windowsDirectory), FileOf(saved, windowsDirectory), tweak});
                    break;
                }
                case PlaceKind::kAdapterKeys:
                    for (const std::string& listed : place.adapterKeys(family)) {
                        std::string valueName, keyPath;
                        SplitKeyListEntry(listed, valueName, keyPath);
                        found.push_back({HKEY_LOCAL_MACHINE, keyPath, valueName, tweak, place.words,
                                         place.unit});
                    }
                    break;
                case PlaceKind::kNone:
                    break;
                }
            }
        }
        for (const RegistryPlace& value : values.Values())
            AddValue(places.values, value);
    }
    for (const RegistryPlace& value : found)
        AddValue(places.values, value);
    KeepRecordOrder(places.values);
    KeepRecordOrder(places.trees);
    return places;
}

OriginalPlaces CollectFamilyPlaces(int family, const std::string& windowsDirectory) {
    OriginalPlaces places = CollectOriginalPlaces(family, windowsDirectory);
    for (int version = kFamilyWin95; version <= kFamilyWinXP; ++version) {
        const bool sibling =
            version != family && ((IsNineXFamily(version) && IsNineXFamily(family)) ||
                                  (IsNTFamily(version) && IsNTFamily(family)));
        if (!sibling)
            continue;
        // Only the adapter lists differ between the versions of a family.
        for (const RegistryPlace& value : CollectOriginalPlaces(version, windowsDirectory).values)
            AddValue(places.values, value);
    }
    return places;
}

OriginalPlaces SelectPlaces(const OriginalPlaces& places, bool perUser) {
    OriginalPlaces selected;
    for (const RegistryPlace& value : places.values)
        if ((value.root == HKEY_CURRENT_USER) == perUser)
            selected.values.push_back(value);
    for (const RegistryPlace& tree : places.trees)
        if ((tree.root == HKEY_CURRENT_USER) == perUser)
            selected.trees.push_back(tree);
    if (!perUser) {
        selected.entries = places.entries;
        selected.pictures = places.pictures;
    }
    return selected;
}

const char* RootName(HKEY root) {
    if (root == HKEY_LOCAL_MACHINE)
        return "HKEY_LOCAL_MACHINE";
    if (root == HKEY_CURRENT_USER)
        return "HKEY_CURRENT_USER";
    if (root == HKEY_USERS)
        return "HKEY_USERS";
    if (root == HKEY_CLASSES_ROOT)
        return "HKEY_CLASSES_ROOT";
    return nullptr;
}

HKEY RootOfName(const std::string& name) {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_USERS, HKEY_CLASSES_ROOT})
        if (name == RootName(root))
            return root;
    return nullptr;
}

bool SameRegistryPlace(const RegistryPlace& a, const RegistryPlace& b) {
    return a.root == b.root && SameText(a.key, b.key) && SameText(a.value, b.value);
}

bool IsInTree(const RegistryPlace& tree, HKEY root, const std::string& key) {
    if (root != tree.root || key.size() < tree.key.size())
        return false;
    if (!SameText(key.substr(0, tree.key.size()), tree.key))
        return false;
    return key.size() == tree.key.size() || key[tree.key.size()] == '\\';
}
