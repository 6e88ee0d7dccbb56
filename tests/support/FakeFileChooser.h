#pragma once

#include "platform/FileChooser.h"

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tb::test {

// Records every dialog it is asked for and answers from `answers`: a path is chosen,
// std::nullopt cancels. With the script used up it cancels.
class FakeFileChooser : public FileChooser
{
public:
    FileChosen choose(const FileChoice &choice) override
    {
        asked.push_back(choice);
        FileChosen chosen;
        chosen.filterIndex = choice.filterIndex;
        if (answers.empty())
            return chosen;
        std::optional<std::string> answer = std::move(answers.front());
        answers.pop_front();
        if (!answer)
            return chosen;
        chosen.accepted = true;
        chosen.path = std::move(*answer);
        if (chosenFilterIndex != 0)
            chosen.filterIndex = chosenFilterIndex;
        return chosen;
    }

    std::vector<FileChoice> asked;
    std::deque<std::optional<std::string>> answers;
    int chosenFilterIndex = 0; // 0: the filter the dialog was opened with
};

} // namespace tb::test
