#include "qt/messages.h"

#include <QPushButton>

namespace velt::qt {

namespace {
MessageButton button(ui::Answer a) {
    QMessageBox::ButtonRole role = a == ui::Answer::Yes   ? QMessageBox::YesRole
                                   : a == ui::Answer::No  ? QMessageBox::NoRole
                                   : a == ui::Answer::Ok  ? QMessageBox::AcceptRole
                                                          : QMessageBox::RejectRole;
    return {a, QString::fromUtf8(ui::answerText(a)), role};
}
} // namespace

std::vector<MessageButton> messageButtons(ui::Buttons buttons) {
    using ui::Answer;
    switch (buttons) {
    case ui::Buttons::OkCancel: return {button(Answer::Ok), button(Answer::Cancel)};
    case ui::Buttons::YesNo: return {button(Answer::Yes), button(Answer::No)};
    case ui::Buttons::YesNoCancel: return {button(Answer::Yes), button(Answer::No), button(Answer::Cancel)};
    case ui::Buttons::Ok: break;
    }
    return {button(Answer::Ok)};
}

QMessageBox::Icon messageIcon(ui::Icon icon) {
    switch (icon) {
    case ui::Icon::Stop: return QMessageBox::Critical;
    case ui::Icon::Question: return QMessageBox::Question;
    case ui::Icon::Information: return QMessageBox::Information;
    case ui::Icon::Warning: return QMessageBox::Warning;
    case ui::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

ui::Answer escapeAnswer(ui::Buttons buttons) {
    switch (buttons) {
    case ui::Buttons::OkCancel:
    case ui::Buttons::YesNoCancel: return ui::Answer::Cancel;
    case ui::Buttons::YesNo: return ui::Answer::No;
    case ui::Buttons::Ok: break;
    }
    return ui::Answer::Ok;
}

ui::Answer showMessage(const std::string& text, const std::string& caption, ui::Icon icon, ui::Buttons buttons,
                       QWidget* parent) {
    QMessageBox box(parent);
    box.setIcon(messageIcon(icon));
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    std::vector<std::pair<QAbstractButton*, ui::Answer>> shown;
    ui::Answer onEscape = escapeAnswer(buttons);
    for (const auto& b : messageButtons(buttons)) {
        QPushButton* pb = box.addButton(b.text, b.role);
        shown.emplace_back(pb, b.answer);
        if (shown.size() == 1) box.setDefaultButton(pb);
        if (b.answer == onEscape) box.setEscapeButton(pb);
    }
    box.exec();
    for (auto& [pb, answer] : shown)
        if (box.clickedButton() == pb) return answer;
    return onEscape;
}

} // namespace velt::qt
