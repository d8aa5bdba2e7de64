#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm4 : public PlaceholderForm {
public:
    TForm4() : PlaceholderForm("TForm4", "Техпроцессы (4)") {}
};

} // namespace velt
