#pragma once
// Numbers typed by the user. The German interface writes the decimal comma; the point is
// accepted as well, whatever the process locale says.

#include <string_view>

namespace DecimalText {

// Leading blanks are skipped, the first comma counts as the decimal point, and the number ends
// at the first character that does not fit ("12,5 dB" is 12.5). Text without a number gives
// 0.0; a number beyond the range of double gives plus or minus infinity.
double ToDouble(std::string_view text);

} // namespace DecimalText
