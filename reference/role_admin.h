#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm35 : public PlaceholderForm {
public:
    TForm35() : PlaceholderForm("TForm35", "Роли") {}
};

} // namespace velt
