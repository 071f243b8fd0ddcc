#pragma once

#include <string>
#include <windows.h>

#include "archive/CArchiveStream.h"
#include "platform/CHandle.h"

// A file of the analysis in the temporary folder, created (truncated) for writing through an
// archive. Every write and flush that fails throws CArchiveException with kFileError and keeps
// the system's error code. The file is never read back.
class CScratchFile : public CArchiveStream {
public:
    // The temporary folder as GetTempPathA gives it (with its backslash) followed by the name.
    static std::string PathOf(const std::string& fileName);

    // Creates the file; check IsOpen and Error afterwards.
    explicit CScratchFile(std::string path);
    CScratchFile(const CScratchFile&) = delete;
    CScratchFile& operator=(const CScratchFile&) = delete;

    bool IsOpen() const { return file_.IsValid(); }
    const std::string& Path() const { return path_; }
    // The system's error code of the last failure (0 when none).
    DWORD Error() const { return error_; }

    size_t Read(void*, size_t) override { return 0; }
    void Write(const void* data, size_t size) override;
    size_t Remaining() const override { return 0; }
    // Makes the written bytes reach the disk.
    void FlushToDisk();
    void Close() { file_.Close(); }

private:
    [[noreturn]] void Fail();

    std::string path_;
    CHandle file_;
    DWORD error_ = 0;
};
