#include "decimal_value.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace polydump {
namespace {

// Every power of ten up to 10^22 is a double exactly.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

double DecimalValue::scaled(std::uint64_t digits, long long power, bool negative) {
  const double sign = negative ? -1.0 : 1.0;
  const double mantissa = static_cast<double>(digits);
  const double scale = kPowersOfTen[power < 0 ? -power : power];
  return sign * (power < 0 ? mantissa / scale : mantissa * scale);
}

double DecimalValue::value(bool negative) const {
  const double sign = negative ? -1.0 : 1.0;
  if (count_ == 0) return std::copysign(0.0, sign);

  // The value lies in [10^(magnitude-1), 10^magnitude): far outside the double range the
  // answer is known without converting.
  const long long power = scale_ + exponent_;
  const long long magnitude = static_cast<long long>(count_) + power;
  if (magnitude > 400) return sign * std::numeric_limits<double>::infinity();
  if (magnitude < -400) return std::copysign(0.0, sign);
  if (count_ <= kExactDigits && power >= -kExactPower && power <= kExactPower && kExactArithmetic)
    return scaled(leading_, power, negative);

  // Kept digits, one more digit standing for the dropped non-zero ones, "e", the exponent.
  char text[kKeptDigits + 1 + 8];
  char* end = std::to_chars(text, text + kExactDigits, leading_).ptr;
  for (std::size_t i = kExactDigits; i < count_; ++i) *end++ = digits_[i - kExactDigits];
  long long text_power = power;
  if (dropped_nonzero_) {
    *end++ = '1';
    --text_power;
  }
  *end++ = 'e';
  end = std::to_chars(end, text + sizeof text, text_power).ptr;

  double result = 0.0;
  if (std::from_chars(text, end, result).ec == std::errc::result_out_of_range)
    return magnitude > 0 ? sign * std::numeric_limits<double>::infinity() : std::copysign(0.0, sign);
  return sign * result;
}

}  // namespace polydump
