#pragma once

#include <string>

// The recommendation of every tweak that has none.
constexpr const char* kNoRecommendation = "No Recommendations are available.";

// One help topic of a tweak. Every piece is the bare text: the assembly adds the headings.
struct HelpTopic {
    const char* title;          // "Time out Help"
    const char* explanation;    // after "Explanation:\n-- "
    const char* recommendation; // after "Recommendation(s):\n-- "
    const char* options;        // after "Available Options:\n-- " (further lines start "\n-- ")
    const char* defaultText;    // after "Default: "
    const char* worksOn;        // after "Works on Windows: "
};

// Title, explanation, recommendation, available options, default and works-on line, each but
// the last followed by a blank line.
std::string BuildHelpText(const HelpTopic& topic);
// The same with the available options before the recommendation.
std::string BuildHelpTextOptionsFirst(const HelpTopic& topic);
