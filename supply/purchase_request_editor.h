#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm61 : public PlaceholderForm {
public:
    TForm61() : PlaceholderForm("TForm61", "Ведение данных (61)") {}
};

} // namespace velt
