#pragma once

#include <cstddef>

// What an archive reads from or writes to: a file, or a byte buffer in tests.
class CArchiveStream {
public:
    virtual ~CArchiveStream() = default;
    // Reads up to `size` bytes; returns how many were read (0 at the end).
    virtual size_t Read(void* data, size_t size) = 0;
    // Writes all bytes or throws.
    virtual void Write(const void* data, size_t size) = 0;
    // Bytes left to read from the current position.
    virtual size_t Remaining() const = 0;
};
