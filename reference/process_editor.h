#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm33 : public PlaceholderForm {
public:
    TForm33() : PlaceholderForm("TForm33", "Список операций (33)") {}
};

} // namespace velt
