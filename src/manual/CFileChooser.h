#pragma once

#include <functional>
#include <string>
#include <windows.h>

// The folder chooser and the file-open dialog of the tweak pages. Tests install a handler that
// answers at once instead of showing a modal dialog.
class CFileChooser {
public:
    enum Kind { kFolder, kBitmapFile };
    // Returns true with the chosen path; false when the user cancelled.
    using Handler = std::function<bool(Kind kind, const std::string& title, std::string& path)>;

    // The shell's folder chooser with its title.
    static bool ChooseFolder(HWND owner, const std::string& title, std::string& path);
    // The file-open dialog with the bitmap filter ("Bitmap Files", "All Files").
    static bool ChooseBitmap(HWND owner, std::string& path);

    // Test use only: an empty handler restores the real dialogs.
    static void SetHandler(Handler handler);
};
