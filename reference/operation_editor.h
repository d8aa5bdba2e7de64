#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm10 : public PlaceholderForm {
public:
    TForm10() : PlaceholderForm("TForm10", "Операция (10)") {}
};

} // namespace velt
