#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm47 : public PlaceholderForm {
public:
    TForm47() : PlaceholderForm("TForm47", "Потребность ТМЦ (47)") {}
};

} // namespace velt
