#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it. The item
// chooser (mode 5) already writes its choice here.
class TForm44 : public PlaceholderForm {
public:
    TForm44() : PlaceholderForm("TForm44", "Ведение данных (44)") {}

    ui::Edit& Edit1 = add<ui::Edit>("Edit1");             // "Изделие:", the chosen product's name
    ui::Label& Label_msm = add<ui::Label>("Label_msm", "");  // its unit, beside the quantity
    int ItemId = 0;
    int ItemRal = 0;    // 1 when the product is painted
    int ItemGdsId = 0;  // the material of its technological process
};

} // namespace velt
