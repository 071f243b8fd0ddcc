#include "platform/WipeDirectory.h"

#include <cstring>

#include "platform/CFindHandle.h"
#include "platform/CHandle.h"

namespace {

// The functions of Vista and later that tell where a handle really landed and remove or change a
// file through that same handle. Systems before Vista have neither, and no such links.
class CHandlePaths {
public:
    static const CHandlePaths& Get() {
        static const CHandlePaths paths;
        return paths;
    }

    bool CanCheck() const { return finalPath_ != nullptr && setInformation_ != nullptr; }

    // Where the system really lands when it opens a path: the link itself on Windows (which
    // opens reparse points as such), the link's target where links are followed silently (Wine
    // reports a Linux link to a file as a plain file, and deletes and changes the target through
    // it). Empty when it cannot be told. The wide function is asked once, where the ANSI one
    // asks it twice (once for the length); under Wine each asking is a round trip to its server.
    std::wstring FinalPath(HANDLE handle) const {
        wchar_t buffer[MAX_PATH * 2];
        const DWORD size = sizeof(buffer) / sizeof(buffer[0]);
        DWORD length = finalPath_(handle, buffer, size, kVolumeNameDos);
        if (length == 0)
            return std::wstring();
        if (length < size)
            return std::wstring(buffer, length);
        std::wstring result(length, L'\0');
        length = finalPath_(handle, &result[0], length, kVolumeNameDos);
        result.resize(length < result.size() ? length : 0);
        return result;
    }

    // Marks the file open as `handle` (opened with DELETE access) to be removed when closed.
    bool RemoveOnClose(HANDLE handle) const {
        DispositionInfo disposition = {TRUE};
        return setInformation_(handle, kFileDispositionInfo, &disposition, sizeof(disposition)) !=
               FALSE;
    }

    // Takes away the read-only and hidden marks (the handle needs FILE_WRITE_ATTRIBUTES).
    void MakeNormal(HANDLE handle) const {
        BasicInfo basic = {};
        basic.fileAttributes = FILE_ATTRIBUTE_NORMAL; // zero times are left unchanged
        setInformation_(handle, kFileBasicInfo, &basic, sizeof(basic));
    }

private:
    // The system's FILE_BASIC_INFO and FILE_DISPOSITION_INFO and their FILE_INFO_BY_HANDLE_CLASS
    // numbers, which the headers declare only for Vista and later.
    struct BasicInfo {
        LARGE_INTEGER creationTime, lastAccessTime, lastWriteTime, changeTime;
        DWORD fileAttributes;
    };
    struct DispositionInfo {
        BOOLEAN deleteFile;
    };
    enum { kFileBasicInfo = 0, kFileDispositionInfo = 4 };
    static constexpr DWORD kVolumeNameDos = 0; // VOLUME_NAME_DOS: \\?\C:\...

    using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
    using SetInformationFunction = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);

    CHandlePaths() {
        const HMODULE kernel = GetModuleHandleA("kernel32.dll");
        finalPath_ = reinterpret_cast<FinalPathFunction>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "GetFinalPathNameByHandleW")));
        setInformation_ = reinterpret_cast<SetInformationFunction>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "SetFileInformationByHandle")));
    }

    FinalPathFunction finalPath_ = nullptr;
    SetInformationFunction setInformation_ = nullptr;
};

const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
const DWORD kOpenAsItself = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;

// The final path of `path` opened only to ask (no access), or empty.
std::wstring FinalPathOf(const std::string& path) {
    CHandle handle(
        CreateFileA(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, kOpenAsItself, nullptr));
    return handle.IsValid() ? CHandlePaths::Get().FinalPath(handle.Get()) : std::wstring();
}

// Puts the ANSI `name` after the first `base` characters of `text`.
void ReplaceTail(std::wstring& text, size_t base, const char* name) {
    const int length = static_cast<int>(std::strlen(name));
    text.resize(base + static_cast<size_t>(length) + 1);
    const int written = MultiByteToWideChar(CP_ACP, 0, name, length, &text[base], length + 1);
    text.resize(base + static_cast<size_t>(written > 0 ? written : 0));
}

// One folder being emptied: its path and, where final paths can be checked, the final path its
// entries must have to be themselves. Both texts end in a backslash; the entry's name is put
// after it in place, so that no text is built per entry.
class CFolderWipe {
public:
    CFolderWipe(const std::string& directory, const std::wstring& directoryFinal)
        : path_(directory + "\\"), pathBase_(path_.size()),
          expected_(directoryFinal.empty() ? std::wstring() : directoryFinal + L"\\"),
          expectedBase_(expected_.size()) {}

    // Empties the folder. Answers how many entries in it could not be removed; `kept` is set
    // when an entry was left on purpose (an index file, or an entry that leads elsewhere).
    size_t Run(bool& kept) {
        WIN32_FIND_DATAA entry = {};
        CFindHandle search;
        path_ += "*.*";
        const bool any = search.First(path_, entry);
        path_.resize(pathBase_);
        if (!any)
            return 0;
        do {
            const char* name = entry.cFileName;
            if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
                continue;
            if (_stricmp(name, "index.Dat") == 0) {
                kept = true;
                continue;
            }
            path_.resize(pathBase_);
            path_ += name;
            if (Checks())
                ReplaceTail(expected_, expectedBase_, name);
            Remove(entry.dwFileAttributes, kept);
        } while (search.Next(entry));
        return left_;
    }

private:
    bool Checks() const { return expectedBase_ != 0; }

    // Whether the system's final path for the entry is the entry itself.
    bool IsItself(const std::wstring& final) const {
        return _wcsicmp(final.c_str(), expected_.c_str()) == 0;
    }

    void Count(bool removed) {
        if (!removed)
            ++left_;
    }

    // Removes the entry at path_ (whose final path must be expected_) with these attributes.
    void Remove(DWORD attributes, bool& kept) {
        if (!(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
            RemoveFile(attributes, kept);
            return;
        }
        std::wstring entryFinal;
        if (Checks()) {
            // An entry that does not open as itself leads somewhere else: leave it alone.
            entryFinal = FinalPathOf(path_);
            if (!IsItself(entryFinal)) {
                kept = true;
                return;
            }
        }
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            // A junction or symbolic link: take away the link, never what it points to.
            if (attributes & FILE_ATTRIBUTE_DIRECTORY)
                Count(RemoveDirectoryA(path_.c_str()) != FALSE);
            else
                Count(DeleteFileA(path_.c_str()) != FALSE);
            return;
        }
        // A folder that still holds something stays; only the entries inside are counted.
        bool keptInside = false;
        const size_t inside = CFolderWipe(path_, entryFinal).Run(keptInside);
        left_ += inside;
        if (keptInside)
            kept = true;
        if (!RemoveDirectoryA(path_.c_str()) && inside == 0 && !keptInside)
            ++left_;
    }

    // A file, or what the system shows as one (a link to a file, under Wine). Where final paths
    // can be checked, the one handle that is checked is the one the file is removed through, so
    // nothing can take its place in between and the file is opened once.
    void RemoveFile(DWORD attributes, bool& kept) {
        const bool marked = (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY)) != 0;
        if (!Checks()) {
            if (marked)
                SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
            Count(DeleteFileA(path_.c_str()) != FALSE);
            return;
        }
        const DWORD access = DELETE | (marked ? FILE_WRITE_ATTRIBUTES : 0);
        CHandle handle(CreateFileA(path_.c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                                   kOpenAsItself, nullptr));
        if (!handle.IsValid()) {
            // In use, or refused; one that is gone already needs no removing.
            const DWORD error = GetLastError();
            Count(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND);
            return;
        }
        const CHandlePaths& paths = CHandlePaths::Get();
        if (!IsItself(paths.FinalPath(handle.Get()))) {
            kept = true;
            return;
        }
        if (marked)
            paths.MakeNormal(handle.Get());
        Count(paths.RemoveOnClose(handle.Get()));
    }

    std::string path_;
    const size_t pathBase_;
    std::wstring expected_;
    const size_t expectedBase_;
    size_t left_ = 0;
};

} // namespace

size_t WipeDirectory(const std::string& directory) {
    std::wstring directoryFinal;
    if (CHandlePaths::Get().CanCheck()) {
        directoryFinal = FinalPathOf(directory);
        if (directoryFinal.empty())
            return 0; // the folder is missing or cannot be opened
    }
    bool kept = false;
    return CFolderWipe(directory, directoryFinal).Run(kept);
}
