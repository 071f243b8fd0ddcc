#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <windows.h>

#include "platform/CRegistryAccess.h"

// The rows a tweak page is described by. A page is a constant table of TweakRow; CTweakPage
// gives every row its behaviour by its kind.

// What one row shows: up to three numbers (one per field; a flag is numbers[0]) or a text.
struct TweakValue {
    DWORD numbers[3] = {0, 0, 0};
    std::string text;

    bool operator==(const TweakValue& other) const {
        return numbers[0] == other.numbers[0] && numbers[1] == other.numbers[1] &&
               numbers[2] == other.numbers[2] && text == other.text;
    }
    bool operator!=(const TweakValue& other) const { return !(*this == other); }
};

// Reads the row's value from the system into `value`, which holds the preset; writes it back;
// builds the help text. The module is the page's module object.
using TweakGetter = BOOL (*)(CRegistryAccess& module, TweakValue& value);
using TweakSetter = BOOL (*)(CRegistryAccess& module, const TweakValue& value);
using TweakHelp = BOOL (*)(CRegistryAccess& module, std::string& text);
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

// The families a row works on, as a mask of family codes (bit n for code n).
enum : unsigned {
    kAllFamilies = 0xFFu,
    kNineXOnly = (1u << 1) | (1u << 2) | (1u << 3),
    kNTOnly = (1u << 4) | (1u << 5) | (1u << 6),
    kNotXP = kAllFamilies & ~(1u << 6),
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
    TweakKind kind = TweakKind::kFlag;
    int box = 0;                       // the check box (a flag or a check-to-change box)
    int label = 0;                     // its text: a click shows the help; grey when the row is off
    int fields[3] = {0, 0, 0};         // edit fields or lists
    int browse = 0;                    // the Browse button, or the button of an action
    int notes[6] = {0, 0, 0, 0, 0, 0}; // further texts greyed with the row
    unsigned families = kAllFamilies;
    TweakGetter get = nullptr; // none: the preset is the value
    TweakSetter set = nullptr;
    TweakHelp help = nullptr;
    DWORD preset = 0;              // shown units, before reading and when the row is off
    DWORD scale = 1;               // system units per shown unit (1000: seconds for milliseconds)
    bool inverted = false;         // the box shows the opposite of the stored flag
    bool restart = false;          // a commit counts one change that needs a restart
    bool clearAfterCommit = false; // the box starts unchecked again after a commit
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
    constexpr TweakRow Families(unsigned mask) const {
        TweakRow row = *this;
        row.families = mask;
        return row;
    }
    constexpr TweakRow Restart() const {
        TweakRow row = *this;
        row.restart = true;
        return row;
    }
    constexpr TweakRow Preset(DWORD value) const {
        TweakRow row = *this;
        row.preset = value;
        return row;
    }
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
    constexpr TweakRow Scale(DWORD factor) const {
        TweakRow row = *this;
        row.scale = factor;
        return row;
    }
    constexpr TweakRow Inverted() const {
        TweakRow row = *this;
        row.inverted = true;
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

// The operations of a row, made from a module's member functions.
struct TweakAccess {
    TweakGetter get;
    TweakSetter set;
};

template <class M, BOOL (M::*Get)(DWORD&), BOOL (M::*Set)(DWORD)>
constexpr TweakAccess NumberAccess() {
    return {[](CRegistryAccess& module, TweakValue& value) {
                return (static_cast<M&>(module).*Get)(value.numbers[0]);
            },
            [](CRegistryAccess& module, const TweakValue& value) {
                return (static_cast<M&>(module).*Set)(value.numbers[0]);
            }};
}

template <class M, BOOL (M::*Get)(std::string&), BOOL (M::*Set)(const std::string&)>
constexpr TweakAccess TextAccess() {
    return {[](CRegistryAccess& module, TweakValue& value) {
                return (static_cast<M&>(module).*Get)(value.text);
            },
            [](CRegistryAccess& module, const TweakValue& value) {
                return (static_cast<M&>(module).*Set)(value.text);
            }};
}

// A picture: nothing to read; committing hands the box's state and the path over.
template <class M, BOOL (M::*Set)(DWORD, const std::string&)> constexpr TweakAccess ImageAccess() {
    return {nullptr, [](CRegistryAccess& module, const TweakValue& value) {
                return (static_cast<M&>(module).*Set)(1, value.text);
            }};
}

template <class M, BOOL (M::*Help)(std::string&)> constexpr TweakHelp HelpOf() {
    return [](CRegistryAccess& module, std::string& text) {
        return (static_cast<M&>(module).*Help)(text);
    };
}

template <class M, BOOL (M::*Work)()> constexpr TweakAction ActionOf() {
    return [](CRegistryAccess& module) { return (static_cast<M&>(module).*Work)(); };
}

// The row makers.
constexpr TweakRow MakeRow(TweakKind kind, int box, int label, int field, int browse,
                           TweakAccess access, TweakHelp help) {
    TweakRow row;
    row.kind = kind;
    row.box = box;
    row.label = label;
    row.fields[0] = field;
    row.browse = browse;
    row.get = access.get;
    row.set = access.set;
    row.help = help;
    return row;
}
constexpr TweakRow FlagRow(int box, int label, TweakAccess access, TweakHelp help) {
    return MakeRow(TweakKind::kFlag, box, label, 0, 0, access, help);
}
constexpr TweakRow NumberRow(int box, int label, int field, TweakAccess access, TweakHelp help) {
    return MakeRow(TweakKind::kNumber, box, label, field, 0, access, help);
}
constexpr TweakRow TextRow(int box, int label, int field, TweakAccess access, TweakHelp help) {
    return MakeRow(TweakKind::kText, box, label, field, 0, access, help);
}
constexpr TweakRow PathRow(int box, int label, int field, int browse, TweakAccess access,
                           TweakHelp help) {
    return MakeRow(TweakKind::kPath, box, label, field, browse, access, help);
}
constexpr TweakRow ImageRow(int box, int label, int field, int browse, TweakAccess access,
                            TweakHelp help) {
    return MakeRow(TweakKind::kImage, box, label, field, browse, access, help);
}
constexpr TweakRow ListRow(int box, int label, int list, TweakAccess access, TweakHelp help) {
    return MakeRow(TweakKind::kList, box, label, list, 0, access, help);
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

// A page: its dialog, how its module object is made, and its rows in commit order.
struct TweakPageTable {
    UINT dialogId;
    std::unique_ptr<CRegistryAccess> (*createModule)();
    const TweakRow* rows;
    size_t count;
};

template <class M> std::unique_ptr<CRegistryAccess> MakeModule() {
    return std::make_unique<M>();
}
