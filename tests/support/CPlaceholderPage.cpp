#include "support/CPlaceholderPage.h"

#include "support/TestPageIds.h"

const UINT CPlaceholderPage::kDialogId = IDD_TEST_PLACEHOLDER_PAGE;

BOOL CPlaceholderPage::OnInit() {
    SetItemText(IDC_TEST_PLACEHOLDER_TEXT, name_);
    const int labels[] = {IDC_TEST_PLACEHOLDER_TEXT};
    MakeLabels(labels, 1);
    if (height_ > 0) {
        const RECT client = ClientRect();
        SetPos(nullptr, 0, 0, client.right, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}
