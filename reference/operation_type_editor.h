#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm9 : public PlaceholderForm {
public:
    TForm9() : PlaceholderForm("TForm9", "Ведение оераций") {}
};

} // namespace velt
