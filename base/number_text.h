#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Numbers are read and written exactly as C's atof, atoi and printf do in the "C" locale,
// whatever locale the process runs in: a desktop started in a comma-decimal locale must still
// print 0.5 and read 3.5.
namespace orvo {

// printf("%.<precision>g"), or "%g" when precision is outside 1..16.
std::string FormatG(double value, int precision);

// printf("%.<digits>g") for any digits >= 0 (0 behaves as 1, as printf does).
std::string FormatGDigits(double value, int digits);

// printf("%d").
std::string FormatInt(long long value);

// atof: leading blanks, an optional sign, the longest decimal number; 0 when there is none.
double ParseDouble(std::string_view text);

// atoi: leading blanks, an optional sign, digits; 0 when there are none. Saturates at the
// 32-bit range instead of overflowing.
std::int32_t ParseInt(std::string_view text);

// Truncation towards zero into a 32-bit integer. A not-a-number or a value outside the range
// gives INT32_MIN, what the x86 conversion instruction gives, never undefined behaviour.
std::int32_t TruncToInt32(double value);

}  // namespace orvo
