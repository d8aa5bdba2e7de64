#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm11 : public PlaceholderForm {
public:
    TForm11() : PlaceholderForm("TForm11", "Заведение новой позиции (11)") {}
};

} // namespace velt
