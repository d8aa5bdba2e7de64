#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm38 : public PlaceholderForm {
public:
    TForm38() : PlaceholderForm("TForm38", "Ведение спецификаций (38)") {}
};

} // namespace velt
