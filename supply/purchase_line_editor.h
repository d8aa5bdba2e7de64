#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it. The item
// chooser (mode 63) already writes its choice here.
class TForm63 : public PlaceholderForm {
public:
    TForm63() : PlaceholderForm("TForm63", "Закупка (63)") {}

    ui::Edit& Edit2 = add<ui::Edit>("Edit2");        // "МТР:", the chosen item's name
    ui::Label& Label2 = add<ui::Label>("Label2", "");  // its unit sign
    int PurchaseItemId = 0;
};

} // namespace velt
