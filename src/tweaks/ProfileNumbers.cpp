#include "tweaks/ProfileNumbers.h"

#include "platform/CRegistryAccess.h"

BOOL WriteProfileNumberOrRemove(const std::string& file, const char* section, const char* key,
                                DWORD value) {
    const std::string text = std::to_string(value);
    return CRegistryAccess::WriteProfileText(file, section, key,
                                             value == 0 ? nullptr : text.c_str());
}
