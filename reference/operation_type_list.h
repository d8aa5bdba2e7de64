#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm8 : public PlaceholderForm {
public:
    TForm8() : PlaceholderForm("TForm8", "Операции") {}
};

} // namespace velt
