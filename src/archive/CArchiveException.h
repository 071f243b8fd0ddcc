#pragma once

#include <exception>

// An error met while storing or loading an object archive, numbered as the program numbers them.
class CArchiveException : public std::exception {
public:
    enum Cause : int {
        kGeneric = 1,
        kEndOfFile = 3,
        kBadIndex = 5,
        kBadClass = 6,
        kBadSchema = 7,
        kFileError = 100, // the file underneath could not be read or written
    };

    explicit CArchiveException(int cause) : cause_(cause) {}
    int Cause() const { return cause_; }
    const char* what() const noexcept override { return "object archive error"; }

private:
    int cause_;
};
