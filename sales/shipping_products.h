#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm70 : public PlaceholderForm {
public:
    TForm70() : PlaceholderForm("TForm70", "Спецификация (70)") {}
};

} // namespace velt
