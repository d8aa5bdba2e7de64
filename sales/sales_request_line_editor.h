#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm44 : public PlaceholderForm {
public:
    TForm44() : PlaceholderForm("TForm44", "Ведение данных (44)") {}
};

} // namespace velt
