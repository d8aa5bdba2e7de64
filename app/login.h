#pragma once
#include "ui/form.h"

namespace velt {

// The login window: the program's first window and its main one for the whole run.
class TForm23 : public ui::Form {
public:
    TForm23();

    ui::Label& Label3 = add<ui::Label>("Label3", "");
    ui::Label& Label1 = add<ui::Label>("Label1", "Логин");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Label& Label2 = add<ui::Label>("Label2", "Пароль");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::Label& Label4 = add<ui::Label>("Label4", "Стиль");
    ui::ComboBox& ComboBox1 = add<ui::ComboBox>("ComboBox1");
    ui::Button& Button1 = add<ui::Button>("Button1", "Вход");
    ui::Button& Button2 = add<ui::Button>("Button2", "Отмена");
    ui::Timer& Timer1 = add<ui::Timer>("Timer1", 5500, false);

    void FormCreate();
    void FormActivate() override;
    void ComboBox1Change();
    void Button1Click();

private:
    // Logs in as the trimmed login name and password; false when the server refused.
    bool ConnectAsUser(const std::string& login, const std::string& password);
};

} // namespace velt
