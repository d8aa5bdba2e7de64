#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm26 : public PlaceholderForm {
public:
    TForm26() : PlaceholderForm("TForm26", "Должности") {}
};

} // namespace velt
