#include "platform/ProgramPaths.h"

#include <windows.h>

std::string DirectoryOfPath(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

const std::string& GetProgramFile() {
    static const std::string file = [] {
        char buffer[500] = {};
        const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
        return length > 0 && length < sizeof(buffer) ? std::string(buffer, length) : std::string();
    }();
    return file;
}

const std::string& GetProgramDirectory() {
    static const std::string directory = DirectoryOfPath(GetProgramFile());
    return directory;
}

const std::string& GetBackupDirectory() {
    static const std::string directory = GetProgramDirectory() + "\\Backup";
    return directory;
}
