#pragma once

#include <windows.h>

// What a drop-down menu host asks of the window whose menu it shows.
class IMenuCommands {
public:
    // Sets the items' state (greyed, checked) just before the menu drops.
    virtual void PrepareMenu(UINT menuId, HMENU popup) = 0;
    virtual void OnMenuCommand(UINT menuId, UINT command) = 0;

protected:
    ~IMenuCommands() = default;
};
