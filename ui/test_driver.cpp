#include "ui/test_driver.h"

#include "ui/application.h"
#include "ui/form.h"

namespace velt::ui {

void TestDriver::onShow(const std::string& formName, std::function<void(Form&)> actions) {
    actions_.emplace_back(formName, std::move(actions));
}

const TestDriver::Message& TestDriver::lastMessage() const {
    if (messages.empty()) throw UiError("no message was shown");
    return messages.back();
}

void TestDriver::runModal(Form& form) {
    shownForms.push_back(form.name());
    if (actions_.empty() || actions_.front().first != form.name())
        throw UiError(form.name() + " was shown, but the test expected " +
                      (actions_.empty() ? std::string("no window") : actions_.front().first));
    auto actions = std::move(actions_.front().second);
    actions_.pop_front();
    actions(form);
    if (form.isShowing() && !Application::instance().isTerminated())
        throw UiError(form.name() + " is still open after the test's actions");
}

Answer TestDriver::message(const std::string& text, const std::string& caption, Icon icon, Buttons buttons) {
    Answer a = Answer::Ok;
    if (buttons != Buttons::Ok) {
        if (answers_.empty()) {
            messages.push_back({text, caption, icon, buttons, Answer::Cancel});
            throw UiError("question without an answer: " + caption + ": " + text);
        }
        a = answers_.front();
        answers_.pop_front();
    }
    messages.push_back({text, caption, icon, buttons, a});
    return a;
}

void TestDriver::setBusy(bool b) {
    if (b != busy) ++busyChanges;
    busy = b;
}

} // namespace velt::ui
