#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm29 : public PlaceholderForm {
public:
    TForm29() : PlaceholderForm("TForm29", "Номенклатура") {}
};

} // namespace velt
