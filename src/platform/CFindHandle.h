#pragma once

#include <string>
#include <windows.h>

// One directory search (FindFirstFileA / FindNextFileA), closed when the holder goes out of scope.
class CFindHandle {
public:
    CFindHandle() = default;
    ~CFindHandle() { Close(); }
    CFindHandle(const CFindHandle&) = delete;
    CFindHandle& operator=(const CFindHandle&) = delete;

    bool First(const std::string& pattern, WIN32_FIND_DATAA& data) {
        Close();
        handle_ = FindFirstFileA(pattern.c_str(), &data);
        return handle_ != INVALID_HANDLE_VALUE;
    }
    bool Next(WIN32_FIND_DATAA& data) {
        return handle_ != INVALID_HANDLE_VALUE && FindNextFileA(handle_, &data) != FALSE;
    }
    void Close() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            FindClose(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};
