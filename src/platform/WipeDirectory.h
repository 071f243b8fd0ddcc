#pragma once

#include <cstddef>
#include <string>

// Removes everything inside the directory and keeps the directory itself and every file named
// "index.dat" in any mix of capitals. Links (reparse points) are removed as links and never
// followed, so nothing outside the directory is touched. Answers how many entries could not be
// removed (in use, or refused): 0 when everything but the kept files is gone, or when the
// directory is missing.
size_t WipeDirectory(const std::string& directory);
