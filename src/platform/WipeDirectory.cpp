#include "platform/WipeDirectory.h"

#include <cstring>
#include <cwchar>
#include <vector>

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

    bool CanCheck() const {
        return finalPath_ != nullptr && setInformation_ != nullptr && getInformation_ != nullptr;
    }

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

    // The system's FILE_ID_BOTH_DIR_INFO: one entry of a folder listed through its handle.
    struct ListedEntry {
        DWORD nextEntryOffset;
        DWORD fileIndex;
        LARGE_INTEGER creationTime, lastAccessTime, lastWriteTime, changeTime;
        LARGE_INTEGER endOfFile, allocationSize;
        DWORD fileAttributes;
        DWORD fileNameLength; // in bytes
        DWORD eaSize;
        CCHAR shortNameLength;
        WCHAR shortName[12];
        LARGE_INTEGER fileId;
        WCHAR fileName[1];
    };

    // Fills `buffer` with the next entries of the folder open as `handle` (opened with
    // FILE_LIST_DIRECTORY); false when there are no more.
    bool List(HANDLE handle, void* buffer, DWORD size) const {
        return getInformation_(handle, kFileIdBothDirectoryInfo, buffer, size) != FALSE;
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
    enum { kFileBasicInfo = 0, kFileDispositionInfo = 4, kFileIdBothDirectoryInfo = 10 };
    static constexpr DWORD kVolumeNameDos = 0; // VOLUME_NAME_DOS: \\?\C:\...

    using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
    using SetInformationFunction = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);
    using GetInformationFunction = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);

    CHandlePaths() {
        const HMODULE kernel = GetModuleHandleA("kernel32.dll");
        finalPath_ = reinterpret_cast<FinalPathFunction>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "GetFinalPathNameByHandleW")));
        setInformation_ = reinterpret_cast<SetInformationFunction>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "SetFileInformationByHandle")));
        getInformation_ = reinterpret_cast<GetInformationFunction>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "GetFileInformationByHandleEx")));
    }

    FinalPathFunction finalPath_ = nullptr;
    SetInformationFunction setInformation_ = nullptr;
    GetInformationFunction getInformation_ = nullptr;
};

const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
const DWORD kOpenAsItself = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;

// Opens the folder (or link) at `path` as itself, to list it and with `access` besides.
HANDLE OpenAsItself(const std::string& path, DWORD access) {
    return CreateFileA(path.c_str(), FILE_LIST_DIRECTORY | access, kShareAll, nullptr,
                       OPEN_EXISTING, kOpenAsItself, nullptr);
}

bool IsIndexFile(const char* name) { return _stricmp(name, "index.Dat") == 0; }

// One folder being emptied: its path and, where final paths can be checked, its own handle
// (opened as itself) and the final path its entries must have to be themselves. Both texts end
// in a backslash; the entry's name is put after it in place, so that no text is built per entry.
class CFolderWipe {
public:
    CFolderWipe(const std::string& directory, const std::wstring& directoryFinal,
                HANDLE folder = nullptr)
        : path_(directory + "\\"), pathBase_(path_.size()),
          expected_(directoryFinal.empty() ? std::wstring() : directoryFinal + L"\\"),
          expectedBase_(expected_.size()), folder_(folder) {}

    // Empties the folder. Answers how many entries in it could not be removed; `kept` is set
    // when an entry was left on purpose (an index file, or an entry that leads elsewhere).
    size_t Run(bool& kept) {
        if (Checks())
            RunListed(kept);
        else
            RunSearched(kept);
        return left_;
    }

private:
    bool Checks() const { return expectedBase_ != 0; }

    // Where links cannot be told apart: a search by name.
    void RunSearched(bool& kept) {
        WIN32_FIND_DATAA entry = {};
        CFindHandle search;
        path_ += "*.*";
        const bool any = search.First(path_, entry);
        path_.resize(pathBase_);
        if (!any)
            return;
        do
            Visit(entry.cFileName, entry.dwFileAttributes, kept);
        while (search.Next(entry));
    }

    // Where they can: the folder is listed through the handle whose final path was checked, so
    // the entries listed are that folder's own, and no second search is opened by name.
    void RunListed(bool& kept) {
        using Entry = CHandlePaths::ListedEntry;
        std::vector<LONGLONG> buffer(kListBytes / sizeof(LONGLONG)); // entries are 8-aligned
        const CHandlePaths& paths = CHandlePaths::Get();
        while (paths.List(folder_, buffer.data(), kListBytes)) {
            const char* at = reinterpret_cast<const char*>(buffer.data());
            for (;;) {
                const Entry& entry = *reinterpret_cast<const Entry*>(at);
                VisitListed(entry.fileName, entry.fileNameLength / sizeof(WCHAR),
                            entry.fileAttributes, kept);
                if (entry.nextEntryOffset == 0)
                    break;
                at += entry.nextEntryOffset;
            }
        }
    }

    // A listed entry: its name is the final path's end as it stands, and the path's in the
    // program's code page.
    void VisitListed(const wchar_t* name, size_t length, DWORD attributes, bool& kept) {
        char ansi[kLongestName * 4 + 1];
        if (!ToAnsi(name, length, ansi)) {
            ++left_; // a name the program cannot spell cannot be removed by it
            return;
        }
        expected_.resize(expectedBase_);
        expected_.append(name, length);
        Visit(ansi, attributes, kept);
    }

    void Visit(const char* name, DWORD attributes, bool& kept) {
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            return;
        if (IsIndexFile(name)) {
            kept = true;
            return;
        }
        path_.resize(pathBase_);
        path_ += name;
        Remove(attributes, kept);
    }

    // The name in the program's code page; false when it has no exact spelling there.
    static bool ToAnsi(const wchar_t* name, size_t length, char* ansi) {
        if (length == 0 || length > kLongestName)
            return false;
        const int count = static_cast<int>(length);
        const int written = WideCharToMultiByte(CP_ACP, 0, name, count, ansi,
                                                kLongestName * 4, nullptr, nullptr);
        if (written <= 0)
            return false;
        ansi[written] = '\0';
        wchar_t back[kLongestName];
        return MultiByteToWideChar(CP_ACP, 0, ansi, written, back, kLongestName) == count &&
               std::wmemcmp(back, name, length) == 0;
    }

    // Whether the system's final path for the entry is the entry itself.
    bool IsItself(const std::wstring& final) const {
        return _wcsicmp(final.c_str(), expected_.c_str()) == 0;
    }

    void Count(bool removed) {
        if (!removed)
            ++left_;
    }

    // Counts an entry that could not be opened, unless it is gone already.
    void CountFailedOpen() {
        const DWORD error = GetLastError();
        Count(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND);
    }

    // Removes the entry at path_ (whose final path must be expected_) with these attributes.
    void Remove(DWORD attributes, bool& kept) {
        if (!(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            RemoveFile(attributes, kept);
        else if (Checks())
            RemoveCheckedFolder(attributes, kept);
        else
            RemoveFolder(attributes, kept);
    }

    // A folder or a link, where links cannot be told apart: a junction on 2000 and XP is marked
    // as one, and is removed as a link, never followed.
    void RemoveFolder(DWORD attributes, bool& kept) {
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            if (attributes & FILE_ATTRIBUTE_DIRECTORY)
                Count(RemoveDirectoryA(path_.c_str()) != FALSE);
            else
                Count(DeleteFileA(path_.c_str()) != FALSE);
            return;
        }
        // A folder that still holds something stays; only the entries inside are counted.
        bool keptInside = false;
        const size_t inside = CFolderWipe(path_, std::wstring()).Run(keptInside);
        CountFolder(inside, keptInside, RemoveDirectoryA(path_.c_str()) != FALSE, kept);
    }

    // A folder or a link, where final paths can be checked: the one handle that is checked is
    // the one the folder is listed and removed through. One that does not open as itself leads
    // somewhere else and is left alone.
    void RemoveCheckedFolder(DWORD attributes, bool& kept) {
        CHandle folder(OpenAsItself(path_, DELETE));
        if (!folder.IsValid())
            folder = CHandle(OpenAsItself(path_, 0)); // it can be emptied, though not removed
        if (!folder.IsValid()) {
            CountFailedOpen();
            return;
        }
        const CHandlePaths& paths = CHandlePaths::Get();
        const std::wstring final = paths.FinalPath(folder.Get());
        if (!IsItself(final)) {
            kept = true;
            return;
        }
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            Count(paths.RemoveOnClose(folder.Get())); // the link itself, opened as such
            return;
        }
        bool keptInside = false;
        const size_t inside = CFolderWipe(path_, final, folder.Get()).Run(keptInside);
        CountFolder(inside, keptInside, paths.RemoveOnClose(folder.Get()), kept);
    }

    // A folder that still holds something stays; only the entries inside are counted.
    void CountFolder(size_t inside, bool keptInside, bool removed, bool& kept) {
        left_ += inside;
        if (keptInside)
            kept = true;
        if (!removed && inside == 0 && !keptInside)
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
            CountFailedOpen(); // in use, or refused
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

    static constexpr size_t kLongestName = 255;    // characters in one name
    static constexpr DWORD kListBytes = 16 * 1024; // room for the entries listed at a time

    std::string path_;
    const size_t pathBase_;
    std::wstring expected_;
    const size_t expectedBase_;
    const HANDLE folder_;
    size_t left_ = 0;
};

} // namespace

size_t WipeDirectory(const std::string& directory) {
    bool kept = false;
    if (!CHandlePaths::Get().CanCheck())
        return CFolderWipe(directory, std::wstring()).Run(kept);
    const CHandle folder(OpenAsItself(directory, 0));
    const std::wstring final =
        folder.IsValid() ? CHandlePaths::Get().FinalPath(folder.Get()) : std::wstring();
    if (final.empty())
        return 0; // the folder is missing or cannot be opened
    return CFolderWipe(directory, final, folder.Get()).Run(kept);
}
