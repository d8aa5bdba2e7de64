#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm30 : public PlaceholderForm {
public:
    TForm30() : PlaceholderForm("TForm30", "Подразделения (30)") {}
};

} // namespace velt
