#pragma once

#include <memory>
#include <string>

#include "archive/CArchive.h"
#include "archive/CArchiveException.h"
#include "archive/CObject.h"
#include "archive/ObjectFiles.h"
#include "platform/CRegistryAccess.h"
#include "platform/ProgramPaths.h"

// What every tweak module shares: its class record (its own name, schema 0x80000001, creatable
// for loading), its backup file in the Backup folder, storing and loading through the archive,
// and the schema check. A module `M` derives from CTweakModule<M> and provides
//   static constexpr const char* kClassName;        e.g. "CSystemTweaks"
//   static constexpr const char* kBackupFileName;   e.g. "\\system.tvb"
//   void ExchangeFields(CArchive&);                 its record in archive order
template <class Module> class CTweakModule : public CObject, public CRegistryAccess {
public:
    static constexpr unsigned kSchema = CRuntimeClass::kVersionableSchema | 1u;
    static const CRuntimeClass classRecord;

    const CRuntimeClass* GetRuntimeClass() const override { return &classRecord; }

    // Stores or loads the module's record, by the archive's direction.
    void Serialize(CArchive& archive) override {
        CObject::Serialize(archive);
        if (archive.IsLoading() && archive.ObjectSchema() != 1)
            throw CArchiveException(CArchiveException::kBadSchema);
        static_cast<Module*>(this)->ExchangeFields(archive);
    }

    // The program directory followed by "\Backup" and the module's file name.
    static std::string DefaultBackupFile() {
        return GetBackupDirectory() + Module::kBackupFileName;
    }

    // Writes the module's record to the file (empty path: the module's backup file).
    int SaveToFile(const std::string& path = std::string()) const {
        return SaveObjectToFile(*this, path.empty() ? DefaultBackupFile() : path);
    }

    // Reads a module object from the file (empty path: the module's backup file). Returns 1 when
    // an object was read; the object pointer always holds a usable object afterwards: the one
    // read, or a freshly constructed one when the file is missing, holds the null object (which
    // also counts as read) or cannot be read.
    static int LoadFromFile(std::unique_ptr<Module>& object,
                            const std::string& path = std::string(), LoadResult* result = nullptr,
                            int* errorCause = nullptr) {
        std::unique_ptr<CObject> loaded;
        const LoadResult outcome = LoadObjectFromFile(
            loaded, &classRecord, path.empty() ? DefaultBackupFile() : path, errorCause);
        if (result != nullptr)
            *result = outcome;
        if (outcome == LoadResult::kLoaded)
            object.reset(static_cast<Module*>(loaded.release()));
        else
            object = std::make_unique<Module>();
        return outcome == LoadResult::kLoaded || outcome == LoadResult::kNullObject ? 1 : 0;
    }

private:
    static CObject* Create() { return new Module(); }
};

template <class Module>
const CRuntimeClass CTweakModule<Module>::classRecord(Module::kClassName, CTweakModule::kSchema,
                                                      &CObject::classCObject,
                                                      &CTweakModule::Create);
