#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm63 : public PlaceholderForm {
public:
    TForm63() : PlaceholderForm("TForm63", "Закупка (63)") {}
};

} // namespace velt
