#pragma once

#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include "platform/CRegistryAccess.h"
#include "manual/TweakRow.h"
#include "ui/CPage.h"
#include "ui/ITweakPage.h"

// A Manual Tweaks page: the dialog of one tweak module, described by its constant table of rows.
// It loads every row through the module's Get operations, reports changes to the main window's
// pending-change counter, checks fields when they lose the focus, shows a row's help when its
// text is clicked and commits the changed rows through the Set operations on Apply.
class CTweakPage : public CPage, public ITweakPage {
public:
    // The colour of the text of a row the running Windows does not support.
    static constexpr COLORREF kOffTextColour = RGB(128, 128, 128);

    CTweakPage(const TweakPageTable& table, IMainWindow& main);
    ~CTweakPage() override;

    int Apply() override;
    void Load() override;

    const TweakPageTable& Table() const { return table_; }
    // The catalogue entry a row shows (an empty one, on every family, for an action).
    const TweakEntry& Tweak(size_t row) const;
    // Whether the running Windows supports the row (false for every row without a module).
    bool IsRowOn(size_t row) const;

    // Forgets the values typed before boxes were unchecked (they live for the whole run).
    static void ForgetRememberedValues();

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // A field losing the focus because the page goes away is not checked.
    void OnDestroy() override { validating_ = true; }

private:
    struct RowState {
        TweakValue shown;
        TweakValue original;
        bool checked = false; // the check-to-change box
        bool counted = false; // adds one to the pending-change counter
    };

    bool IsBoxed(const TweakRow& row) const;
    int FieldCount(const TweakRow& row) const;
    // The row whose box, label, field or button has the id; -1 for none.
    int RowOfBox(int id) const;
    int RowOfLabel(int id) const;
    int RowOfField(int id, int& field) const;
    int RowOfButton(int id) const;

    TweakValue ReadSystem(size_t index);
    void ShowValue(size_t index);
    TweakValue ReadControls(size_t index) const;
    void EnableFields(size_t index, bool enable);
    void OnBoxClicked(size_t index);
    void OnValueChanged(size_t index);
    // Whether the row holds a change to commit. A picture row has nothing to read, so its
    // checked box is a change in itself: an empty path puts the logo back.
    bool IsChanged(size_t index) const;
    // Checks the field that lost the focus; false (after the message and the undo) on a refusal.
    bool Validate(size_t index, int field);
    void OnBrowse(size_t index);
    void OnAction(size_t index);
    void ShowHelp(size_t index);
    void Commit(size_t index);

    std::string FieldText(int id) const { return ItemText(id); }
    void SetFieldText(int id, const std::string& text);
    std::string& Remembered(int fieldId);

    const TweakPageTable& table_;
    std::unique_ptr<CRegistryAccess> module_;
    std::vector<const TweakEntry*> tweaks_; // by row
    std::vector<RowState> states_;
    bool loading_ = false;    // change notifications of the page's own updates are ignored
    bool validating_ = false; // no second check while a refusal is being shown
};
