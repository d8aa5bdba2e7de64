#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm14 : public PlaceholderForm {
public:
    TForm14() : PlaceholderForm("TForm14", "Ведение контрагентов") {}
};

} // namespace velt
