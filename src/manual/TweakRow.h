#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <windows.h>

#include "platform/CRegistryAccess.h"
#include "tweaks/TweakCatalogue.h"

// The rows a tweak page is described by: a row is a tweak of the module's catalogue with the
// controls that show it and the checks of what is typed. A page is a constant table of TweakRow;
// CTweakPage gives every row its behaviour by its kind.

// A button's work (the clearing buttons); 1 on success.
using TweakAction = BOOL (*)(CRegistryAccess& module);

enum class TweakKind {
    kFlag,   // a check box that is the value
    kNumber, // a check-to-change box with one to three number fields
    kText,   // a check-to-change box with a text field
    kPath,   // a check-to-change box with a folder field and a Browse button
    kImage,  // a check-to-change box with a bitmap file field and a Browse button
    kList,   // a check-to-change box with one or two drop-down lists
    kAction, // a button that asks, works and reports
};

// What is checked when an edit field loses the focus.
enum class FieldRule {
    kNone,
    kRange,    // a decimal number from `low` to `high`; else the message and the original back
    kNotEmpty, // anything but an empty field; else the message and "0" in the field
    kFolder,   // a usable folder path; else the message and the original back
    kBitmap,   // empty, or a usable path to a .bmp; else one of the messages and an empty field
};

// The entries of a drop-down list and the value each stands for; a value not in the list shows
// entry `fallback`.
struct TweakList {
    const char* const* entries;
    const DWORD* values;
    int count;
    int fallback;
};

struct TweakRow {
    const char* tweak = nullptr; // the name of its catalogue entry; none for an action
    TweakKind kind = TweakKind::kFlag;
    int box = 0;                       // the check box (a flag or a check-to-change box)
    int label = 0;                     // its text: a click shows the help; grey when the row is off
    int fields[3] = {0, 0, 0};         // edit fields or lists
    int browse = 0;                    // the Browse button, or the button of an action
    int notes[6] = {0, 0, 0, 0, 0, 0}; // further texts greyed with the row
    bool unread = false;               // the page shows the preset and never reads the system
    bool clearAfterCommit = false;     // the box starts unchecked again after a commit
    FieldRule rule = FieldRule::kNone;
    DWORD low = 0, high = 0;        // kRange
    const char* message = nullptr;  // the validation message
    const char* message2 = nullptr; // kBitmap: the message for a file that is no bitmap
    const TweakList* lists[2] = {nullptr, nullptr}; // kList: one per field
    TweakAction action = nullptr;                   // kAction: the work, with its three texts
    const char* question = nullptr;
    const char* success = nullptr;
    const char* failure = nullptr;
    const char* chooserTitle = nullptr; // kPath: the folder chooser's title

    // Modifiers, so that a table reads as one line per tweak.
    constexpr TweakRow Notes(int first, int second = 0, int third = 0, int fourth = 0,
                             int fifth = 0, int sixth = 0) const {
        TweakRow row = *this;
        row.notes[0] = first;
        row.notes[1] = second;
        row.notes[2] = third;
        row.notes[3] = fourth;
        row.notes[4] = fifth;
        row.notes[5] = sixth;
        return row;
    }
    constexpr TweakRow Range(DWORD from, DWORD to, const char* text) const {
        TweakRow row = *this;
        row.rule = FieldRule::kRange;
        row.low = from;
        row.high = to;
        row.message = text;
        return row;
    }
    constexpr TweakRow NotEmpty() const {
        TweakRow row = *this;
        row.rule = FieldRule::kNotEmpty;
        row.message = "Please enter a number.";
        return row;
    }
    constexpr TweakRow Folder(const char* text, const char* title) const {
        TweakRow row = *this;
        row.rule = FieldRule::kFolder;
        row.message = text;
        row.chooserTitle = title;
        return row;
    }
    constexpr TweakRow Bitmap(const char* pathText, const char* bitmapText) const {
        TweakRow row = *this;
        row.rule = FieldRule::kBitmap;
        row.message = pathText;
        row.message2 = bitmapText;
        return row;
    }
    constexpr TweakRow Unread() const {
        TweakRow row = *this;
        row.unread = true;
        return row;
    }
    constexpr TweakRow ClearAfterCommit() const {
        TweakRow row = *this;
        row.clearAfterCommit = true;
        return row;
    }
    constexpr TweakRow Fields(int first, int second, int third = 0) const {
        TweakRow row = *this;
        row.fields[0] = first;
        row.fields[1] = second;
        row.fields[2] = third;
        return row;
    }
    constexpr TweakRow Lists(const TweakList* first, const TweakList* second = nullptr) const {
        TweakRow row = *this;
        row.lists[0] = first;
        row.lists[1] = second;
        return row;
    }
};

template <class M, BOOL (M::*Work)()> constexpr TweakAction ActionOf() {
    return [](CRegistryAccess& module) { return (static_cast<M&>(module).*Work)(); };
}

// The row makers.
constexpr TweakRow MakeRow(TweakKind kind, const char* tweak, int box, int label, int field,
                           int browse) {
    TweakRow row;
    row.kind = kind;
    row.tweak = tweak;
    row.box = box;
    row.label = label;
    row.fields[0] = field;
    row.browse = browse;
    return row;
}
constexpr TweakRow FlagRow(const char* tweak, int box, int label) {
    return MakeRow(TweakKind::kFlag, tweak, box, label, 0, 0);
}
constexpr TweakRow NumberRow(const char* tweak, int box, int label, int field) {
    return MakeRow(TweakKind::kNumber, tweak, box, label, field, 0);
}
constexpr TweakRow TextRow(const char* tweak, int box, int label, int field) {
    return MakeRow(TweakKind::kText, tweak, box, label, field, 0);
}
constexpr TweakRow PathRow(const char* tweak, int box, int label, int field, int browse) {
    return MakeRow(TweakKind::kPath, tweak, box, label, field, browse);
}
constexpr TweakRow ImageRow(const char* tweak, int box, int label, int field, int browse) {
    return MakeRow(TweakKind::kImage, tweak, box, label, field, browse);
}
constexpr TweakRow ListRow(const char* tweak, int box, int label, int list) {
    return MakeRow(TweakKind::kList, tweak, box, label, list, 0);
}
constexpr TweakRow ActionRow(int button, TweakAction action, const char* question,
                             const char* success, const char* failure) {
    TweakRow row;
    row.kind = TweakKind::kAction;
    row.browse = button;
    row.action = action;
    row.question = question;
    row.success = success;
    row.failure = failure;
    return row;
}

// A page: its module, its dialog, and its rows in commit order.
struct TweakPageTable {
    Modules::Module module;
    UINT dialogId;
    const TweakRow* rows;
    size_t count;
};
