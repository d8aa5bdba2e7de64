#pragma once
#include "ui/form.h"

namespace velt {

// A window whose screen is not built yet: it exists with its name and caption, and the
// main menu leaves its command disabled.
class PlaceholderForm : public ui::Form {
public:
    using Form::Form;
};

inline bool isBuilt(const ui::Form& form) { return dynamic_cast<const PlaceholderForm*>(&form) == nullptr; }

} // namespace velt
