#pragma once

#include <string>
#include <windows.h>

// Puts an environment variable of the test process back as it was, set or not.
class CSavedVariable {
public:
    explicit CSavedVariable(const char* name) : name_(name) {
        char value[MAX_PATH];
        const DWORD length = GetEnvironmentVariableA(name, value, sizeof(value));
        set_ = length > 0 && length < sizeof(value);
        value_.assign(value, set_ ? length : 0);
    }
    ~CSavedVariable() { SetEnvironmentVariableA(name_, set_ ? value_.c_str() : nullptr); }
    CSavedVariable(const CSavedVariable&) = delete;
    CSavedVariable& operator=(const CSavedVariable&) = delete;

    void Set(const std::string& value) const { SetEnvironmentVariableA(name_, value.c_str()); }

private:
    const char* name_;
    bool set_;
    std::string value_;
};
