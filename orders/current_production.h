#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm46 : public PlaceholderForm {
public:
    TForm46() : PlaceholderForm("TForm46", "Текущее производство (46)") {}
};

} // namespace velt
