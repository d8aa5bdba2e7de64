#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm40 : public PlaceholderForm {
public:
    TForm40() : PlaceholderForm("TForm40", "Ведение спецификации (40)") {}
};

} // namespace velt
