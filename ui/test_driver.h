#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/driver.h"

namespace velt::ui {

// The driver the unit tests feed from code: what a person does in each modal form, in
// the order the forms appear, and the answers to the questions asked.
class TestDriver : public Driver {
public:
    struct Message {
        std::string text, caption;
        Icon icon;
        Buttons buttons;
        Answer answer;
    };

    // The next time `formName` is shown modally, `actions` runs; the form must be closed
    // when they end.
    void onShow(const std::string& formName, std::function<void(Form&)> actions);
    // Answers the next question (a message with more than an OK button).
    void answer(Answer a) { answers_.push_back(a); }

    std::vector<Message> messages;
    std::vector<std::string> shownForms;  // every modal showing, in order
    bool busy = false;
    int busyChanges = 0;
    bool terminated = false;
    std::vector<std::string> appliedStyles;

    // The last message, or a failure when none was shown.
    const Message& lastMessage() const;
    bool pendingActions() const { return !actions_.empty(); }

    void runModal(Form& form) override;
    Answer message(const std::string& text, const std::string& caption, Icon icon, Buttons buttons) override;
    void setBusy(bool b) override;
    void terminate() override { terminated = true; }
    void applyStyle(const std::string& name) override { appliedStyles.push_back(name); }

private:
    std::deque<std::pair<std::string, std::function<void(Form&)>>> actions_;
    std::deque<Answer> answers_;
};

} // namespace velt::ui
