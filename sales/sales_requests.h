#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm41 : public PlaceholderForm {
public:
    TForm41() : PlaceholderForm("TForm41", "Заявки в производство (41)") {}
};

} // namespace velt
