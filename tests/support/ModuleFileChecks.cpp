#include "support/ModuleFileChecks.h"

std::string NumberRecordFile(const std::string& className, const std::vector<DWORD>& numbers) {
    std::string bytes("\xFF\xFF\x01\x00", 4);
    bytes += static_cast<char>(className.size() & 0xFF);
    bytes += static_cast<char>(className.size() >> 8);
    bytes += className;
    for (DWORD number : numbers)
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((number >> shift) & 0xFF);
    return bytes;
}
