#include "backup/CFileArchiveStream.h"

#include "backup/CArchiveException.h"

CFileArchiveStream::CFileArchiveStream(const std::string& path, Mode mode) {
    if (mode == kRead) {
        *file_.Receive() = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file_.IsValid()) {
            const DWORD size = GetFileSize(file_.Get(), nullptr);
            remaining_ = size == INVALID_FILE_SIZE ? 0 : size;
        }
    } else {
        *file_.Receive() = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    }
}

size_t CFileArchiveStream::Read(void* data, size_t size) {
    if (size > remaining_)
        size = remaining_;
    DWORD read = 0;
    if (size == 0)
        return 0;
    if (!ReadFile(file_.Get(), data, static_cast<DWORD>(size), &read, nullptr))
        throw CArchiveException(CArchiveException::kFileError);
    remaining_ -= read;
    return read;
}

void CFileArchiveStream::Write(const void* data, size_t size) {
    if (!file_.IsValid())
        throw CArchiveException(CArchiveException::kFileError);
    DWORD written = 0;
    if (!WriteFile(file_.Get(), data, static_cast<DWORD>(size), &written, nullptr) ||
        written != size)
        throw CArchiveException(CArchiveException::kFileError);
}

void CFileArchiveStream::Close() {
    if (file_.IsValid() && !CloseHandle(file_.Detach()))
        throw CArchiveException(CArchiveException::kFileError);
}
