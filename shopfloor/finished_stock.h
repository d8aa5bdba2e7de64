#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm50 : public PlaceholderForm {
public:
    TForm50() : PlaceholderForm("TForm50", "Склад ГП (50)") {}
};

} // namespace velt
