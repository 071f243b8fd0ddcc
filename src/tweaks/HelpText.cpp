#include "tweaks/HelpText.h"

namespace {

std::string Section(const char* heading, const char* text) {
    return std::string(heading) + text + "\n\n";
}

std::string Assemble(const HelpTopic& topic, bool optionsFirst) {
    const std::string recommendation = Section("Recommendation(s):\n-- ", topic.recommendation);
    const std::string options = Section("Available Options:\n-- ", topic.options);
    return std::string(topic.title) + "\n\n" + Section("Explanation:\n-- ", topic.explanation) +
           (optionsFirst ? options + recommendation : recommendation + options) +
           Section("Default: ", topic.defaultText) + "Works on Windows: " + topic.worksOn;
}

} // namespace

std::string BuildHelpText(const HelpTopic& topic) {
    return Assemble(topic, false);
}

std::string BuildHelpTextOptionsFirst(const HelpTopic& topic) {
    return Assemble(topic, true);
}
