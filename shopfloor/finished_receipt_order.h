#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm54 : public PlaceholderForm {
public:
    TForm54() : PlaceholderForm("TForm54", "Приход (54)") {}
};

} // namespace velt
