#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm68 : public PlaceholderForm {
public:
    TForm68() : PlaceholderForm("TForm68", "Ведение заявки(68)") {}

    // What the contractor and person choosers write into.
    int ContractorId = 0;
    int PersonId = 0;
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");  // "Контрагент:"
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");  // "Исполнитель:"
};

} // namespace velt
