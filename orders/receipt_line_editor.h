#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it. The item
// chooser (mode 4) already writes its choice here.
class TForm40 : public PlaceholderForm {
public:
    TForm40() : PlaceholderForm("TForm40", "Ведение спецификации (40)") {}

    ui::Edit& Edit1 = add<ui::Edit>("Edit1");             // "ТМЦ:", the chosen item's name
    ui::Label& Label_msm = add<ui::Label>("Label_msm", "");  // its unit, beside the quantity
    int ItemId = 0;
    int ItemMsmId = 0;
};

} // namespace velt
