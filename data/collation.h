#pragma once
#include <string>
#include <string_view>

namespace velt {

// Sort and match key for Russian text: case folded (Latin and Cyrillic), ё read as е,
// blanks and punctuation before digits, digits before Latin, Latin before Cyrillic.
// Comparing two keys bytewise gives the order the lists show.
std::string collationKey(std::string_view utf8);
void appendCollationKey(std::string_view utf8, std::string& out);

// Case-insensitive comparison in that order (ties broken by the raw bytes).
int collate(std::string_view a, std::string_view b);

} // namespace velt
