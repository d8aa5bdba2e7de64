#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm62 : public PlaceholderForm {
public:
    TForm62() : PlaceholderForm("TForm62", "Заявка на закупку (62)") {}
};

} // namespace velt
