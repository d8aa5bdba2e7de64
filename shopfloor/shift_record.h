#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm11 : public PlaceholderForm {
public:
    TForm11() : PlaceholderForm("TForm11", "Заведение новой позиции (11)") {}

    // What the worker chooser of the person list writes into.
    int WorkerId = 0;
    int SavedWorkerId = 0;
    int TeamMemberId = 0;
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");  // "ФИО"
};

} // namespace velt
