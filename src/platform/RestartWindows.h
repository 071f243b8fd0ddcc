#pragma once

#include <windows.h>

// Restarts Windows, enabling the shutdown privilege on the NT family. TRUE when started.
BOOL RestartWindows();
