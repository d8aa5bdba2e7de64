#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm34 : public PlaceholderForm {
public:
    TForm34() : PlaceholderForm("TForm34", "Контрагенты") {}
};

} // namespace velt
