#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm67 : public PlaceholderForm {
public:
    TForm67() : PlaceholderForm("TForm67", "Заявки на отгрузку (67)") {}
};

} // namespace velt
