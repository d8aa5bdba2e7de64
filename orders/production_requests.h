#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm55 : public PlaceholderForm {
public:
    TForm55() : PlaceholderForm("TForm55", "Заявки в производство (55)") {}
};

} // namespace velt
