#include "app/CCommandLine.h"

#include <windows.h>

#include "app/CommandLineActions.h"
#include "platform/CMessageBox.h"

namespace {

enum class FileWord { kNone, kOptional, kRequired };

struct Switch {
    const char* name;
    FileWord file;
    // The usage line: the switch as typed, then what it does and its exit codes.
    const char* usage;
    int (*run)(const std::string& file);
};

const Switch kSwitches[] = {
    {"backup", FileWord::kNone,
     "/backup\n"
     "Backs up your original settings, without a window, unless there is a backup.\n"
     "Exit code 0: the backup was made; 3: a backup was there and is kept as it is;\n"
     "1: the backup could not be made, or the one there is damaged (it is kept).",
     BackupFromCommandLine},
    {"changes", FileWord::kRequired,
     "/changes FILE\n"
     "Writes to FILE every setting that differs from your original settings: a line each,\n"
     "tab-separated: tweak, place, original, current.\n"
     "Exit code 0: FILE was written (empty when nothing differs); 1: FILE could not be\n"
     "written; 2: there is no usable backup.",
     ChangesFromCommandLine},
    {"restore", FileWord::kOptional,
     "/restore [FILE]\n"
     "Puts back your original settings from the backup, without a window.\n"
     "FILE receives what could not be put back.\n"
     "Exit code 0: all was put back; 1: some settings were not put back;\n"
     "2: there is no backup.",
     RestoreFromCommandLine},
};

// The row whose name the word gives after "/" or "-", without regard to case; -1 for none.
int FindSwitch(const std::string& word) {
    if (word.size() < 2 || (word[0] != '/' && word[0] != '-'))
        return -1;
    const std::string name = word.substr(1);
    for (size_t i = 0; i < sizeof(kSwitches) / sizeof(kSwitches[0]); ++i) {
        if (lstrcmpiA(name.c_str(), kSwitches[i].name) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

CCommandLine::CCommandLine(const std::string& commandLine)
    : commandLine_(commandLine), words_(Split(commandLine)) {
    if (words_.empty())
        return;
    const int found = FindSwitch(words_[0]);
    if (found < 0 || words_.size() > 2)
        return;
    const FileWord file = kSwitches[found].file;
    if ((words_.size() == 2 && file == FileWord::kNone) ||
        (words_.size() == 1 && file == FileWord::kRequired))
        return;
    // A file word that is empty ("") or looks like another switch is not a file.
    if (words_.size() == 2 && (words_[1].empty() || FindSwitch(words_[1]) >= 0))
        return;
    switch_ = found;
    if (words_.size() == 2)
        file_ = words_[1];
}

std::string CCommandLine::Command() const {
    return IsUnderstood() ? kSwitches[switch_].name : std::string();
}

int CCommandLine::Run() const {
    if (IsEmpty())
        return kStartProgram;
    if (!IsUnderstood()) {
        CMessageBox::Show(nullptr, Usage(commandLine_), MB_OK | MB_ICONEXCLAMATION);
        return kUsage;
    }
    return kSwitches[switch_].run(file_);
}

std::vector<std::string> CCommandLine::Split(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

std::string CCommandLine::Usage(const std::string& commandLine) {
    // A long command line is shown by its start.
    const size_t shown = 120;
    const std::string given =
        commandLine.size() > shown ? commandLine.substr(0, shown) + "..." : commandLine;
    std::string text = "Torvane does not understand the command line \"" + given +
                       "\".\n\nWithout a command line Torvane starts as usual. It also knows:";
    for (const Switch& row : kSwitches)
        text += "\n\nTorvane.exe " + std::string(row.usage);
    return text;
}
