#include "status/CMemoryOptimizer.h"

#include <shellapi.h>

#include "platform/CHandle.h"
#include "platform/CMemoryFigures.h"

std::string CMemoryOptimizer::ScriptPath() {
    char buffer[256] = {};
    const DWORD length = GetTempPathA(255, buffer);
    std::string path = length > 0 && length < 255 ? std::string(buffer, length) : std::string();
    return path + "freemem.vbs";
}

int CMemoryOptimizer::ScriptSize(ULONGLONG totalPhysical) {
    const long long n = static_cast<long long>(totalPhysical / 2) - 4000000;
    return n > kLargestScriptSize ? kLargestScriptSize : static_cast<int>(n);
}

std::string CMemoryOptimizer::ScriptLine(ULONGLONG totalPhysical) {
    return "FreeMem=Space(" + std::to_string(ScriptSize(totalPhysical)) + ")";
}

int CMemoryOptimizer::Optimize(const std::string& path) {
    if (!WriteScript(path))
        return 0;
    return RunScript(path);
}

int CMemoryOptimizer::WriteScript(const std::string& path) {
    const ULONGLONG total = GetTotalPhysical();
    if (ScriptSize(total) <= 0)
        return 0;
    CHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return 0;
    const std::string line = ScriptLine(total);
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return ok && written == line.size() ? 1 : 0;
}

int CMemoryOptimizer::RunScript(const std::string& path) {
    const HINSTANCE result =
        ShellExecuteA(GetDesktopWindow(), "open", path.c_str(), nullptr, nullptr, SW_SHOWNA);
    return reinterpret_cast<INT_PTR>(result) > 32 ? 1 : 0;
}

BOOL CMemoryOptimizer::DeleteScript(const std::string& path) {
    return DeleteFileA(path.c_str());
}

ULONGLONG CMemoryOptimizer::GetAvailablePhysical() {
    return CMemoryFigures::AvailablePhysical();
}

ULONGLONG CMemoryOptimizer::GetTotalPhysical() {
    return CMemoryFigures::TotalPhysical();
}
