#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm51 : public PlaceholderForm {
public:
    TForm51() : PlaceholderForm("TForm51", "Приход ГП (51)") {}
};

} // namespace velt
