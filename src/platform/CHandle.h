#pragma once

#include <windows.h>

// A kernel object handle (file, thread, event, token), closed when the holder goes out of scope.
// Both null and INVALID_HANDLE_VALUE count as "no handle".
class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE handle) : handle_(handle) {}
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    CHandle(CHandle&& other) noexcept : handle_(other.Detach()) {}
    CHandle& operator=(CHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = other.Detach();
        }
        return *this;
    }

    bool IsValid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    HANDLE* Receive() {
        Close();
        return &handle_;
    }
    HANDLE Detach() {
        HANDLE h = handle_;
        handle_ = nullptr;
        return h;
    }
    void Close() {
        if (IsValid())
            CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};
