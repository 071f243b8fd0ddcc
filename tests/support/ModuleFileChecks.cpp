#include "support/ModuleFileChecks.h"

std::string NumberRecordFile(const std::string& className, const std::vector<DWORD>& numbers) {
    std::string bytes = ClassHeader(className);
    for (DWORD number : numbers)
        bytes += NumberBytes(number);
    return bytes;
}
