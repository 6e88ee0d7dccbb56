#include "journal/JournalText.h"

namespace tb {

std::string tidyTaskText(std::string_view text)
{
    std::string tidy;
    tidy.reserve(text.size());
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            blank = true;
            continue;
        }
        const bool lineBreak = c == '\r' || c == '\n';
        if (blank && !lineBreak && !tidy.empty() && tidy.back() != '\r' && tidy.back() != '\n')
            tidy += ' ';
        blank = false;
        tidy += c;
    }
    return tidy;
}

} // namespace tb
