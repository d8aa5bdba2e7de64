#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm43 : public PlaceholderForm {
public:
    TForm43() : PlaceholderForm("TForm43", "Ведение данных (43)") {}
};

} // namespace velt
