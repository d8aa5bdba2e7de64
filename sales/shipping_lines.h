#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm69 : public PlaceholderForm {
public:
    TForm69() : PlaceholderForm("TForm69", "Спецификация (69)") {}
};

} // namespace velt
