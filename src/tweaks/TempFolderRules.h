#pragma once

#include <string>

// Whether the user's temporary folder may be emptied. A temporary folder can be set to any
// folder at all (TMP and TEMP are the user's to change), and emptying it deletes everything
// beneath it, so folders that hold more than temporary files are refused.

// What the decision looks at, as the running system reports it.
struct TempFolderPlaces {
    bool familyDetected = false;  // the version detection succeeded
    int family = 0;               // the family it gave
    std::string tempPath;         // GetTempPathA, with its backslash; empty when that failed
    std::string fullTempPath;     // the same folder as an absolute path of long names
    std::string familyDirectory;  // the current directory on the 9x family, the Windows
                                  // directory on the NT family, empty otherwise
    std::string windowsDirectory; // these four are absolute and long-named too; empty when unknown
    std::string systemDirectory;
    std::string programDirectory;
    std::string profileDirectory; // %USERPROFILE%, empty where it is not set
};

// Reads the places from the running system.
TempFolderPlaces CollectTempFolderPlaces();

// True when the temporary folder must be left alone: the family is unknown or of neither
// family; there is no temporary path; the temporary path is the family's directory (compared
// exactly, each without its trailing backslash); or, compared without regard to case, short
// names and trailing backslashes, the folder is a drive root or a share, or is the Windows,
// system, program or profile folder, or a folder that holds one of them.
bool IsTempFolderRefused(const TempFolderPlaces& places);

// True when emptying `folder` (an absolute path) would reach beyond a folder of its own: compared
// without regard to case and trailing backslashes, it is a drive root or a share, or is the
// Windows, system, program or profile folder of `places`, or a folder that holds one of them.
bool IsProtectedFolder(const std::string& folder, const TempFolderPlaces& places);

// True when a folder that a setting names (such as the browser's cookies folder) must not be
// emptied: it is not an absolute path (a drive path or a share), or it is a protected folder.
bool IsNamedFolderRefused(const std::string& folder, const TempFolderPlaces& places);

// A folder path in the form refusals compare: lower case, forward slashes turned into
// backslashes, trailing backslashes taken away ("C:\" becomes "c:").
std::string FolderKey(const std::string& path);
