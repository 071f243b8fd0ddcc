#pragma once

#include <string>
#include <windows.h>

// Puts a bitmap of the user's choice in place of one of the start-up or shutdown pictures, or
// puts the saved previous picture back. With `change` 0 nothing is touched.
//
// With a new picture, the current picture becomes the saved copy (replacing an older saved copy,
// so after two replacements the saved copy is the first replacement) and the new one takes its
// place. The new picture is first copied beside the old one under a name of its own: only when
// that copy is complete are the files moved, so a picture that cannot be read shows
// `failureMessage` and leaves both the current picture and the saved copy as they were. When the
// moves fail (the current picture held open by another program) the message shows too and the
// current picture stays or is put back.
//
// With an empty path the current picture is deleted and the saved copy put back in its place; with
// no saved copy Windows falls back to its built-in picture. A saved copy that cannot be copied
// back is kept.
//
// The picture is left hidden and system in every case, the saved copy too after a replacement.
// Failures of the moves, deletions and attribute changes are ignored. The message belongs to
// `owner`, the window whose work this is.
void SwapPicture(int change, const std::string& newPicture, const std::string& picture,
                 const std::string& savedPicture, const char* failureMessage, HWND owner);
