#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm7 : public PlaceholderForm {
public:
    TForm7() : PlaceholderForm("TForm7", "Ведение (7)") {}
};

} // namespace velt
