#pragma once

#include <string>

namespace wb {

// Reads a cell text as a number in the user's locale, as parseLocaleDouble
// does, but first tries the plain form that number texts almost always take
// (-digits, the decimal separator and digits, an exponent) without the
// locale machinery, which costs far more than the rest of a cell write.
bool readLocaleNumber(const std::u16string& text, double& value);

} // namespace wb
