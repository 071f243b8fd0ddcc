#include "manual/CTweakPage.h"

#include <cstdlib>
#include <map>

#include "platform/CMessageBox.h"
#include "manual/CFileChooser.h"
#include "manual/TweakPageRules.h"
#include "ui/IMainWindow.h"

namespace {

// The values typed before a box was unchecked, by page and field, for the whole run.
std::map<unsigned, std::string>& RememberedValues() {
    static std::map<unsigned, std::string> values;
    return values;
}

bool IsEditKind(TweakKind kind) {
    return kind == TweakKind::kNumber || kind == TweakKind::kText || kind == TweakKind::kPath ||
           kind == TweakKind::kImage;
}

// The value the row shows before anything is read: the preset, and for further lists the
// value of their fallback entry.
TweakValue PresetValue(const TweakRow& row, const TweakEntry& tweak) {
    TweakValue value;
    value.numbers[0] = tweak.preset;
    for (int k = 1; k < 2; ++k)
        if (row.lists[k] != nullptr)
            value.numbers[k] = row.lists[k]->values[row.lists[k]->fallback];
    return value;
}

// Shown units to system units and back, for the single number of a flag or number row.
DWORD ToSystem(const TweakEntry& tweak, DWORD shown) {
    if (tweak.inverted)
        return shown != 0 ? 0 : 1;
    return shown * tweak.scale;
}

DWORD ToShown(const TweakRow& row, const TweakEntry& tweak, DWORD stored) {
    if (row.kind == TweakKind::kFlag)
        stored = stored != 0 ? 1 : 0;
    if (tweak.inverted)
        return stored != 0 ? 0 : 1;
    return tweak.scale > 1 ? stored / tweak.scale : stored;
}

// What a row without a tweak (an action) stands for: every family, nothing to read or write.
const TweakEntry kNoTweak;

int ListIndex(const TweakList& list, DWORD value) {
    for (int i = 0; i < list.count; ++i)
        if (list.values[i] == value)
            return i;
    return list.fallback;
}

// A waiting cursor for the life of the object.
class CWaitCursor {
public:
    CWaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { SetCursor(previous_); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR previous_;
};

} // namespace

CTweakPage::CTweakPage(const TweakPageTable& table, IMainWindow& main)
    : CPage(table.dialogId, main), table_(table), module_(CatalogueOf(table.module).createModule()),
      states_(table.count) {
    for (size_t i = 0; i < table.count; ++i) {
        const TweakRow& row = table.rows[i];
        const TweakEntry* tweak =
            row.tweak != nullptr ? FindTweak(table.module, row.tweak) : nullptr;
        tweaks_.push_back(tweak != nullptr ? tweak : &kNoTweak);
    }
}

const TweakEntry& CTweakPage::Tweak(size_t row) const {
    return row < tweaks_.size() ? *tweaks_[row] : kNoTweak;
}

CTweakPage::~CTweakPage() = default;

void CTweakPage::ForgetRememberedValues() {
    RememberedValues().clear();
}

bool CTweakPage::IsRowOn(size_t index) const {
    if (!module_ || index >= table_.count)
        return false;
    return Tweak(index).WorksOn(module_->OsFamily());
}

bool CTweakPage::IsBoxed(const TweakRow& row) const {
    return row.kind != TweakKind::kFlag && row.kind != TweakKind::kAction;
}

int CTweakPage::FieldCount(const TweakRow& row) const {
    int count = 0;
    while (count < 3 && row.fields[count] != 0)
        ++count;
    return count;
}

int CTweakPage::RowOfBox(int id) const {
    for (size_t i = 0; i < table_.count; ++i)
        if (table_.rows[i].box == id && table_.rows[i].kind != TweakKind::kAction)
            return static_cast<int>(i);
    return -1;
}

int CTweakPage::RowOfLabel(int id) const {
    for (size_t i = 0; i < table_.count; ++i)
        if (table_.rows[i].label == id)
            return static_cast<int>(i);
    return -1;
}

int CTweakPage::RowOfField(int id, int& field) const {
    for (size_t i = 0; i < table_.count; ++i)
        for (int k = 0; k < 3; ++k)
            if (table_.rows[i].fields[k] == id && id != 0) {
                field = k;
                return static_cast<int>(i);
            }
    return -1;
}

int CTweakPage::RowOfButton(int id) const {
    for (size_t i = 0; i < table_.count; ++i)
        if (table_.rows[i].browse == id)
            return static_cast<int>(i);
    return -1;
}

std::string& CTweakPage::Remembered(int fieldId) {
    return RememberedValues()[(static_cast<unsigned>(table_.dialogId) << 16) |
                              static_cast<unsigned>(fieldId)];
}

void CTweakPage::SetFieldText(int id, const std::string& text) {
    const bool wasLoading = loading_;
    loading_ = true;
    SetItemText(id, text);
    loading_ = wasLoading;
}

BOOL CTweakPage::OnInit() {
    // Every text of the page is drawn in the page font on the white page.
    std::vector<int> texts;
    for (HWND child = GetWindow(Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof(className));
        const int id = GetDlgCtrlID(child);
        if (lstrcmpiA(className, "Static") == 0 && id != -1 && id != 0xFFFF)
            texts.push_back(id);
    }
    MakeLabels(texts.data(), texts.size(), 8);
    for (size_t i = 0; i < table_.count; ++i) {
        const TweakRow& row = table_.rows[i];
        if (row.kind != TweakKind::kList)
            continue;
        for (int k = 0; k < 2; ++k) {
            if (row.lists[k] == nullptr)
                continue;
            for (int e = 0; e < row.lists[k]->count; ++e)
                SendItemMessage(row.fields[k], CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(row.lists[k]->entries[e]));
        }
    }
    if (module_) {
        module_->SetReportOwner(Handle());
        Load();
    }
    return TRUE;
}

TweakValue CTweakPage::ReadSystem(size_t index) {
    const TweakRow& row = table_.rows[index];
    const TweakEntry& tweak = Tweak(index);
    TweakValue value = PresetValue(row, tweak);
    if (!IsRowOn(index) || row.unread || tweak.get == nullptr)
        return value;
    const bool single = row.kind == TweakKind::kFlag || row.kind == TweakKind::kNumber;
    if (single)
        value.numbers[0] = ToSystem(tweak, value.numbers[0]);
    // A check-to-change row keeps the page's preset when there is nothing to read (the icon
    // cache shows 8192, the System Cache list 4 MB); a flag takes what the module reports.
    TweakValue read = value;
    if (tweak.get(*module_, read) || row.kind == TweakKind::kFlag)
        value = read;
    if (single)
        value.numbers[0] = ToShown(row, tweak, value.numbers[0]);
    return value;
}

void CTweakPage::ShowValue(size_t index) {
    const TweakRow& row = table_.rows[index];
    const RowState& state = states_[index];
    const bool wasLoading = loading_;
    loading_ = true;
    if (row.kind == TweakKind::kFlag)
        CheckButton(row.box, state.shown.numbers[0] != 0);
    else if (row.kind != TweakKind::kAction)
        CheckButton(row.box, state.checked);
    for (int k = 0; k < FieldCount(row); ++k) {
        if (row.kind == TweakKind::kNumber)
            SetItemText(row.fields[k], std::to_string(state.shown.numbers[k]));
        else if (row.kind == TweakKind::kList && row.lists[k] != nullptr)
            SendItemMessage(row.fields[k], CB_SETCURSEL,
                            ListIndex(*row.lists[k], state.shown.numbers[k]));
        else if (IsEditKind(row.kind))
            SetItemText(row.fields[k], state.shown.text);
    }
    loading_ = wasLoading;
}

TweakValue CTweakPage::ReadControls(size_t index) const {
    const TweakRow& row = table_.rows[index];
    TweakValue value;
    if (row.kind == TweakKind::kFlag) {
        value.numbers[0] = IsButtonChecked(row.box) ? 1 : 0;
        return value;
    }
    for (int k = 0; k < FieldCount(row); ++k) {
        if (row.kind == TweakKind::kNumber) {
            value.numbers[k] = std::strtoul(FieldText(row.fields[k]).c_str(), nullptr, 10);
        } else if (row.kind == TweakKind::kList && row.lists[k] != nullptr) {
            const LRESULT selected = SendItemMessage(row.fields[k], CB_GETCURSEL);
            const TweakList& list = *row.lists[k];
            value.numbers[k] =
                list.values[selected >= 0 && selected < list.count ? static_cast<int>(selected)
                                                                   : list.fallback];
        } else if (IsEditKind(row.kind)) {
            value.text = FieldText(row.fields[k]);
        }
    }
    return value;
}

void CTweakPage::EnableFields(size_t index, bool enable) {
    const TweakRow& row = table_.rows[index];
    enable = enable && IsRowOn(index);
    for (int k = 0; k < FieldCount(row); ++k)
        EnableItem(row.fields[k], enable);
    if (row.browse != 0 && row.kind != TweakKind::kAction)
        EnableItem(row.browse, enable);
}

void CTweakPage::Load() {
    if (!module_)
        return;
    loading_ = true;
    for (size_t i = 0; i < table_.count; ++i) {
        const TweakRow& row = table_.rows[i];
        if (row.kind == TweakKind::kAction)
            continue;
        RowState& state = states_[i];
        state.shown = state.original = ReadSystem(i);
        state.checked = false;
        state.counted = false;
        ShowValue(i);
        const bool on = IsRowOn(i);
        EnableItem(row.box, on);
        EnableFields(i, false);
        const int texts[] = {row.label,    row.notes[0], row.notes[1], row.notes[2],
                             row.notes[3], row.notes[4], row.notes[5]};
        for (int id : texts)
            if (CTextLabel* label = id != 0 ? Label(id) : nullptr)
                label->SetTextColor(on ? GetSysColor(COLOR_WINDOWTEXT) : kOffTextColour);
    }
    loading_ = false;
}

void CTweakPage::OnValueChanged(size_t index) {
    if (loading_)
        return;
    RowState& state = states_[index];
    state.shown = ReadControls(index);
    const bool differs = IsChanged(index);
    if (state.counted && !differs) {
        state.counted = false;
        Main().NotifyPageChange(0, 1, 0);
    } else if (!state.counted && differs) {
        state.counted = true;
        Main().NotifyPageChange(1, 1, 0);
    }
}

bool CTweakPage::IsChanged(size_t index) const {
    const RowState& state = states_[index];
    if (table_.rows[index].kind == TweakKind::kImage && state.checked)
        return true;
    return state.shown != state.original;
}

void CTweakPage::OnBoxClicked(size_t index) {
    const TweakRow& row = table_.rows[index];
    if (!IsRowOn(index))
        return;
    if (row.kind == TweakKind::kFlag) {
        OnValueChanged(index);
        return;
    }
    RowState& state = states_[index];
    state.checked = IsButtonChecked(row.box);
    EnableFields(index, state.checked);
    if (IsEditKind(row.kind)) {
        for (int k = 0; k < FieldCount(row); ++k) {
            const int field = row.fields[k];
            if (state.checked) {
                // The value typed before the box was last unchecked comes back.
                const std::string start = row.kind == TweakKind::kNumber
                                              ? std::to_string(k == 0 ? Tweak(index).preset : 0)
                                              : "";
                const std::string& remembered = Remembered(field);
                if (!remembered.empty() && remembered != start)
                    SetFieldText(field, remembered);
            } else {
                Remembered(field) = FieldText(field);
            }
        }
    }
    if (!state.checked) {
        // Unchecked, the row shows the value it holds in the system again.
        state.shown = state.original;
        ShowValue(index);
    }
    OnValueChanged(index);
}

bool CTweakPage::Validate(size_t index, int field) {
    const TweakRow& row = table_.rows[index];
    if (validating_ || loading_ || row.rule == FieldRule::kNone)
        return true;
    const int id = row.fields[field];
    const std::string text = FieldText(id);
    const RowState& state = states_[index];
    const char* message = row.message;
    std::string undo;
    switch (row.rule) {
    case FieldRule::kRange: {
        unsigned long number = 0;
        if (ParseFieldNumber(text, number) && number >= row.low && number <= row.high)
            return true;
        undo = std::to_string(state.original.numbers[field]);
        break;
    }
    case FieldRule::kNotEmpty:
        if (!text.empty())
            return true;
        undo = "0";
        break;
    case FieldRule::kFolder:
        if (IsUsableFolderPath(text))
            return true;
        undo = state.original.text;
        break;
    case FieldRule::kBitmap:
        if (text.empty())
            return true;
        if (IsUsableFolderPath(text)) {
            if (HasBitmapExtension(text))
                return true;
            message = row.message2;
        }
        break;
    case FieldRule::kNone:
        return true;
    }
    validating_ = true;
    CMessageBox::Show(Handle(), message, MB_OK | MB_ICONEXCLAMATION);
    validating_ = false;
    if (!Exists())
        return false; // the page went away under the message
    SetFieldText(id, undo);
    OnValueChanged(index);
    SetFocus(Item(id));
    return false;
}

void CTweakPage::OnBrowse(size_t index) {
    const TweakRow& row = table_.rows[index];
    const int field = row.fields[0];
    std::string path = FieldText(field);
    const bool chosen =
        row.kind == TweakKind::kPath
            ? CFileChooser::ChooseFolder(Handle(), row.chooserTitle ? row.chooserTitle : "", path)
            : CFileChooser::ChooseBitmap(Handle(), path);
    if (!chosen || path.empty()) {
        if (row.kind == TweakKind::kImage)
            SetFocus(Item(field));
        return;
    }
    SetFieldText(field, path);
    OnValueChanged(index);
    // A chosen folder is held to the same rules as a typed one.
    Validate(index, 0);
}

void CTweakPage::OnAction(size_t index) {
    const TweakRow& row = table_.rows[index];
    if (!module_ || row.action == nullptr || !CMessageBox::AskYesNo(Handle(), row.question))
        return;
    BOOL done = FALSE;
    Main().LockNavigation(true);
    {
        CWaitCursor wait;
        done = row.action(*module_);
    }
    Main().LockNavigation(false);
    CMessageBox::Report(Handle(), done ? row.success : row.failure);
}

void CTweakPage::ShowHelp(size_t index) {
    const TweakEntry& tweak = Tweak(index);
    if (!module_ || tweak.help == nullptr)
        return;
    std::string text;
    tweak.help(*module_, text);
    Main().ShowTweakHelp(text);
}

void CTweakPage::Commit(size_t index) {
    const TweakRow& row = table_.rows[index];
    const TweakEntry& tweak = Tweak(index);
    RowState& state = states_[index];
    if (tweak.set != nullptr) {
        TweakValue stored = state.shown;
        if (row.kind == TweakKind::kFlag || row.kind == TweakKind::kNumber)
            stored.numbers[0] = ToSystem(tweak, stored.numbers[0]);
        tweak.set(*module_, stored); // a failed write is not reported
    }
    state.original = state.shown;
    if (state.counted) {
        state.counted = false;
        Main().NotifyPageChange(0, 1, 0);
    }
    if (tweak.restart)
        Main().CountRestartChange();
    if (IsBoxed(row)) {
        state.checked = false;
        EnableFields(index, false);
    }
    if (row.clearAfterCommit)
        state.shown = state.original = PresetValue(row, tweak);
    ShowValue(index);
}

int CTweakPage::Apply() {
    if (!module_)
        return 1;
    bool refusedPending = false;
    for (size_t i = 0; i < table_.count; ++i) {
        const TweakRow& row = table_.rows[i];
        if (row.kind == TweakKind::kAction || !IsRowOn(i))
            continue;
        RowState& state = states_[i];
        if (IsBoxed(row)) {
            if (!state.checked)
                continue;
            // A field still holding a refused entry is put right before anything is written.
            bool valid = true;
            for (int k = 0; k < FieldCount(row) && IsEditKind(row.kind); ++k)
                valid = Validate(i, k) && valid;
            if (!Exists())
                return 0;
            if (!valid) {
                // Put right to a value that still differs, the row stays pending.
                refusedPending = refusedPending || state.counted;
                continue;
            }
        }
        state.shown = ReadControls(i);
        if (IsChanged(i))
            Commit(i);
        // A message shown while writing (a picture that cannot be replaced) may have outlived
        // the page: controls that are gone read as unchecked and empty, and must not be written.
        if (!Exists())
            return 0;
    }
    return refusedPending ? 0 : 1;
}

BOOL CTweakPage::OnButtonClicked(int id) {
    // Static texts notify clicks with the same code as buttons.
    int index = RowOfLabel(id);
    if (index >= 0) {
        ShowHelp(static_cast<size_t>(index));
        return TRUE;
    }
    index = RowOfBox(id);
    if (index >= 0) {
        OnBoxClicked(static_cast<size_t>(index));
        return TRUE;
    }
    index = RowOfButton(id);
    if (index >= 0) {
        if (table_.rows[index].kind == TweakKind::kAction)
            OnAction(static_cast<size_t>(index));
        else
            OnBrowse(static_cast<size_t>(index));
        return TRUE;
    }
    return FALSE;
}

BOOL CTweakPage::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    int field = 0;
    const int index = RowOfField(id, field);
    if (index < 0)
        return FALSE;
    switch (code) {
    case EN_CHANGE:
    case CBN_SELCHANGE:
        OnValueChanged(static_cast<size_t>(index));
        return TRUE;
    case EN_KILLFOCUS:
        Validate(static_cast<size_t>(index), field);
        return TRUE;
    default:
        return FALSE;
    }
}
