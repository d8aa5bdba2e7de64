#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace velt::ui {

enum class Icon { None, Stop, Question, Information, Warning };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
enum class Key { Enter, Escape, Up, Down, Backspace, Delete, Tab, None };
// Keystrokes a box lets through: anything; digits and Backspace; digits, ",", "." and
// Backspace; the same with "." turned into ",".
enum class KeyFilter { Any, Digits, Decimal, DecimalComma };
enum class Align { Left, Center, Right };

// A colour as the window designer writes it: 0x00BBGGRR (blue in the high byte).
using Color = std::uint32_t;
constexpr Color kAttentionColor = 15658751;  // red 255, green 238, blue 238
constexpr Color kGreen = 0x008000;

// Something a person could not have done: a click on a disabled or hidden control, a
// control or form that does not exist, an unanswered question.
class UiError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

const char* iconName(Icon icon);        // "stop", "question", "information", "warning", "none"
const char* answerText(Answer answer);  // "Да", "Нет", "OK", "Отмена"
const char* keyName(Key key);
Key keyFromName(const std::string& name);  // Key::None when unknown

} // namespace velt::ui
