#pragma once

#include <string>
#include <windows.h>

#include "archive/CArchiveStream.h"

// An archive stream over a file: opened for reading, or created (truncated) for writing.
class CFileArchiveStream : public CArchiveStream {
public:
    enum Mode { kRead, kCreate };

    // Check IsOpen afterwards.
    CFileArchiveStream(const std::string& path, Mode mode);
    ~CFileArchiveStream() override;
    CFileArchiveStream(const CFileArchiveStream&) = delete;
    CFileArchiveStream& operator=(const CFileArchiveStream&) = delete;

    bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
    size_t Read(void* data, size_t size) override;
    void Write(const void* data, size_t size) override;
    size_t Remaining() const override { return remaining_; }
    // Closes the file; throws when that fails for a written file.
    void Close();

private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
    size_t remaining_ = 0;
};
