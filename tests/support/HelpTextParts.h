#pragma once

#include <string>

// The pieces of a help text, split at its headings. `wellFormed` is true only when the text is
// the title followed by the five headed sections, each but the last followed by a blank line, in
// the usual order or, with `optionsFirst`, with the options before the recommendation.
struct HelpTextParts {
    bool wellFormed = false;
    bool optionsFirst = false;
    std::string title;
    std::string explanation;
    std::string recommendation;
    std::string options;
    std::string defaultText;
    std::string worksOn;
};

HelpTextParts SplitHelpText(const std::string& text);
