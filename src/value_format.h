// Writes a double as the point-list file shows it: fixed point with exactly 6 decimals, as
// "%.6f" prints it. Used by the record writer.
#pragma once

namespace polydump {

// The largest double has 309 integer digits; with a sign, the point and 6 decimals that
// makes 317 characters.
inline constexpr int kMaxValueChars = 317;

/// Writes value at out (which has room for kMaxValueChars) and returns the end. The result is
/// correctly rounded, ties to even, every digit exact; "-" only when a printed digit is not
/// zero; an infinity is "+INF" or "-INF" and a not-a-number "+NAN" or "-NAN" after its sign bit.
char* format_value(double value, char* out);

}  // namespace polydump
