#pragma once

#include <functional>
#include <windows.h>

// Dispatches this thread's messages for the given time, or until `done` reports true.
// Returns whether `done` became true (always true without a condition).
bool PumpMessages(DWORD milliseconds, const std::function<bool()>& done = nullptr);
