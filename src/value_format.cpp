#include "value_format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace polydump {
namespace {

// 10^6 = 2^6 * 15625: the six decimals of a fraction of n bits are fraction * 15625 / 2^(n-6).
constexpr int kDecimalsAsBits = 6;
constexpr std::uint64_t kDecimalsOddPart = 15625;
constexpr std::uint64_t kMillion = 1'000'000;

// A magnitude in [4, 2^53) has at most 50 bits below its point, and 50 bits times 15625
// fit in 64: such values, which are all that survey drawings hold, are written from exact
// integer arithmetic. The others go through the general conversion.
constexpr double kIntegerLow = 4.0;
constexpr double kIntegerHigh = 9007199254740992.0;  // 2^53

// Writes a magnitude in [kIntegerLow, kIntegerHigh) with its decimals rounded to nearest,
// ties to even.
char* format_by_integers(double magnitude, bool negative, char* out) {
  constexpr int kFractionBits = 52;  // stored bits of a double's significand
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const std::uint64_t significand = (bits & ((std::uint64_t{1} << kFractionBits) - 1)) | (std::uint64_t{1} << kFractionBits);
  // The magnitude is significand / 2^below_point, with 0 <= below_point <= 50 in this range.
  const int below_point = 1075 - static_cast<int>(bits >> kFractionBits);
  std::uint64_t whole = significand >> below_point;
  const std::uint64_t fraction = significand & ((std::uint64_t{1} << below_point) - 1);

  const std::uint64_t scaled = fraction * kDecimalsOddPart;
  std::uint64_t decimals;
  if (below_point <= kDecimalsAsBits) {
    decimals = scaled << (kDecimalsAsBits - below_point);
  } else {
    const int shift = below_point - kDecimalsAsBits;
    decimals = scaled >> shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && decimals % 2 == 1)) ++decimals;
  }
  if (decimals == kMillion) {
    ++whole;
    decimals = 0;
  }

  if (negative) *out++ = '-';  // the whole part is at least 4, so a digit is non-zero
  out = std::to_chars(out, out + 20, whole).ptr;
  *out++ = '.';
  for (int i = 5; i >= 0; --i, decimals /= 10) out[i] = static_cast<char>('0' + decimals % 10);
  return out + 6;
}

}  // namespace

char* format_value(double value, char* out) {
  if (!std::isfinite(value)) {
    const char* word = std::isinf(value) ? "INF" : "NAN";
    *out++ = std::signbit(value) ? '-' : '+';
    std::memcpy(out, word, 3);
    return out + 3;
  }
  const double magnitude = std::fabs(value);
  if (magnitude >= kIntegerLow && magnitude < kIntegerHigh) return format_by_integers(magnitude, value < 0, out);
  char* end = std::to_chars(out, out + kMaxValueChars, value, std::chars_format::fixed, 6).ptr;
  // A negative value that rounds to zero shows no sign.
  if (*out == '-' && std::all_of(out + 1, end, [](char c) { return c == '0' || c == '.'; })) {
    std::memmove(out, out + 1, static_cast<std::size_t>(end - out - 1));
    --end;
  }
  return end;
}

}  // namespace polydump
