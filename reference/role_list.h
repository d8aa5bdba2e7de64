#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm32 : public PlaceholderForm {
public:
    TForm32() : PlaceholderForm("TForm32", "Роли") {}
};

} // namespace velt
