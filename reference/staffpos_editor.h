#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm27 : public PlaceholderForm {
public:
    TForm27() : PlaceholderForm("TForm27", "Ведение должностей") {}
};

} // namespace velt
