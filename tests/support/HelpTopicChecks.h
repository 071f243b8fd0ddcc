#pragma once

#include <string>

// Checks a help text whole but for the explanation, which is prose of its own: it must start with
// `title`, "\n\n" and "Explanation:\n-- ", hold one paragraph of explanation, and end with
// exactly `afterExplanation` (which starts with the blank line after the explanation).
void ExpectHelpTopic(const std::string& text, const std::string& title,
                     const std::string& afterExplanation);
