#pragma once
#include <QPalette>
#include <string>
#include <vector>

namespace velt::qt {

// The looks this front offers: Qt's classic "Windows" style, "Fusion", and "Onyx Blue",
// the plant's dark-blue palette over Fusion.
std::vector<std::string> styleNames();
// Applies a look to the whole application; false (and nothing changes) for a name it lacks.
bool applyNamedStyle(const std::string& name);
QPalette onyxBluePalette();

} // namespace velt::qt
