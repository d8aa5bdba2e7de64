#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm66 : public PlaceholderForm {
public:
    TForm66() : PlaceholderForm("TForm66", "Ведение цены (66)") {}
};

} // namespace velt
