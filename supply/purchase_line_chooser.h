#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm65 : public PlaceholderForm {
public:
    TForm65() : PlaceholderForm("TForm65", "Заявки на закупку (65)") {}
};

} // namespace velt
