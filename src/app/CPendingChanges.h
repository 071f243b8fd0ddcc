#pragma once

// The count of uncommitted page changes behind the Apply and Cancel buttons. Notify answers
// what the buttons become; "leave" keeps a button as it is.
class CPendingChanges {
public:
    enum Button : int { kLeave, kEnable, kDisable };
    struct Buttons {
        Button apply = kLeave;
        Button cancel = kLeave;
    };

    // changed: 1 when a control moved away from its stored value, 0 when it came back or was
    // committed; counted 1 to count it; reset 1 to start again from 0.
    Buttons Notify(int changed, int counted, int reset);
    void Reset() { count_ = 0; }
    int Count() const { return count_; }

private:
    int count_ = 0;
};
