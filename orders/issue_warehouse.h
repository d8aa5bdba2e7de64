#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm57 : public PlaceholderForm {
public:
    TForm57() : PlaceholderForm("TForm57", "Выбор склада отгрузки (57)") {}
};

} // namespace velt
