#pragma once

#include <string>
#include <vector>
#include <windows.h>

#include "backup/OriginalPlaces.h"

// The exact originals of every place a commit can change (OriginalPlaces): for each registry
// value whether it existed, its type and its bytes; for each profile entry whether it existed and
// its text; for each logo picture whether it existed and a fingerprint of its content. Kept as a
// text file beside the backup files, which a person can read:
//
//   TORVANE ORIGINALS 1
//   Family=6
//   User=Ann                                        (who made it; left out when unknown)
//   [HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\PriorityControl]
//   "Win32PrioritySeparation"=dword:00000026
//   "OtherValue"=-                                  (the value did not exist)
//   @="text"                                        (the key's default value)
//   "Blob"=hex:01,02  "Odd"=hex(2):41,00            (REG_BINARY, other types by number)
//   [PROFILE C:\msdos.sys|Options]
//   "Autoscan"="1"
//   "BootKeys"=-                                    (the entry did not exist)
//   [FILES]
//   "c:\\Logo.sys"=file:12345,0A1B2C3D             (size and CRC-32 of the content)
//   "c:\\Logo.tvn"=-
//   ; checksum 89ABCDEF
//
// Quoted texts escape \ and " with a backslash and other control characters as \xNN. Lines
// starting with ";" are comments. The last line holds the CRC-32 of every byte before it: a
// record that does not end with it, or whose lines do not all parse, is not used at all.
class COriginalsRecord {
public:
    struct RegistryEntry {
        RegistryPlace place;
        bool exists = false;
        DWORD type = 0;
        std::string data;
    };
    struct ProfileEntry {
        ProfilePlace place;
        bool exists = false;
        std::string text;
    };
    struct FileEntry {
        std::string path;
        bool exists = false;
        DWORD size = 0;
        DWORD crc = 0;
    };

    // The record beside the nine backup files.
    static std::string DefaultPath();

    // Reads every place from the system; `user` is who makes the backup ("" when unknown).
    void Capture(int family, const OriginalPlaces& places, const std::string& user = "");
    std::string Format() const;
    // All or nothing: false (and an empty record) unless every line is sound.
    bool Parse(const std::string& text);
    // Written under a temporary name and put in place when complete.
    int SaveToFile(const std::string& path) const;
    // False when the file is missing, unreadable or larger than any record.
    bool LoadFromFile(const std::string& path);

    // Whether every entry names a place of `places` and holds what that place can hold: profile
    // texts without control characters (a line break would add lines to the file), registry
    // names without them, keys of a kept tree without "." or ".." steps, and no size beyond what
    // the place takes. A record that fails is not an original and is not used at all.
    bool FitsPlaces(const OriginalPlaces& places) const;
    int Family() const { return family_; }
    // Who made the backup; empty in records that do not say.
    const std::string& User() const { return user_; }
    const std::vector<RegistryEntry>& Values() const { return values_; }
    const std::vector<ProfileEntry>& Entries() const { return entries_; }
    const std::vector<FileEntry>& Files() const { return files_; }

    // What a restore did: the record's part, and what CBackupManager adds for the nine files.
    struct RestoreResult {
        // A record is there but damaged, of another family or not fitting the places: nothing of
        // it was applied.
        bool refused = false;
        // Places that could not be put back, as a person reads them.
        std::vector<std::string> failed;
        // The tweaks those places belong to as the pages show them, each once.
        std::vector<std::string> failedTweaks;
        // The sections (as the main window names them) whose backup file could not be read.
        std::vector<std::string> unreadableModules;
        // When the backup was made by another user: that user, whose own settings (those under
        // HKEY_CURRENT_USER) were left as they are.
        std::string otherUser;

        // Whether everything was put back.
        bool Complete() const {
            return !refused && failed.empty() && failedTweaks.empty() &&
                   unreadableModules.empty() && otherUser.empty();
        }
        // Adds a place that could not be put back, with its tweak when known.
        void AddFailure(const std::string& place, const char* tweak);
        void AddFailedTweak(const std::string& tweak);
    };

    // Puts back every entry that names a place of `places`; entries naming other places are
    // ignored (a place this Windows version lacks is no failure). Only places whose current state
    // differs are written, and the registry keys written are flushed. The places that could not
    // be put back go to `result`.
    void Apply(const OriginalPlaces& places, RestoreResult& result) const;

    // The default record as a restore finds it.
    enum class Found { kNone, kRefused, kUsable };
    // Loads the default record and checks it: usable when it is sound, was taken on this Windows
    // family (an upgrade within the 9x or the NT family keeps it) and fits the places of that
    // family (CollectFamilyPlaces). `places` are then this system's places: entries naming places
    // this version lacks are skipped.
    static Found LoadDefault(COriginalsRecord& record, OriginalPlaces& places);

    // Captures the places of this system and saves them as the default record.
    static int BackUpSystem();
    // Applies the default record when LoadDefault finds it usable. Without a record nothing is
    // done and nothing is reported.
    static RestoreResult RestoreSystem();

    // The user logged on, as GetUserNameA tells; "" when unknown (9x with nobody logged on).
    static std::string CurrentUser();
    // Test use only: the name CurrentUser returns instead of the system's; null for the system's.
    static void SetCurrentUserForTest(const char* name);

    static DWORD Crc32(const std::string& bytes, DWORD crc = 0);

private:
    int family_ = -1;
    std::string user_;
    std::vector<RegistryEntry> values_;
    std::vector<ProfileEntry> entries_;
    std::vector<FileEntry> files_;
};
