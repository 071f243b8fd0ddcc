#pragma once

#include <memory>
#include <string>

class CObject;
class CRuntimeClass;

// Backup files hold exactly one archived object.

// Writes the object to a new file (an existing one is truncated). 1 on success, 0 on any file or
// archive error.
int SaveObjectToFile(const CObject& object, const std::string& path);

enum class LoadResult {
    kLoaded,     // an object of the expected class was read
    kNullObject, // the file holds the null object
    kNoFile,     // the file could not be opened
    kFailed,     // a file, archive or memory error while reading
};

// Reads the one object of a file, which must be of `expected` (or derived from it).
LoadResult LoadObjectFromFile(std::unique_ptr<CObject>& object, const CRuntimeClass* expected,
                              const std::string& path, int* errorCause = nullptr);
