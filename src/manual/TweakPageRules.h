#pragma once

#include <string>
#include <windows.h>

// Checks of what the user types into the path fields of the tweak pages.

// A folder path the pages accept: none of / ; ' ` * ? " < > |, a drive letter, colon and
// backslash at its start, on a drive that exists and is not a CD-ROM drive.
bool IsUsableFolderPath(const std::string& path);
// A path whose last four characters are ".bmp", in any case.
bool HasBitmapExtension(const std::string& path);
// The field's text as a number: false unless it is one to nine decimal digits.
bool ParseFieldNumber(const std::string& text, unsigned long& number);

// Test use only: answers the drive-type question in place of GetDriveTypeA (null: the system).
using DriveTypeQuery = UINT (*)(const char* root);
void SetDriveTypeQuery(DriveTypeQuery query);
