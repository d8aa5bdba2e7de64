#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm28 : public PlaceholderForm {
public:
    TForm28() : PlaceholderForm("TForm28", "Номенклатура") {}
};

} // namespace velt
