#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm68 : public PlaceholderForm {
public:
    TForm68() : PlaceholderForm("TForm68", "Ведение заявки(68)") {}
};

} // namespace velt
