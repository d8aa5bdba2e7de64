#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm303 : public PlaceholderForm {
public:
    TForm303() : PlaceholderForm("TForm303", "ТМЦ (3)") {}
};

} // namespace velt
