#include "backup/CBackupManager.h"

#include <cstring>
#include <memory>
#include <vector>
#include <windows.h>

#include "backup/COriginalsRecord.h"
#include "platform/ProgramPaths.h"
#include "platform/RegistryPrimitives.h"
#include "platform/WindowsVersion.h"
#include "tweaks/TweakCatalogue.h"

namespace {

using Failures = COriginalsRecord::RestoreResult;

// What the restore of a few tweaks does beyond writing the record's value back.
enum class RestoreRule {
    // Written back only where Windows keeps it, in the 9x and the NT family; the backup reads it
    // everywhere.
    kNineXOrNTOnly,
    // A set flag deletes a value or key: one that is already gone reads as a failed write, so
    // such a failure names nothing.
    kDeletesWhenSet,
    // Written back before the module's other tweaks.
    kWrittenFirst,
};
const struct {
    Modules::Module module;
    const char* tweak;
    RestoreRule rule;
} kRestoreRules[] = {
    {Modules::kSystem, "Windows Reg. Name", RestoreRule::kNineXOrNTOnly},
    {Modules::kSystem, "Windows Reg. Company", RestoreRule::kNineXOrNTOnly},
    {Modules::kDesktop, "Shortcut Arrows on Shortcuts", RestoreRule::kDeletesWhenSet},
    {Modules::kStartMenu, "Sort Start Menu in Alphabetical order", RestoreRule::kDeletesWhenSet},
    {Modules::kHardDisk, "VCache Size", RestoreRule::kWrittenFirst},
};

bool Follows(const TweakEntry& entry, RestoreRule rule) {
    for (const auto& known : kRestoreRules)
        if (known.module == entry.module && known.rule == rule &&
            std::strcmp(known.tweak, entry.name) == 0)
            return true;
    return false;
}

// Saves a filled record under a temporary name beside its file, then puts it in place.
int SaveRecord(const TweakCatalogue& catalogue, const CRegistryAccess& record) {
    const std::string target = catalogue.backupFile();
    const std::string partial = target + ".part";
    DeleteFileA(partial.c_str());
    if (!catalogue.save(record, partial)) {
        DeleteFileA(partial.c_str());
        return 0;
    }
    if (!MoveFileReplacing(partial.c_str(), target.c_str())) {
        DeleteFileA(partial.c_str());
        return 0;
    }
    return 1;
}

// Reads every tweak the module's record holds on this family (starting from what Windows
// assumes) into a fresh record and saves it; the others keep the record's zeros.
int BackUpModule(const TweakCatalogue& catalogue) {
    const std::unique_ptr<CRegistryAccess> record = catalogue.createModule();
    const std::unique_ptr<CRegistryAccess> worker = catalogue.createModule();
    for (size_t i = 0; i < catalogue.count; ++i) {
        const TweakEntry& entry = catalogue.entries[i];
        if (entry.writeField != nullptr && entry.IsBackedUpOn(worker->OsFamily()))
            entry.writeField(*record, ReadTweak(entry, *worker));
    }
    return SaveRecord(catalogue, *record);
}

// Loads a module's file; 0 when it cannot be read, 1 otherwise with `record` set unless the file
// holds the null object (nothing to write back then).
int LoadRecord(const TweakCatalogue& catalogue, std::unique_ptr<CRegistryAccess>& record) {
    LoadResult result = LoadResult::kFailed;
    if (!catalogue.load(record, &result))
        return 0;
    if (result == LoadResult::kNullObject)
        record.reset();
    return 1;
}

// A hard disk record of nothing but zeros was taken where there is no disk cache to keep (the
// NT family): it writes nothing back.
bool HoldsOnlyZeros(const TweakCatalogue& catalogue, const CRegistryAccess& record) {
    for (size_t i = 0; i < catalogue.count; ++i) {
        const TweakEntry& entry = catalogue.entries[i];
        if (entry.readField == nullptr)
            continue;
        TweakValue value;
        entry.readField(record, value);
        if (value != TweakValue())
            return false;
    }
    return true;
}

// Writes back every tweak of the module's record that the backup read on this family and that
// has a setter; a write that fails names its tweak in `failed`.
int RestoreModule(const TweakCatalogue& catalogue, Failures& failed) {
    std::unique_ptr<CRegistryAccess> record;
    if (!LoadRecord(catalogue, record))
        return 0;
    if (!record || (catalogue.module == Modules::kHardDisk && HoldsOnlyZeros(catalogue, *record)))
        return 1;
    const int family = record->OsFamily();
    std::vector<const TweakEntry*> order;
    for (size_t i = 0; i < catalogue.count; ++i)
        if (Follows(catalogue.entries[i], RestoreRule::kWrittenFirst))
            order.push_back(&catalogue.entries[i]);
    for (size_t i = 0; i < catalogue.count; ++i)
        if (!Follows(catalogue.entries[i], RestoreRule::kWrittenFirst))
            order.push_back(&catalogue.entries[i]);
    for (const TweakEntry* entry : order) {
        if (entry->readField == nullptr || entry->set == nullptr || !entry->IsBackedUpOn(family))
            continue;
        if (Follows(*entry, RestoreRule::kNineXOrNTOnly) && !IsNineXFamily(family) &&
            !IsNTFamily(family))
            continue;
        TweakValue value;
        entry->readField(*record, value);
        const bool named =
            !(Follows(*entry, RestoreRule::kDeletesWhenSet) && value.numbers[0] != 0);
        if (!entry->set(*record, value) && named)
            failed.AddFailedTweak(entry->ShownName());
    }
    return 1;
}

const TweakCatalogue& Catalogue(int module) {
    return CatalogueOf(static_cast<Modules::Module>(module));
}

} // namespace

const std::vector<std::string>& CBackupManager::BackupFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> paths;
        for (int m = 0; m < Modules::kModuleCount; ++m)
            paths.push_back(Catalogue(m).backupFile());
        return paths;
    }();
    return files;
}

int CBackupManager::CreateBackup() {
    CreateDirectoryA(GetBackupDirectory().c_str(), nullptr);
    for (const std::string& file : BackupFiles())
        DeleteFileA(file.c_str());
    // The exact originals, beside the nine files, read before any module reads.
    DeleteFileA(COriginalsRecord::DefaultPath().c_str());
    if (!COriginalsRecord::BackUpSystem())
        return 0;
    for (int m = 0; m < Modules::kModuleCount; ++m) {
        if (!BackUpModule(Catalogue(m)))
            return 0;
    }
    return 1;
}

int CBackupManager::BackupFilesExist() {
    for (const std::string& file : BackupFiles()) {
        if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES)
            return 0;
    }
    return 1;
}

CBackupManager::Existing CBackupManager::FindExistingBackup() {
    bool anyFile =
        GetFileAttributesA(COriginalsRecord::DefaultPath().c_str()) != INVALID_FILE_ATTRIBUTES;
    bool allRead = true;
    for (size_t i = 0; i < BackupFiles().size(); ++i) {
        anyFile =
            anyFile || GetFileAttributesA(BackupFiles()[i].c_str()) != INVALID_FILE_ATTRIBUTES;
        std::unique_ptr<CRegistryAccess> record;
        allRead = allRead && LoadRecord(Catalogue(static_cast<int>(i)), record);
    }
    if (!anyFile)
        return Existing::kNone;
    if (!allRead)
        return Existing::kDamaged;
    // A record beside the nine files has to be sound and of this Windows family; without one the
    // nine files alone are the originals, as a backup of an earlier version keeps them.
    COriginalsRecord record;
    OriginalPlaces places;
    return COriginalsRecord::LoadDefault(record, places) == COriginalsRecord::Found::kRefused
               ? Existing::kDamaged
               : Existing::kComplete;
}

int CBackupManager::RestoreBackup() {
    originals_ = COriginalsRecord::RestoreResult();
    COriginalsRecord record;
    OriginalPlaces places;
    const COriginalsRecord::Found found = COriginalsRecord::LoadDefault(record, places);
    originals_.refused = found == COriginalsRecord::Found::kRefused;

    // Values under HKEY_CURRENT_USER belong to the user who made the backup: another user's
    // restore leaves this user's own as they are now, what the nine files hold included.
    const std::string me = COriginalsRecord::CurrentUser();
    const bool otherUser = found == COriginalsRecord::Found::kUsable && !record.User().empty() &&
                           !me.empty() && lstrcmpiA(record.User().c_str(), me.c_str()) != 0;
    COriginalsRecord mine;
    OriginalPlaces myPlaces;
    if (otherUser) {
        originals_.otherUser = record.User();
        myPlaces = SelectPlaces(places, true);
        mine.Capture(record.Family(), myPlaces);
    }

    // Every module whose file can be read, whatever became of the others.
    Failures modules;
    int read = 0;
    for (int m = 0; m < Modules::kModuleCount; ++m) {
        if (RestoreModule(Catalogue(m), modules))
            ++read;
        else
            originals_.unreadableModules.push_back(Catalogue(m).section);
    }
    if (otherUser)
        mine.Apply(myPlaces, originals_);
    // Then what the nine files cannot hold: exact types and data, values that did not exist.
    // The record puts back every place a module writes, so a module's failed write counts only
    // where there is no record to mend it.
    if (found == COriginalsRecord::Found::kUsable)
        record.Apply(otherUser ? SelectPlaces(places, false) : places, originals_);
    else
        for (const std::string& tweak : modules.failedTweaks)
            originals_.AddFailedTweak(tweak);
    // Writes of the modules that delete values and keys are not flushed one by one.
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_USERS, HKEY_CLASSES_ROOT})
        RegFlushKey(root);
    return read > 0 || found == COriginalsRecord::Found::kUsable ? 1 : 0;
}
