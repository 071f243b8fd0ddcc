#pragma once

#include <string>
#include <windows.h>

#include "backup/CArchiveStream.h"
#include "platform/CHandle.h"

// An archive stream over a file: opened for reading, or created (truncated) for writing.
class CFileArchiveStream : public CArchiveStream {
public:
    enum Mode { kRead, kCreate };

    // Check IsOpen afterwards.
    CFileArchiveStream(const std::string& path, Mode mode);

    bool IsOpen() const { return file_.IsValid(); }
    size_t Read(void* data, size_t size) override;
    void Write(const void* data, size_t size) override;
    size_t Remaining() const override { return remaining_; }
    // Closes the file; throws when that fails for a written file.
    void Close();

private:
    CHandle file_;
    size_t remaining_ = 0;
};
