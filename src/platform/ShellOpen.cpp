#include "platform/ShellOpen.h"

#include <cstring>
#include <shellapi.h>

#include "platform/CMessageBox.h"
#include "platform/ProgramPaths.h"

namespace {

bool OpenWithShell(const std::string& target) {
    const HINSTANCE result =
        ShellExecuteA(GetDesktopWindow(), "open", target.c_str(), nullptr, nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    const size_t length = std::char_traits<char>::length(prefix);
    return text.size() >= length &&
           CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, text.c_str(),
                          static_cast<int>(length), prefix, static_cast<int>(length)) == CSTR_EQUAL;
}

} // namespace

void OpenWebPage(const std::string& target, HWND owner) {
    if (!OpenWithShell(target))
        CMessageBox::Show(owner, "We are unable to load the webpage:\n" + target + ".", MB_OK);
}

void OpenHelpFile(const std::string& relativePath, HWND owner) {
    const std::string page = relativePath.empty() ? std::string(kHelpStartPage) : relativePath;
    OpenWebPage(GetProgramDirectory() + "\\" + page, owner);
}

std::string BuildLinkTarget(int kind, const std::string& address, const std::string& subject) {
    switch (kind) {
    case kLinkMail: {
        std::string target = StartsWithNoCase(address, "mailto:") ? address : "mailto:" + address;
        if (!subject.empty())
            target += "?subject=" + subject;
        return target;
    }
    case kLinkWeb:
        return StartsWithNoCase(address, "http://") ? address : "http://" + address;
    case kLinkTarget:
        return address;
    default:
        return std::string();
    }
}

void OpenLink(int kind, const std::string& address, const std::string& subject, HWND owner) {
    if (kind != kLinkMail && kind != kLinkWeb && kind != kLinkTarget)
        return;
    const HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const bool opened = OpenWithShell(BuildLinkTarget(kind, address, subject));
    SetCursor(previous);
    if (!opened)
        CMessageBox::Show(owner,
                          kind == kLinkMail ? "We are unable to locate your default e-mail program."
                                            : "We are unable to locate your default browser.",
                          MB_OK);
}
