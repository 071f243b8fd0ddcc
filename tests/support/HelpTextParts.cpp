#include "support/HelpTextParts.h"

HelpTextParts SplitHelpText(const std::string& text) {
    HelpTextParts parts;
    const struct {
        const char* heading;
        std::string* before; // the piece the heading ends
    } headings[] = {{"\n\nExplanation:\n-- ", &parts.title},
                    {"\n\nRecommendation(s):\n-- ", &parts.explanation},
                    {"\n\nAvailable Options:\n-- ", &parts.recommendation},
                    {"\n\nDefault: ", &parts.options},
                    {"\n\nWorks on Windows: ", &parts.defaultText}};
    size_t from = 0;
    for (const auto& entry : headings) {
        const size_t at = text.find(entry.heading, from);
        if (at == std::string::npos)
            return parts;
        *entry.before = text.substr(from, at - from);
        from = at + std::char_traits<char>::length(entry.heading);
    }
    parts.worksOn = text.substr(from);
    parts.wellFormed = !parts.title.empty() && parts.worksOn.find('\n') == std::string::npos;
    return parts;
}
