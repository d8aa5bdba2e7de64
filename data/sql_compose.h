#pragma once
#include <string>
#include <string_view>

#include "data/values.h"

namespace velt {

// A text between single quotes with embedded quotes doubled, so whatever was typed is
// stored as typed and never changes the statement around it.
std::string SqlText(std::string_view text);

// A whole number as decimal text; a negative one in parentheses, so that "reserve-" and
// "-5" can never meet as a comment.
std::string SqlInt(long long value);

// The separator step alone: an empty text gives "0"; otherwise the first "," (or, when
// there is none, the first ".") becomes `separator`; nothing else is looked at.
std::string ReplaceDecimalSeparator(std::string_view text, std::string_view separator);

// The decimal-separator rule: an empty text gives "0"; otherwise the first "," (or, when
// there is none, the first ".") becomes `separator`. The result must then read as a number,
// else ConversionError is raised and nothing is sent. A negative number comes back in
// parentheses for the same reason as SqlInt.
std::string NormalizeDecimal(std::string_view text, std::string_view separator);

// A date as the windows write it: 'dd.mm.yyyy'.
std::string SqlDate(const DateTime& date);

} // namespace velt
