#pragma once
#include <string>

#include "app/placeholder.h"

namespace velt {

// The shift journal. Its screen is not built yet; the session record and the controls the
// login enables or disables by login name live here already.
class TForm45 : public PlaceholderForm {
public:
    TForm45() : PlaceholderForm("TForm45", "Производство (45)") {}

    // The session, filled by the login.
    std::string LoginName;
    std::string LoginPassword;
    int UserId = 0;
    int PersonId = 0;
    int CurrentShift = 1;

    ui::RadioButton& RadioButton1 = add<ui::RadioButton>("RadioButton1", "Смена №1");
    ui::RadioButton& RadioButton2 = add<ui::RadioButton>("RadioButton2", "Смена №2");
    ui::RadioButton& RadioButton3 = add<ui::RadioButton>("RadioButton3", "Смена №3");
    ui::RadioButton& RadioButton4 = add<ui::RadioButton>("RadioButton4", "Переработка");
    ui::DatePicker& DateT = add<ui::DatePicker>("DateT");
    ui::CheckBox& CBox1 = add<ui::CheckBox>("CBox1", "Выходной");
    ui::Grid& DBGrid2 = add<ui::Grid>("DBGrid2");
    ui::Button& Button1 = add<ui::Button>("Button1", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Изменить");
    ui::Button& Button3 = add<ui::Button>("Button3", "Удалить");
    ui::Button& Button7 = add<ui::Button>("Button7", "Заявки");
    ui::Button& Button8 = add<ui::Button>("Button8", "Обновить");
    ui::Button& Button4 = add<ui::Button>("Button4", "Выход");
};

} // namespace velt
