#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm2 : public PlaceholderForm {
public:
    TForm2() : PlaceholderForm("TForm2", "Работники") {}
};

} // namespace velt
