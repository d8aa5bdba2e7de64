#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm48 : public PlaceholderForm {
public:
    TForm48() : PlaceholderForm("TForm48", "Резерв ТМЦ (48)") {}
};

} // namespace velt
