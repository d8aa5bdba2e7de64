#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm39 : public PlaceholderForm {
public:
    TForm39() : PlaceholderForm("TForm39", "Ведение приходных ордеров (39)") {}
};

} // namespace velt
