#pragma once
#include <QMessageBox>
#include <QString>
#include <string>
#include <vector>

#include "ui/types.h"

class QWidget;

namespace velt::qt {

struct MessageButton {
    ui::Answer answer;
    QString text;  // as the windows show it: "Да", "Нет", "OK", "Отмена"
    QMessageBox::ButtonRole role;
};

// The buttons of a message box, left to right; the first is the default.
std::vector<MessageButton> messageButtons(ui::Buttons buttons);
QMessageBox::Icon messageIcon(ui::Icon icon);
// What closing the box without a button (Escape, the close box) answers.
ui::Answer escapeAnswer(ui::Buttons buttons);

// Shows a modal message box and returns the answer.
ui::Answer showMessage(const std::string& text, const std::string& caption, ui::Icon icon, ui::Buttons buttons,
                       QWidget* parent = nullptr);

} // namespace velt::qt
