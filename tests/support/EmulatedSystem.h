#pragma once

#include <string>

// The Windows version this test program was started as: Wine takes it from the program's own
// file name (name-win98.exe runs as Windows 98). Empty when the program runs under its own name.
std::string EmulatedVersionName();
// The family code the program's classification must give that version (0 for one of no family).
int ExpectedFamily();
// Whether that version is of the 9x family (95, 98, ME) or of the NT family (NT 4, 2000, XP).
bool EmulatedNineX();
bool EmulatedNT();
