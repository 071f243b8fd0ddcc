#include "manual/CFileChooser.h"

#include <commdlg.h>
#include <shlobj.h>

#include "platform/CModalLoop.h"
#include "platform/COptionalApi.h"

namespace {

CFileChooser::Handler& CurrentHandler() {
    static CFileChooser::Handler handler;
    return handler;
}

} // namespace

void CFileChooser::SetHandler(Handler handler) {
    CurrentHandler() = std::move(handler);
}

bool CFileChooser::ChooseFolder(HWND owner, const std::string& title, std::string& path) {
    CModalLoop::Scope loop;
    if (CurrentHandler())
        return CurrentHandler()(kFolder, title, path);
    char display[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (chosen == nullptr)
        return false;
    char folder[MAX_PATH] = {};
    const BOOL named = SHGetPathFromIDListA(chosen, folder);
    // The shell's allocator frees what the shell allocated (and keeps ole32.dll out of the
    // program's imports: it is loaded with the folder chooser, not at every start).
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
        allocator->Free(chosen);
        allocator->Release();
    }
    if (!named)
        return false;
    path = folder;
    return true;
}

bool CFileChooser::ChooseBitmap(HWND owner, std::string& path) {
    CModalLoop::Scope loop;
    if (CurrentHandler())
        return CurrentHandler()(kBitmapFile, std::string(), path);
    static const char kFilter[] = "Bitmap Files\0*.bmp\0All Files\0*.*\0";
    char file[MAX_PATH] = {};
    OPENFILENAMEA open = {};
    // The record size of the first releases, which every target understands.
    open.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    open.hwndOwner = owner;
    open.lpstrFilter = kFilter;
    open.nFilterIndex = 1;
    open.lpstrFile = file;
    open.nMaxFile = sizeof(file);
    open.lpstrDefExt = "bmp";
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    // Looked up when first needed, so that the dialog's DLLs are not loaded at every start.
    using OpenFunction = BOOL(WINAPI*)(OPENFILENAMEA*);
    const FARPROC found = COptionalApi::Find(COptionalApi::kGetOpenFileNameA);
    if (found == nullptr ||
        !reinterpret_cast<OpenFunction>(reinterpret_cast<void*>(found))(&open))
        return false;
    path = file;
    return true;
}
