#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm53 : public PlaceholderForm {
public:
    TForm53() : PlaceholderForm("TForm53", "Приход готовой продукци (53)") {}
};

} // namespace velt
