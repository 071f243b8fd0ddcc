#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "support/HelpTextParts.h"
#include "tweaks/HelpText.h"
#include "tweaks/TweakCatalogue.h"

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
const char* const kRemoveOptions = "Check to remove the item from Start Menu.\n-- Uncheck to have "
                                   "the menu item in the Start Menu.";
const char* const kAutoPlayOptions = "Check to use Auto Play.\n-- Uncheck to not use AutoPlay.";

// The help topics of the tweaks (by the name their page shows) with verbatim pieces (nullptr: not
// checked here). `recommendation` is the end of that section, `contains` a phrase anywhere in the
// text. Every other tweak's topic must be well formed too.
struct Topic {
    const char* tweak;
    const char* title = nullptr;
    const char* recommendation = nullptr;
    const char* options = nullptr;
    const char* defaultText = nullptr;
    const char* worksOn = nullptr;
    const char* contains = nullptr;
    bool optionsFirst = false;
};

const Topic kTopics[] = {
    {"Non-Responding Apps. Time Out", "Time out Help", "we recommend 5 seconds for this option.",
     "Check to enter another time.", "20 seconds", kAll},
    {"Constantly Refresh Windows Explorer", "Keep Windows Explorer Refresh Help", nullptr,
     "Check to keep Windows Explorer constantly refresh itself, Uncheck to not refresh Windows "
     "Explorer.",
     "This option is not checked", kAll},
    {"Windows Reg. Name", "Changing Registered Name Help", kNone,
     "Check to change the Registered  Name.", kNotApplicable, kAll},
    {"Windows Reg. Company", "Changing Registered Company Name Help", kNone,
     "Check to change the Registered Company Name.", kNotApplicable, kAll},
    {"\"Favorites\" Location", "Customize Folder Location Help", kNone,
     "Check to enter a directory path where you want the folder to be located. You can click on "
     "the Browse... button to find it also.",
     kNotApplicable, kAll},
    {"\"Open With\" Option on Right Click Menus", "\"Open With\" Help", kNone,
     "Check to use the \"Open With\" right menu option.\n-- Uncheck to not use the \"Open "
     "With\" right menu option.",
     kNotApplicable, kNineX},
    {"Icon Cache Size", "Icon Cache Help",
     " 8192 is typical, use 12288 and 16384 if have more icons.",
     "Check to change the cache size to be used.", kNotApplicable, kNineX},
    {"Start Menu Speed", "Start Menu Speed Help",
     "Small numbers mean faster menu response. We recommend 50 milliseconds ie. 5/100 of a "
     "second response.",
     "Check to change the speed at which the menu shows up.",
     "400 milliseconds ie. 4/10 of a second.", kAll},
    {"Remove 'Run' from Start Menu", "Remove Start Menu item Help", kNone, kRemoveOptions,
     kNotChecked, kNineX},
    {"MTU Values", "MTU Help", kNone, "Check to change the MTU value.", kNotApplicable, kNoNT},
    {"RWIN Values", "RWIN Help", nullptr, nullptr, kNotApplicable, kNoNT},
    {"TTL Values", "TTL Help", nullptr, nullptr, kNotApplicable, kNoNT},
    {"Maximum Download Count", "Max Download Help", " E.g 10.",
     "Check to change how many downloads you can have simultaneously."},
    {"Double DNS Cache Size", "DNS Cache Size Help", nullptr, "Check to double the DNS Cache Size.",
     kNotChecked, kNoNT},
    {"CDROM Cache Size", "CD Speed Help", nullptr,
     "Check to select a more accurate CD speed according to your drive. You can also select to "
     "use a higher cache size.",
     "4x CD speed and default CD Cache Size.", kAll},
    {"Auto Play on Audio CDs", "Auto Play on Audio Disc Help", kNone, kAutoPlayOptions,
     "This option is checked.", kAll},
    {"Auto Play on Data CDs", "Auto Play on Data Disc Help", kNone, kAutoPlayOptions,
     "This option is checked.", kAll},
    {"FIFO Option", "FIFO Help", nullptr, "Check to use FIFO.\n-- Uncheck to not use FIFO.",
     kNotChecked, kNineX},
    {"Use Swap File Wisely", nullptr, nullptr, nullptr, nullptr, nullptr, "more than 128MB of RAM"},
    {"Background Tasks More CPU Time", "Background Tasks Priority Help", nullptr,
     "Check to give background tasks as much resource as Foreground tasks.\n-- Uncheck to give "
     "full resources to Foreground tasks.",
     "This option is no checked.", "NT/2000/XP", "server"},
    {"Boot Menu", "Boot Menu Help", nullptr,
     "Check this option to show the bootup menu.\n-- Uncheck this option to not show the bootup "
     "menu.",
     kNotChecked, kNoNT},
    {"Startup Image", nullptr, nullptr,
     "Check to input a path pointing to the new bitmap file.\n-- Check the option and leave path "
     "blank to restore the default Windows logo.",
     kNotApplicable, kNineXLong, "320 x 400 and 256 colors"},
    {"Auto Run Scandisk at System Startup", nullptr, nullptr, nullptr, kNotChecked, kNineXLong},
    {"Disable Drivespace driver", nullptr, nullptr, nullptr, kNotChecked, kNineXLong},
    {"Disable Doublespace driver", nullptr, nullptr, nullptr, kNotChecked, kNineXLong},
    {"Disable Double Buffering", nullptr, nullptr, nullptr, kNotChecked, kNineXLong},
    {"Fast Shutdown", "Fast Shutdown Help", nullptr,
     "Check to use Fast Shutdown.\n-- Uncheck to not use Fast Shutdown.", kNotApplicable, kNoNT},
    // The turnoff topic alone lists its options before its recommendation.
    {"Turnoff Image", "Windows Turnoff Image Help", nullptr,
     "Check to input a path pointing to the new bitmap file.\n-- Check the option and leave path "
     "blank to restore the default Turnoff image.",
     kNotApplicable, kNineXLong, "\"It is now safe to turn off your computer\"", true},
};

// Every tweak's help topic, each from a fresh object of its module.
TEST(HelpText, EveryTopicIsWellFormedAndHoldsItsVerbatimPieces) {
    size_t topics = 0, known = 0;
    for (int m = 0; m < Modules::kModuleCount; ++m) {
        const TweakCatalogue& catalogue = CatalogueOf(static_cast<Modules::Module>(m));
        for (size_t i = 0; i < catalogue.count; ++i) {
            const TweakEntry& tweak = catalogue.entries[i];
            if (tweak.help == nullptr)
                continue;
            ++topics;
            std::string text;
            ASSERT_EQ(tweak.help(*catalogue.createModule(), text), TRUE) << tweak.name;
            SCOPED_TRACE(text);
            const HelpTextParts parts = SplitHelpText(text);
            ASSERT_TRUE(parts.wellFormed);
            EXPECT_FALSE(parts.explanation.empty());
            Topic topic{tweak.name};
            for (const Topic& listed : kTopics)
                if (std::string(listed.tweak) == tweak.name)
                    topic = listed, ++known;
            EXPECT_EQ(parts.optionsFirst, topic.optionsFirst);
            // A piece not given is not checked: the text is compared with itself.
            const auto given = [](const char* piece, const std::string& actual) {
                return piece != nullptr ? std::string(piece) : actual;
            };
            EXPECT_EQ(parts.title, given(topic.title, parts.title));
            EXPECT_TRUE(EndsWith(parts.recommendation, given(topic.recommendation, "")));
            EXPECT_EQ(parts.options, given(topic.options, parts.options));
            EXPECT_EQ(parts.defaultText, given(topic.defaultText, parts.defaultText));
            EXPECT_EQ(parts.worksOn, given(topic.worksOn, parts.worksOn));
            EXPECT_NE(text.find(given(topic.contains, "")), std::string::npos);
        }
    }
    EXPECT_EQ(known, std::size(kTopics)) << "every listed tweak has its topic";
    EXPECT_GE(topics, 41u);
}

} // namespace
