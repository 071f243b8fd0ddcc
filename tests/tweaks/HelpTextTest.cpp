#include <gtest/gtest.h>

#include <string>

#include "support/HelpTextParts.h"
#include "tweaks/CBootupTweaks.h"
#include "tweaks/CCDROMTweaks.h"
#include "tweaks/CDesktopTweaks.h"
#include "tweaks/CHDDTweaks.h"
#include "tweaks/CInternetTweaks.h"
#include "tweaks/CRAMTweaks.h"
#include "tweaks/CShutdownTweaks.h"
#include "tweaks/CStartMenuTweaks.h"
#include "tweaks/CSystemTweaks.h"
#include "tweaks/HelpText.h"

namespace {

const HelpTopic kTopic = {"Title Help", "Why.",    "Do this.", "Check it.\n-- Or not.",
                          "Off.",       "95/98/ME"};

TEST(HelpText, SectionsFollowTheTitleInTheirOrderOrWithTheOptionsFirst) {
    EXPECT_EQ(BuildHelpText(kTopic), "Title Help\n\n"
                                     "Explanation:\n-- Why.\n\n"
                                     "Recommendation(s):\n-- Do this.\n\n"
                                     "Available Options:\n-- Check it.\n-- Or not.\n\n"
                                     "Default: Off.\n\n"
                                     "Works on Windows: 95/98/ME");
    EXPECT_EQ(BuildHelpTextOptionsFirst(kTopic), "Title Help\n\n"
                                                 "Explanation:\n-- Why.\n\n"
                                                 "Available Options:\n-- Check it.\n-- Or not.\n\n"
                                                 "Recommendation(s):\n-- Do this.\n\n"
                                                 "Default: Off.\n\n"
                                                 "Works on Windows: 95/98/ME");
}

using HelpGetter = BOOL (*)(std::string&);

template <class Module, BOOL (Module::*Get)(std::string&)> BOOL Help(std::string& text) {
    Module module;
    return (module.*Get)(text);
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

const char* const kNone = "No Recommendations are available.";
const char* const kAll = "95/98/ME/NT/2000/XP";
const char* const kNoNT = "95/98/ME/NT/2000";
const char* const kNineX = "95/98/ME";
const char* const kNineXLong = "Windows 95/98/ME";
const char* const kNotChecked = "This option is not checked.";
const char* const kNotApplicable = "Not Applicable.";

// Every help topic of the nine modules. Each must be well formed; the pieces given (nullptr: not
// checked here) are the topic's verbatim texts. `recommendation` is the end of that section,
// `contains` a phrase anywhere in the text.
struct Topic {
    HelpGetter get;
    const char* title = nullptr;
    const char* recommendation = nullptr;
    const char* options = nullptr;
    const char* defaultText = nullptr;
    const char* worksOn = nullptr;
    const char* contains = nullptr;
    bool optionsFirst = false;
};

const Topic kTopics[] = {
    {Help<CSystemTweaks, &CSystemTweaks::GetHelpTimeout>, "Time out Help",
     "we recommend 5 seconds for this option.", "Check to enter another time.", "20 seconds", kAll},
    {Help<CSystemTweaks, &CSystemTweaks::GetHelpExplorerRefresh>,
     "Keep Windows Explorer Refresh Help", nullptr,
     "Check to keep Windows Explorer constantly refresh itself, Uncheck to not refresh Windows "
     "Explorer.",
     "This option is not checked", kAll},
    {Help<CSystemTweaks, &CSystemTweaks::GetHelpRegisteredName>, "Changing Registered Name Help",
     kNone, "Check to change the Registered  Name.", kNotApplicable, kAll},
    {Help<CSystemTweaks, &CSystemTweaks::GetHelpRegisteredCompany>,
     "Changing Registered Company Name Help", kNone, "Check to change the Registered Company Name.",
     kNotApplicable, kAll},
    {Help<CSystemTweaks, &CSystemTweaks::GetHelpFolderLocation>, "Customize Folder Location Help",
     kNone,
     "Check to enter a directory path where you want the folder to be located. You can click on "
     "the Browse... button to find it also.",
     kNotApplicable, kAll},

    {Help<CDesktopTweaks, &CDesktopTweaks::GetHelpShowVersion>},
    {Help<CDesktopTweaks, &CDesktopTweaks::GetHelpShortcutPrefix>},
    {Help<CDesktopTweaks, &CDesktopTweaks::GetHelpShortcutArrow>},
    {Help<CDesktopTweaks, &CDesktopTweaks::GetHelpFontSmoothing>},
    {Help<CDesktopTweaks, &CDesktopTweaks::GetHelpOpenWith>, "\"Open With\" Help", kNone,
     "Check to use the \"Open With\" right menu option.\n-- Uncheck to not use the \"Open "
     "With\" right menu option.",
     kNotApplicable, kNineX},
    {Help<CDesktopTweaks, &CDesktopTweaks::GetHelpIconCache>, "Icon Cache Help",
     " 8192 is typical, use 12288 and 16384 if have more icons.",
     "Check to change the cache size to be used.", kNotApplicable, kNineX},

    {Help<CStartMenuTweaks, &CStartMenuTweaks::GetHelpMenuSpeed>, "Start Menu Speed Help",
     "Small numbers mean faster menu response. We recommend 50 milliseconds ie. 5/100 of a "
     "second response.",
     "Check to change the speed at which the menu shows up.",
     "400 milliseconds ie. 4/10 of a second.", kAll},
    {Help<CStartMenuTweaks, &CStartMenuTweaks::GetHelpMenuOrdering>},
    {Help<CStartMenuTweaks, &CStartMenuTweaks::GetHelpRemoveItem>, "Remove Start Menu item Help",
     kNone,
     "Check to remove the item from Start Menu.\n-- Uncheck to have the menu item in the Start "
     "Menu.",
     kNotChecked, kNineX},

    {Help<CInternetTweaks, &CInternetTweaks::GetHelpMTU>, "MTU Help", kNone,
     "Check to change the MTU value.", kNotApplicable, kNoNT},
    {Help<CInternetTweaks, &CInternetTweaks::GetHelpRWIN>, "RWIN Help", nullptr, nullptr,
     kNotApplicable, kNoNT},
    {Help<CInternetTweaks, &CInternetTweaks::GetHelpTTL>, "TTL Help", nullptr, nullptr,
     kNotApplicable, kNoNT},
    {Help<CInternetTweaks, &CInternetTweaks::GetHelpMaxDownload>, "Max Download Help", " E.g 10.",
     "Check to change how many downloads you can have simultaneously."},
    {Help<CInternetTweaks, &CInternetTweaks::GetHelpDNSCache>, "DNS Cache Size Help", nullptr,
     "Check to double the DNS Cache Size.", kNotChecked, kNoNT},

    {Help<CCDROMTweaks, &CCDROMTweaks::GetHelpCDSpeed>, "CD Speed Help", nullptr,
     "Check to select a more accurate CD speed according to your drive. You can also select to "
     "use a higher cache size.",
     "4x CD speed and default CD Cache Size.", kAll},
    {Help<CCDROMTweaks, &CCDROMTweaks::GetHelpAutoPlayAudio>, "Auto Play on Audio Disc Help", kNone,
     "Check to use Auto Play.\n-- Uncheck to not use AutoPlay.", "This option is checked.", kAll},
    {Help<CCDROMTweaks, &CCDROMTweaks::GetHelpAutoPlayData>, "Auto Play on Data Disc Help", kNone,
     "Check to use Auto Play.\n-- Uncheck to not use AutoPlay.", "This option is checked.", kAll},

    {Help<CHDDTweaks, &CHDDTweaks::GetHelpFileCache>},
    {Help<CHDDTweaks, &CHDDTweaks::GetHelpVCache>},
    {Help<CHDDTweaks, &CHDDTweaks::GetHelpFIFO>, "FIFO Help", nullptr,
     "Check to use FIFO.\n-- Uncheck to not use FIFO.", kNotChecked, kNineX},

    {Help<CRAMTweaks, &CRAMTweaks::GetHelpAutoUnloadDLL>},
    {Help<CRAMTweaks, &CRAMTweaks::GetHelpSwapFileUsage>, nullptr, nullptr, nullptr, nullptr,
     nullptr, "more than 128MB of RAM"},
    {Help<CRAMTweaks, &CRAMTweaks::GetHelpStacks>},
    {Help<CRAMTweaks, &CRAMTweaks::GetHelpCoreSystemPaging>},
    {Help<CRAMTweaks, &CRAMTweaks::GetHelpSystemFileCaching>},
    {Help<CRAMTweaks, &CRAMTweaks::GetHelpBackgroundTasksPriority>,
     "Background Tasks Priority Help", nullptr,
     "Check to give background tasks as much resource as Foreground tasks.\n-- Uncheck to give "
     "full resources to Foreground tasks.",
     "This option is no checked.", "NT/2000/XP", "server"},

    {Help<CBootupTweaks, &CBootupTweaks::GetHelpBootMenu>, "Boot Menu Help", nullptr,
     "Check this option to show the bootup menu.\n-- Uncheck this option to not show the bootup "
     "menu.",
     kNotChecked, kNoNT},
    {Help<CBootupTweaks, &CBootupTweaks::GetHelpStartupImage>, nullptr, nullptr,
     "Check to input a path pointing to the new bitmap file.\n-- Check the option and leave path "
     "blank to restore the default Windows logo.",
     kNotApplicable, kNineXLong, "320 x 400 and 256 colors"},
    {Help<CBootupTweaks, &CBootupTweaks::GetHelpAutoScandisk>, nullptr, nullptr, nullptr,
     kNotChecked, kNineXLong},
    {Help<CBootupTweaks, &CBootupTweaks::GetHelpDrivespace>, nullptr, nullptr, nullptr, kNotChecked,
     kNineXLong},
    {Help<CBootupTweaks, &CBootupTweaks::GetHelpDoublespace>, nullptr, nullptr, nullptr,
     kNotChecked, kNineXLong},
    {Help<CBootupTweaks, &CBootupTweaks::GetHelpDoubleBuffering>, nullptr, nullptr, nullptr,
     kNotChecked, kNineXLong},

    {Help<CShutdownTweaks, &CShutdownTweaks::GetHelpAutoCloseApplication>},
    {Help<CShutdownTweaks, &CShutdownTweaks::GetHelpFastShutdown>, "Fast Shutdown Help", nullptr,
     "Check to use Fast Shutdown.\n-- Uncheck to not use Fast Shutdown.", kNotApplicable, kNoNT},
    {Help<CShutdownTweaks, &CShutdownTweaks::GetHelpShutdownImage>},
    // The turnoff topic alone lists its options before its recommendation.
    {Help<CShutdownTweaks, &CShutdownTweaks::GetHelpTurnoffImage>, "Windows Turnoff Image Help",
     nullptr,
     "Check to input a path pointing to the new bitmap file.\n-- Check the option and leave path "
     "blank to restore the default Turnoff image.",
     kNotApplicable, kNineXLong, "\"It is now safe to turn off your computer\"", true},
};

TEST(HelpText, EveryTopicIsWellFormedAndHoldsItsVerbatimPieces) {
    for (const Topic& topic : kTopics) {
        std::string text;
        ASSERT_EQ(topic.get(text), TRUE);
        SCOPED_TRACE(text);
        const HelpTextParts parts = SplitHelpText(text);
        ASSERT_TRUE(parts.wellFormed);
        EXPECT_EQ(parts.optionsFirst, topic.optionsFirst);
        EXPECT_FALSE(parts.explanation.empty());
        if (topic.title) {
            EXPECT_EQ(parts.title, topic.title);
        }
        if (topic.recommendation) {
            EXPECT_TRUE(EndsWith(parts.recommendation, topic.recommendation));
        }
        if (topic.options) {
            EXPECT_EQ(parts.options, topic.options);
        }
        if (topic.defaultText) {
            EXPECT_EQ(parts.defaultText, topic.defaultText);
        }
        if (topic.worksOn) {
            EXPECT_EQ(parts.worksOn, topic.worksOn);
        }
        if (topic.contains) {
            EXPECT_NE(text.find(topic.contains), std::string::npos);
        }
    }
}

} // namespace
