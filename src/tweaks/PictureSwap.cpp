#include "tweaks/PictureSwap.h"

#include <windows.h>

#include "platform/CMessageBox.h"
#include "platform/RegistryPrimitives.h"

namespace {

// A new, empty file in the picture's own folder, so that moving it into place is a rename on the
// same drive; empty when none can be made there.
std::string MakeStagingFile(const std::string& picture) {
    const size_t slash = picture.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : picture.substr(0, slash + 1);
    char staged[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "tvn", 0, staged) == 0)
        return std::string();
    return staged;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveFile(const std::string& path) {
    SetFileNormal(path.c_str(), TRUE);
    DeleteFileA(path.c_str());
}

} // namespace

void SwapPicture(int change, const std::string& newPicture, const std::string& picture,
                 const std::string& savedPicture, const char* failureMessage, HWND owner) {
    if (change == 0)
        return;
    if (!newPicture.empty()) {
        const std::string staged = MakeStagingFile(picture);
        if (staged.empty() || !CopyFileTo(newPicture.c_str(), staged.c_str(), TRUE)) {
            if (!staged.empty())
                RemoveFile(staged);
            CMessageBox::Show(owner, failureMessage, MB_OK);
        } else {
            SetFileNormal(picture.c_str(), TRUE);
            const bool hadPicture = Exists(picture);
            MoveFileTo(picture.c_str(), savedPicture.c_str(), 1);
            bool replaced = false;
            // A picture that could not be moved aside (held open by another program) stays.
            if (!hadPicture || !Exists(picture)) {
                MoveFileTo(staged.c_str(), picture.c_str(), 1);
                replaced = !Exists(staged);
                if (replaced)
                    SetFileNormal(savedPicture.c_str(), FALSE);
                else if (hadPicture)
                    MoveFileTo(savedPicture.c_str(), picture.c_str(), 1);
            }
            if (Exists(staged))
                RemoveFile(staged);
            if (!replaced)
                CMessageBox::Show(owner, failureMessage, MB_OK);
        }
    } else {
        RemoveFile(picture);
        if (CopyFileTo(savedPicture.c_str(), picture.c_str(), TRUE))
            RemoveFile(savedPicture);
    }
    SetFileNormal(picture.c_str(), FALSE);
}
