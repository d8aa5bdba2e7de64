#pragma once
#include <string>

namespace velt {

// The per-user file naming the chosen look: t_style.txt in the configuration folder
// ($XDG_CONFIG_HOME/velt-erp, default ~/.config/velt-erp).
std::string styleFilePath();
// Reads the style to apply at start, creating or completing the file with "Windows"
// when it is missing, empty or starts with an empty line.
std::string loadStartStyle();
// The start of the program: the stored style (or "Windows") applied.
void applyStartStyle();
// Writes the name as the file's only line.
void saveStyle(const std::string& name);

} // namespace velt
