#include "autotune/CScratchFile.h"

#include <utility>

#include "archive/CArchiveException.h"

std::string CScratchFile::PathOf(const std::string& fileName) {
    char folder[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH)
        folder[0] = '\0';
    return std::string(folder) + fileName;
}

CScratchFile::CScratchFile(std::string path) : path_(std::move(path)) {
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        error_ = GetLastError();
    else
        *file_.Receive() = file;
}

void CScratchFile::Fail() {
    error_ = GetLastError();
    throw CArchiveException(CArchiveException::kFileError);
}

void CScratchFile::Write(const void* data, size_t size) {
    if (!IsOpen()) {
        SetLastError(error_ != 0 ? error_ : ERROR_INVALID_HANDLE);
        Fail();
    }
    DWORD written = 0;
    if (!WriteFile(file_.Get(), data, static_cast<DWORD>(size), &written, nullptr))
        Fail();
    if (written != size) {
        SetLastError(ERROR_DISK_FULL);
        Fail();
    }
}

void CScratchFile::FlushToDisk() {
    if (!IsOpen() || !FlushFileBuffers(file_.Get()))
        Fail();
}
