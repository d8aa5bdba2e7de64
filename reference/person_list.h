#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm5 : public PlaceholderForm {
public:
    TForm5() : PlaceholderForm("TForm5", "Список рабочих (5)") {}
};

} // namespace velt
