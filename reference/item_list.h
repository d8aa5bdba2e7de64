#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm3 : public PlaceholderForm {
public:
    TForm3() : PlaceholderForm("TForm3", "ТМЦ (3)") {}
};

} // namespace velt
