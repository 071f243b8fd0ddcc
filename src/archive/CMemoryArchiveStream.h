#pragma once

#include <cstring>
#include <vector>

#include "archive/CArchiveStream.h"

// An archive stream over a byte buffer.
class CMemoryArchiveStream : public CArchiveStream {
public:
    CMemoryArchiveStream() = default;
    explicit CMemoryArchiveStream(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

    size_t Read(void* data, size_t size) override {
        const size_t count = size < Remaining() ? size : Remaining();
        if (count > 0)
            std::memcpy(data, bytes_.data() + position_, count);
        position_ += count;
        return count;
    }
    void Write(const void* data, size_t size) override {
        const unsigned char* bytes = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), bytes, bytes + size);
    }
    size_t Remaining() const override { return bytes_.size() - position_; }

    const std::vector<unsigned char>& Bytes() const { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
    size_t position_ = 0;
};
