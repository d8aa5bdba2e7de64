#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm37 : public PlaceholderForm {
public:
    TForm37() : PlaceholderForm("TForm37", "Приходные ордера (37)") {}
};

} // namespace velt
