#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CTorvaneApp.h"
#include "platform/CMessageBox.h"
#include "platform/COptionalApi.h"
#include "support/CRegistrySandbox.h"
#include "support/TestRegistry.h"

namespace {

// The common controls of the first Windows 95 release lack InitCommonControlsEx: the program
// says what to install and ends before it writes anything to the registry.
TEST(AppStartup, CommonControlsTooOldShowOneMessageAndWriteNothing) {
    CRegistrySandbox sandbox;
    std::vector<std::string> messages;
    CMessageBox::SetHandler([&](HWND, const std::string& text, UINT) {
        messages.push_back(text);
        return IDOK;
    });
    COptionalApi::PretendMissing(COptionalApi::kInitCommonControlsEx, true);
    {
        CTorvaneApp app;
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(app.Host(), nullptr);
    }
    COptionalApi::PretendMissing(COptionalApi::kInitCommonControlsEx, false);
    CMessageBox::SetHandler(nullptr);

    ASSERT_EQ(messages.size(), 1u);
    for (const char* part :
         {"InitCommonControlsEx", "comctl32.dll", "4.71", "Internet Explorer 4.0 or later"})
        EXPECT_NE(messages[0].find(part), std::string::npos) << part << " in " << messages[0];
    EXPECT_EQ(EntryCount(HKEY_LOCAL_MACHINE), 0u);
    EXPECT_EQ(EntryCount(HKEY_CURRENT_USER), 0u);
}

} // namespace
