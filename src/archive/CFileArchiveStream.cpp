#include "archive/CFileArchiveStream.h"

#include "archive/CArchiveException.h"

CFileArchiveStream::CFileArchiveStream(const std::string& path, Mode mode) {
    if (mode == kRead) {
        file_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (IsOpen()) {
            const DWORD size = GetFileSize(file_, nullptr);
            remaining_ = size == INVALID_FILE_SIZE ? 0 : size;
        }
    } else {
        file_ = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    }
}

size_t CFileArchiveStream::Read(void* data, size_t size) {
    if (size > remaining_)
        size = remaining_;
    DWORD read = 0;
    if (size == 0)
        return 0;
    if (!ReadFile(file_, data, static_cast<DWORD>(size), &read, nullptr))
        throw CArchiveException(CArchiveException::kFileError);
    remaining_ -= read;
    return read;
}

void CFileArchiveStream::Write(const void* data, size_t size) {
    if (!IsOpen())
        throw CArchiveException(CArchiveException::kFileError);
    DWORD written = 0;
    if (!WriteFile(file_, data, static_cast<DWORD>(size), &written, nullptr) || written != size)
        throw CArchiveException(CArchiveException::kFileError);
}

CFileArchiveStream::~CFileArchiveStream() {
    if (IsOpen())
        CloseHandle(file_);
}

void CFileArchiveStream::Close() {
    if (!IsOpen())
        return;
    HANDLE file = file_;
    file_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(file))
        throw CArchiveException(CArchiveException::kFileError);
}
