#pragma once
#include "app/placeholder.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm71 : public PlaceholderForm {
public:
    TForm71() : PlaceholderForm("TForm71", "Ввод количества (71)") {}
};

} // namespace velt
