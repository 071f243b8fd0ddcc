#include <gtest/gtest.h>

#include "tweaks/CSystemTweaks.h"
#include "tweaks/HelpText.h"

namespace {

const HelpTopic kTopic = {"Title Help", "Why.",    "Do this.", "Check it.\n-- Or not.",
                          "Off.",       "95/98/ME"};

TEST(HelpText, SectionsFollowTheTitleInTheirOrder) {
    EXPECT_EQ(BuildHelpText(kTopic), "Title Help\n\n"
                                     "Explanation:\n-- Why.\n\n"
                                     "Recommendation(s):\n-- Do this.\n\n"
                                     "Available Options:\n-- Check it.\n-- Or not.\n\n"
                                     "Default: Off.\n\n"
                                     "Works on Windows: 95/98/ME");
}

TEST(HelpText, TheOptionsFirstFormSwapsOnlyRecommendationAndOptions) {
    EXPECT_EQ(BuildHelpTextOptionsFirst(kTopic), "Title Help\n\n"
                                                 "Explanation:\n-- Why.\n\n"
                                                 "Available Options:\n-- Check it.\n-- Or not.\n\n"
                                                 "Recommendation(s):\n-- Do this.\n\n"
                                                 "Default: Off.\n\n"
                                                 "Works on Windows: 95/98/ME");
}

// Everything of a topic but the explanation, which is prose of its own.
void ExpectTopic(const std::string& text, const std::string& title,
                 const std::string& recommendationEnd, const std::string& options,
                 const std::string& defaultLine) {
    EXPECT_EQ(text.rfind(title + "\n\nExplanation:\n-- ", 0), 0u) << text;
    const size_t recommendation = text.find("\n\nRecommendation(s):\n-- ");
    const size_t available = text.find("\n\nAvailable Options:\n-- " + options + "\n\n");
    ASSERT_NE(recommendation, std::string::npos) << text;
    ASSERT_NE(available, std::string::npos) << text;
    EXPECT_LT(recommendation, available);
    EXPECT_EQ(text.substr(available - recommendationEnd.size(), recommendationEnd.size()),
              recommendationEnd);
    const std::string tail =
        "Default: " + defaultLine + "\n\nWorks on Windows: 95/98/ME/NT/2000/XP";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(HelpText, SystemTopics) {
    CSystemTweaks module;
    std::string text;
    EXPECT_TRUE(module.GetHelpTimeout(text));
    ExpectTopic(text, "Time out Help", "we recommend 5 seconds for this option.",
                "Check to enter another time.", "20 seconds");
    EXPECT_TRUE(module.GetHelpExplorerRefresh(text));
    ExpectTopic(text, "Keep Windows Explorer Refresh Help", "",
                "Check to keep Windows Explorer constantly refresh itself, Uncheck to not "
                "refresh Windows Explorer.",
                "This option is not checked");
    EXPECT_TRUE(module.GetHelpRegisteredName(text));
    ExpectTopic(text, "Changing Registered Name Help", "No Recommendations are available.",
                "Check to change the Registered  Name.", "Not Applicable.");
    EXPECT_TRUE(module.GetHelpRegisteredCompany(text));
    ExpectTopic(text, "Changing Registered Company Name Help", "No Recommendations are available.",
                "Check to change the Registered Company Name.", "Not Applicable.");
    EXPECT_TRUE(module.GetHelpFolderLocation(text));
    ExpectTopic(text, "Customize Folder Location Help", "No Recommendations are available.",
                "Check to enter a directory path where you want the folder to be located. You can "
                "click on the Browse... button to find it also.",
                "Not Applicable.");
}

} // namespace
