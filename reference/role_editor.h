#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm58 : public PlaceholderForm {
public:
    TForm58() : PlaceholderForm("TForm58", "Ведение ролей (58)") {}
};

} // namespace velt
