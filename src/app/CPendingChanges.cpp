#include "app/CPendingChanges.h"

CPendingChanges::Buttons CPendingChanges::Notify(int changed, int counted, int reset) {
    Buttons buttons;
    if (reset == 1) {
        count_ = 0;
        return buttons;
    }
    if (counted != 1) {
        // An uncounted report only says whether there is something to apply.
        buttons.apply = changed != 0 ? kEnable : kDisable;
        return buttons;
    }
    if (changed != 0) {
        ++count_;
    } else if (count_ <= 0) {
        buttons.apply = buttons.cancel = kDisable;
        return buttons;
    } else {
        --count_;
    }
    buttons.apply = buttons.cancel = count_ > 0 ? kEnable : kDisable;
    return buttons;
}
