#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm59 : public PlaceholderForm {
public:
    TForm59() : PlaceholderForm("TForm59", "Потребность ТМЦ (59)") {}
};

} // namespace velt
