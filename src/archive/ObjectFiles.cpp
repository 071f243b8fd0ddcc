#include "archive/ObjectFiles.h"

#include <new>

#include "archive/CArchive.h"
#include "archive/CArchiveException.h"
#include "archive/CFileArchiveStream.h"
#include "archive/CObject.h"

int SaveObjectToFile(const CObject& object, const std::string& path) {
    try {
        CFileArchiveStream file(path, CFileArchiveStream::kCreate);
        CArchive archive(file, CArchive::kStore);
        archive.WriteObject(&object);
        archive.Flush();
        file.Close();
        return 1;
    } catch (const CArchiveException&) {
        return 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

LoadResult LoadObjectFromFile(std::unique_ptr<CObject>& object, const CRuntimeClass* expected,
                              const std::string& path, int* errorCause) {
    object.reset();
    CFileArchiveStream file(path, CFileArchiveStream::kRead);
    if (!file.IsOpen())
        return LoadResult::kNoFile;
    try {
        CArchive archive(file, CArchive::kLoad);
        object.reset(archive.ReadObject(expected));
        return object ? LoadResult::kLoaded : LoadResult::kNullObject;
    } catch (const CArchiveException& error) {
        if (errorCause != nullptr)
            *errorCause = error.Cause();
    } catch (const std::bad_alloc&) {
        if (errorCause != nullptr)
            *errorCause = 0;
    }
    object.reset();
    return LoadResult::kFailed;
}
