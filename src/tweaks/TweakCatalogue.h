#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include "archive/ObjectFiles.h"
#include "platform/CRegistryAccess.h"
#include "ui/Modules.h"

// Every tweak of the nine modules, described once: which module it belongs to, its name as the
// user reads it, the Windows families it works on, how it is read and written, how the page
// shows it, whether it needs a restart, the places it can change and its field in the module's
// backup record. The pages, the analysers' lists and the scratch records are made from these
// tables, and so are the backup and restore of the nine module files and the list of places the
// record of originals keeps; a new tweak is one entry here (and its module operation).

// The value of one tweak: up to three numbers (a flag is numbers[0]) or a text, or both.
struct TweakValue {
    DWORD numbers[3] = {0, 0, 0};
    std::string text;

    bool operator==(const TweakValue& other) const {
        return numbers[0] == other.numbers[0] && numbers[1] == other.numbers[1] &&
               numbers[2] == other.numbers[2] && text == other.text;
    }
    bool operator!=(const TweakValue& other) const { return !(*this == other); }
};

// Reads the tweak's value from the system into `value` (which holds what is assumed when nothing
// can be read); writes it back; builds the help text. `module` is an object of the tweak's
// module.
using TweakGetter = BOOL (*)(CRegistryAccess& module, TweakValue& value);
using TweakSetter = BOOL (*)(CRegistryAccess& module, const TweakValue& value);
using TweakHelp = BOOL (*)(CRegistryAccess& module, std::string& text);

// The tweak's field or fields in its module's backup record (the module object's members).
using TweakFieldRead = void (*)(const CRegistryAccess& record, TweakValue& value);
using TweakFieldWrite = void (*)(CRegistryAccess& record, const TweakValue& value);

// The families a tweak works on, as a mask of family codes (bit n for code n).
enum : unsigned {
    kAllFamilies = 0xFFu,
    kNineXOnly = (1u << 1) | (1u << 2) | (1u << 3),
    kNTOnly = (1u << 4) | (1u << 5) | (1u << 6),
    kNotXP = kAllFamilies & ~(1u << 6),
};

inline bool InFamilies(unsigned mask, int family) {
    return family >= 0 && family < 8 && ((mask >> family) & 1u) != 0;
}

// How a place's value is said to a person ("What Changed" and the /changes list).
enum class ValueWords : unsigned char {
    kRaw,          // as stored: the text, the number or the bytes
    kText,         // a text
    kFolder,       // a folder path
    kFlag,         // a number: not 0 is "On"
    kFlagInverted, // a number: 0 is "On" (the page's box shows the opposite of the value)
    kSetMeansOff,  // the value being there at all is "Off", its absence "On"
    kSeconds,      // milliseconds said in seconds
    kNumber,       // a number, with the place's unit
};

// A place a tweak's commit can write or delete.
enum class PlaceKind : unsigned char {
    kNone,
    kValue,        // a registry value (`name` empty: the key's default value)
    kTree,         // a registry key deleted with everything beneath it
    kProfileEntry, // an entry of a profile file: `key` the file, `name` the section, `entry`
    kPicture,      // a picture file (`key`) and its saved copy (`name`)
    kAdapterKeys,  // the key-list entries `adapterKeys` builds for a family (see InternetKeyLists)
};
enum class PlaceRoot : unsigned char {
    kMachine,          // HKEY_LOCAL_MACHINE
    kUser,             // HKEY_CURRENT_USER
    kUsers,            // HKEY_USERS
    kClasses,          // HKEY_CLASSES_ROOT
    kWindowsDirectory, // a file named relative to the Windows directory
    kFile,             // a file named in full
};
struct TweakPlace {
    PlaceKind kind = PlaceKind::kNone;
    PlaceRoot root = PlaceRoot::kMachine;
    const char* key = nullptr;
    const char* name = nullptr;
    const char* entry = nullptr;
    std::vector<std::string> (*adapterKeys)(int family) = nullptr;
    // How the value is said (values, profile entries and the adapter lists' values), and its
    // unit after a number ("KB"; null for none).
    ValueWords words = ValueWords::kRaw;
    const char* unit = nullptr;
};
constexpr TweakPlace RegValue(PlaceRoot root, const char* key, const char* name,
                              ValueWords words = ValueWords::kRaw, const char* unit = nullptr) {
    return {PlaceKind::kValue, root, key, name, nullptr, nullptr, words, unit};
}
constexpr TweakPlace RegTree(PlaceRoot root, const char* key) {
    return {PlaceKind::kTree, root, key, nullptr, nullptr, nullptr};
}
constexpr TweakPlace ProfileEntry(PlaceRoot root, const char* file, const char* section,
                                  const char* entry, ValueWords words = ValueWords::kRaw,
                                  const char* unit = nullptr) {
    return {PlaceKind::kProfileEntry, root, file, section, entry, nullptr, words, unit};
}
constexpr TweakPlace Picture(PlaceRoot root, const char* file, const char* saved) {
    return {PlaceKind::kPicture, root, file, saved, nullptr, nullptr};
}
// Each value of the lists is a number.
constexpr TweakPlace AdapterKeys(std::vector<std::string> (*build)(int family)) {
    TweakPlace place = {PlaceKind::kAdapterKeys, PlaceRoot::kMachine};
    place.adapterKeys = build;
    place.words = ValueWords::kNumber;
    return place;
}

struct TweakEntry {
    static constexpr int kMaxPlaces = 4;

    Modules::Module module = Modules::kSystem;
    const char* name = nullptr; // as the user reads it on the page
    // As a restore and "What Changed" name it, where that is longer than `name` (the words of
    // the row's box: "Enable Smooth Fonts" for "Smooth Fonts"); null: `name`.
    const char* shown = nullptr;
    TweakGetter get = nullptr; // none: nothing to read
    TweakSetter set = nullptr; // none: never written (a backup-only field)
    TweakHelp help = nullptr;
    // Where the page offers it and Auto Tune reads and commits it.
    unsigned families = kAllFamilies;
    // Where the backup reads it and the restore writes it back; mostly `families`.
    unsigned backupFamilies = kAllFamilies;
    DWORD assumed[3] = {0, 0, 0}; // what Windows assumes where the value cannot be read
    DWORD preset = 0;             // shown units: the page's value before reading, and when off
    DWORD scale = 1;              // system units per shown unit (1000: seconds for milliseconds)
    bool inverted = false;        // the page shows the opposite of the stored flag
    bool restart = false;         // a commit takes effect after a restart of Windows
    TweakFieldRead readField = nullptr; // none: the backup record does not hold it
    TweakFieldWrite writeField = nullptr;
    TweakPlace places[kMaxPlaces] = {};

    const char* ShownName() const { return shown != nullptr ? shown : name; }
    bool WorksOn(int family) const { return InFamilies(families, family); }
    bool IsBackedUpOn(int family) const { return InFamilies(backupFamilies, family); }

    // Modifiers, so that a table reads as one entry per tweak.
    constexpr TweakEntry Shown(const char* text) const {
        TweakEntry entry = *this;
        entry.shown = text;
        return entry;
    }
    constexpr TweakEntry Families(unsigned mask) const {
        TweakEntry entry = *this;
        entry.families = mask;
        entry.backupFamilies = mask;
        return entry;
    }
    constexpr TweakEntry BackupFamilies(unsigned mask) const {
        TweakEntry entry = *this;
        entry.backupFamilies = mask;
        return entry;
    }
    constexpr TweakEntry Assumed(DWORD first, DWORD second, DWORD third = 0) const {
        TweakEntry entry = *this;
        entry.assumed[0] = first;
        entry.assumed[1] = second;
        entry.assumed[2] = third;
        return entry;
    }
    constexpr TweakEntry Preset(DWORD value) const {
        TweakEntry entry = *this;
        entry.preset = value;
        return entry;
    }
    constexpr TweakEntry Scale(DWORD factor) const {
        TweakEntry entry = *this;
        entry.scale = factor;
        return entry;
    }
    constexpr TweakEntry Inverted() const {
        TweakEntry entry = *this;
        entry.inverted = true;
        return entry;
    }
    constexpr TweakEntry Restart() const {
        TweakEntry entry = *this;
        entry.restart = true;
        return entry;
    }
    struct Field {
        TweakFieldRead read;
        TweakFieldWrite write;
    };
    constexpr TweakEntry Record(Field field) const {
        TweakEntry entry = *this;
        entry.readField = field.read;
        entry.writeField = field.write;
        return entry;
    }
    constexpr TweakEntry Places(TweakPlace first, TweakPlace second = {}, TweakPlace third = {},
                                TweakPlace fourth = {}) const {
        TweakEntry entry = *this;
        entry.places[0] = first;
        entry.places[1] = second;
        entry.places[2] = third;
        entry.places[3] = fourth;
        return entry;
    }
};

// One module's tweaks, in the order its page shows them, the backup reads them and the restore
// writes them back (the restore takes the hard disk's VCache first), with its section as the
// main window names it and its backup file.
struct TweakCatalogue {
    Modules::Module module;
    const char* section;
    std::unique_ptr<CRegistryAccess> (*createModule)();
    const TweakEntry* entries;
    size_t count;
    // The module's backup file (full path); writing a module object to a file; reading one from
    // the module's backup file (1 when an object or the null object was read; `record` always
    // holds a usable object afterwards, as CTweakModule::LoadFromFile tells).
    std::string (*backupFile)();
    int (*save)(const CRegistryAccess& record, const std::string& path);
    int (*load)(std::unique_ptr<CRegistryAccess>& record, LoadResult* result);

    // The entry of that name, or null.
    const TweakEntry* Find(const char* name) const;
};

const TweakCatalogue& CatalogueOf(Modules::Module module);
// The entry of that name in the module's catalogue, or null.
const TweakEntry* FindTweak(Modules::Module module, const char* name);
// The tweak's value as Windows assumes it, then as read through `module` where there is
// something to read. The families are not consulted.
TweakValue ReadTweak(const TweakEntry& entry, CRegistryAccess& module);
// One number of ReadTweak, through a fresh object of the tweak's module.
DWORD ReadTweakNumber(const TweakEntry& entry, int number = 0);

// The operations of a tweak, made from a module's member functions.
struct TweakAccess {
    TweakGetter get;
    TweakSetter set;
};

template <class M, BOOL (M::*Get)(DWORD&), BOOL (M::*Set)(DWORD)>
constexpr TweakAccess NumberAccess() {
    return {[](CRegistryAccess& module, TweakValue& value) {
                return (static_cast<M&>(module).*Get)(value.numbers[0]);
            },
            [](CRegistryAccess& module, const TweakValue& value) {
                return (static_cast<M&>(module).*Set)(value.numbers[0]);
            }};
}

template <class M, BOOL (M::*Get)(std::string&), BOOL (M::*Set)(const std::string&)>
constexpr TweakAccess TextAccess() {
    return {[](CRegistryAccess& module, TweakValue& value) {
                return (static_cast<M&>(module).*Get)(value.text);
            },
            [](CRegistryAccess& module, const TweakValue& value) {
                return (static_cast<M&>(module).*Set)(value.text);
            }};
}

// A picture: nothing to read; committing hands the box's state and the path over.
template <class M, BOOL (M::*Set)(DWORD, const std::string&)> constexpr TweakAccess ImageAccess() {
    return {nullptr, [](CRegistryAccess& module, const TweakValue& value) {
                return (static_cast<M&>(module).*Set)(1, value.text);
            }};
}

template <class M, BOOL (M::*Help)(std::string&)> constexpr TweakHelp HelpOf() {
    return [](CRegistryAccess& module, std::string& text) {
        return (static_cast<M&>(module).*Help)(text);
    };
}

// A record field holding numbers[0] (a number) or the text.
template <class M, DWORD M::*Member> constexpr TweakEntry::Field NumberField() {
    return {[](const CRegistryAccess& record, TweakValue& value) {
                value.numbers[0] = static_cast<const M&>(record).*Member;
            },
            [](CRegistryAccess& record, const TweakValue& value) {
                static_cast<M&>(record).*Member = value.numbers[0];
            }};
}
template <class M, std::string M::*Member> constexpr TweakEntry::Field TextField() {
    return {[](const CRegistryAccess& record, TweakValue& value) {
                value.text = static_cast<const M&>(record).*Member;
            },
            [](CRegistryAccess& record, const TweakValue& value) {
                static_cast<M&>(record).*Member = value.text;
            }};
}
// Record fields holding numbers[0], numbers[1] and numbers[2].
template <class M, DWORD M::*First, DWORD M::*Second, DWORD M::*Third = nullptr>
constexpr TweakEntry::Field NumberFields() {
    return {[](const CRegistryAccess& record, TweakValue& value) {
                const M& m = static_cast<const M&>(record);
                value.numbers[0] = m.*First;
                value.numbers[1] = m.*Second;
                if constexpr (Third != nullptr)
                    value.numbers[2] = m.*Third;
            },
            [](CRegistryAccess& record, const TweakValue& value) {
                M& m = static_cast<M&>(record);
                m.*First = value.numbers[0];
                m.*Second = value.numbers[1];
                if constexpr (Third != nullptr)
                    m.*Third = value.numbers[2];
            }};
}

constexpr TweakEntry Tweak(Modules::Module module, const char* name, TweakAccess access,
                           TweakHelp help) {
    TweakEntry entry;
    entry.module = module;
    entry.name = name;
    entry.get = access.get;
    entry.set = access.set;
    entry.help = help;
    return entry;
}

template <class M> std::unique_ptr<CRegistryAccess> MakeModule() {
    return std::make_unique<M>();
}
template <class M> std::string BackupFileOf() {
    return M::DefaultBackupFile();
}
template <class M> int SaveModule(const CRegistryAccess& record, const std::string& path) {
    return static_cast<const M&>(record).SaveToFile(path);
}
template <class M> int LoadModule(std::unique_ptr<CRegistryAccess>& record, LoadResult* result) {
    std::unique_ptr<M> loaded;
    const int read = M::LoadFromFile(loaded, std::string(), result);
    record = std::move(loaded);
    return read;
}
