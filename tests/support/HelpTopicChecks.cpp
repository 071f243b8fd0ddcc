#include "support/HelpTopicChecks.h"

#include <gtest/gtest.h>

void ExpectHelpTopic(const std::string& text, const std::string& title,
                     const std::string& afterExplanation) {
    const std::string start = title + "\n\nExplanation:\n-- ";
    ASSERT_GT(text.size(), start.size() + afterExplanation.size()) << text;
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_EQ(text.substr(text.size() - afterExplanation.size()), afterExplanation);
    EXPECT_EQ(text.find("\n\n", start.size()), text.size() - afterExplanation.size()) << text;
}
