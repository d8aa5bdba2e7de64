#include "ui/types.h"

namespace velt::ui {

const char* iconName(Icon icon) {
    switch (icon) {
    case Icon::Stop: return "stop";
    case Icon::Question: return "question";
    case Icon::Information: return "information";
    case Icon::Warning: return "warning";
    case Icon::None: break;
    }
    return "none";
}

const char* answerText(Answer answer) {
    switch (answer) {
    case Answer::Yes: return "Да";
    case Answer::No: return "Нет";
    case Answer::Cancel: return "Отмена";
    case Answer::Ok: break;
    }
    return "OK";
}

const char* keyName(Key key) {
    switch (key) {
    case Key::Enter: return "Enter";
    case Key::Escape: return "Escape";
    case Key::Up: return "Up";
    case Key::Down: return "Down";
    case Key::Backspace: return "Backspace";
    case Key::Delete: return "Delete";
    case Key::Tab: return "Tab";
    case Key::None: break;
    }
    return "None";
}

Key keyFromName(const std::string& name) {
    for (Key k : {Key::Enter, Key::Escape, Key::Up, Key::Down, Key::Backspace, Key::Delete, Key::Tab})
        if (name == keyName(k)) return k;
    return Key::None;
}

} // namespace velt::ui
