#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm60 : public PlaceholderForm {
public:
    TForm60() : PlaceholderForm("TForm60", "Завки на закупку (60)") {}
};

} // namespace velt
