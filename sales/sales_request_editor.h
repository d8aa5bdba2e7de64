#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm43 : public PlaceholderForm {
public:
    TForm43() : PlaceholderForm("TForm43", "Ведение данных (43)") {}

    // What the contractor and person choosers write into.
    int ContractorId = 0;
    int PersonId = 0;
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");  // "Контрагент:"
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");  // "Исполнитель:"
};

} // namespace velt
