#pragma once
// The one Messages port of the tests: answers on the player's behalf and
// remembers what was said, in order and by kind.

#include "situation/Ports.h"

#include <deque>
#include <string>
#include <vector>

namespace tumbla::test {

class RecordingMessages : public Messages {
  public:
    std::vector<std::string> said; // every text shown or asked, oldest first
    std::vector<std::string> errors, warnings, informations, plains, questions;
    std::vector<std::string> errorsAsked; // error boxes with OK and Cancel
    // The next answers to questions and error boxes alike; when none is
    // left, `fallback` answers a question and Cancel an error box.
    std::deque<Answer> answers;
    Answer fallback = Answer::No;

    void showPlain(std::string_view t) override { plains.emplace_back(keep(t)); }
    void showError(std::string_view t) override { errors.emplace_back(keep(t)); }
    void showWarning(std::string_view t) override { warnings.emplace_back(keep(t)); }
    void showInformation(std::string_view t) override { informations.emplace_back(keep(t)); }
    Answer askConfirmation(std::string_view t, bool) override {
        questions.emplace_back(keep(t));
        return next(fallback);
    }
    Answer askError(std::string_view t) override {
        errorsAsked.emplace_back(keep(t));
        return next(Answer::Cancel);
    }

  private:
    std::string_view keep(std::string_view t) {
        said.emplace_back(t);
        return t;
    }
    Answer next(Answer otherwise) {
        if (answers.empty()) return otherwise;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

// The player who says Yes unless told otherwise.
struct FakeMessages : RecordingMessages {
    FakeMessages() { fallback = Answer::Yes; }
};

} // namespace tumbla::test
