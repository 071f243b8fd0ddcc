#pragma once

#include <string>
#include <vector>

// The program's command-line switches. Each is one row of a table: its name (matched without
// regard to case, after "/" or "-"), whether it takes a file, its line of the usage and what it
// does. Without words the program starts as usual; a command line the table does not fit shows
// the usage in one message box and ends the program with kUsage.
class CCommandLine {
public:
    // Exit codes of the switches.
    static constexpr int kDone = 0;    // all that was asked was done
    static constexpr int kPartly = 1;  // some of it could not be done (the report tells what)
    static constexpr int kNoInput = 2; // what the switch works on is not there (no backup)
    static constexpr int kKept = 3;    // there was nothing to do: what was asked for is there
    static constexpr int kUsage = 64;  // the command line was not understood
    // Run's answer for a command line without words: the program starts as usual.
    static constexpr int kStartProgram = -1;

    // The command line as WinMain gets it: without the program's own name.
    explicit CCommandLine(const std::string& commandLine);

    bool IsEmpty() const { return words_.empty(); }
    // Whether the words fit a switch of the table (an empty command line fits none).
    bool IsUnderstood() const { return switch_ >= 0; }
    // The switch's name as the table writes it ("restore"), empty when not understood.
    std::string Command() const;
    // The file given after the switch, empty without one.
    const std::string& File() const { return file_; }

    // Runs the switch and returns its exit code; kStartProgram without words; the usage and
    // kUsage when the words are not understood.
    int Run() const;

    // The words of a command line: split at blanks, where "..." keeps blanks in a word.
    static std::vector<std::string> Split(const std::string& commandLine);
    // The usage message: the given command line and a line for every switch.
    static std::string Usage(const std::string& commandLine);

private:
    std::string commandLine_;
    std::vector<std::string> words_;
    int switch_ = -1;
    std::string file_;
};
