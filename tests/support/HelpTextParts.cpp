#include "support/HelpTextParts.h"

namespace {

HelpTextParts Split(const std::string& text, bool optionsFirst) {
    HelpTextParts parts;
    parts.optionsFirst = optionsFirst;
    const char* const kRecommendation = "\n\nRecommendation(s):\n-- ";
    const char* const kOptions = "\n\nAvailable Options:\n-- ";
    const struct {
        const char* heading;
        std::string* before; // the piece the heading ends
    } headings[] = {{"\n\nExplanation:\n-- ", &parts.title},
                    {optionsFirst ? kOptions : kRecommendation, &parts.explanation},
                    {optionsFirst ? kRecommendation : kOptions,
                     optionsFirst ? &parts.options : &parts.recommendation},
                    {"\n\nDefault: ", optionsFirst ? &parts.recommendation : &parts.options},
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

} // namespace

HelpTextParts SplitHelpText(const std::string& text) {
    HelpTextParts parts = Split(text, false);
    return parts.wellFormed ? parts : Split(text, true);
}
