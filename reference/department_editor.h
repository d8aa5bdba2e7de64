#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm31 : public PlaceholderForm {
public:
    TForm31() : PlaceholderForm("TForm31", "Ведение подразделений (31)") {}
};

} // namespace velt
