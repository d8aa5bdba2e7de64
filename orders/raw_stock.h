#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm36 : public PlaceholderForm {
public:
    TForm36() : PlaceholderForm("TForm36", "Склад ТМЦ (36)") {}
};

} // namespace velt
