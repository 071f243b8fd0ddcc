#include "support/CPreservedFile.h"

#include <utility>

#include "support/CTestFolder.h"

namespace {
void DropProfileCache(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}
} // namespace

CPreservedFile::CPreservedFile(std::string path)
    : path_(std::move(path)), attributes_(GetFileAttributesA(path_.c_str())) {
    if (attributes_ != INVALID_FILE_ATTRIBUTES)
        content_ = CTestFolder::ReadFile(path_);
    DropProfileCache(path_);
}

CPreservedFile::~CPreservedFile() {
    if (attributes_ == INVALID_FILE_ATTRIBUTES) {
        Remove();
    } else {
        CTestFolder::WriteFile(path_, content_);
        SetFileAttributesA(path_.c_str(), attributes_);
    }
    DropProfileCache(path_);
}

void CPreservedFile::Remove() const {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path_.c_str());
}

void CPreservedFile::Write(const std::string& content) const {
    CTestFolder::WriteFile(path_, content);
    DropProfileCache(path_);
}

bool IsHiddenAndSystem(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const DWORD both = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & both) == both;
}
