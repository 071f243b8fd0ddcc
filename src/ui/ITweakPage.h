#pragma once

// What the main window asks of each of the nine tweak pages on Apply and Cancel.
class ITweakPage {
public:
    // Commits the changed tweaks; nonzero on success, 0 when a change stays pending (a refused
    // entry), so that Apply and Cancel stay available.
    virtual int Apply() = 0;
    // Reads every value from the system again (also Cancel).
    virtual void Load() = 0;

protected:
    ~ITweakPage() = default;
};
