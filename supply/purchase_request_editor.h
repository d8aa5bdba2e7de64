#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm61 : public PlaceholderForm {
public:
    TForm61() : PlaceholderForm("TForm61", "Ведение данных (61)") {}

    // What the contractor and person choosers write into.
    int ExecutorId = 0;
    int ContractorId = 0;
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");  // "Контрагент:"
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");  // "Исполнитель:"
};

} // namespace velt
