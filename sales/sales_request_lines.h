#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm42 : public PlaceholderForm {
public:
    TForm42() : PlaceholderForm("TForm42", "Ведение данных (42)") {}
};

} // namespace velt
