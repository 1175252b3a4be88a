#include "decimal_value.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace polydump {

void DecimalValue::add_integer_digit(char digit) {
  if (count_ == 0 && digit == '0') return;
  if (count_ < kKeptDigits) {
    digits_[count_++] = digit;
  } else {
    ++scale_;
    dropped_nonzero_ |= digit != '0';
  }
}

void DecimalValue::add_fraction_digit(char digit) {
  if (count_ == 0 && digit == '0') {
    --scale_;
  } else if (count_ < kKeptDigits) {
    digits_[count_++] = digit;
    --scale_;
  } else {
    dropped_nonzero_ |= digit != '0';
  }
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

  // Kept digits, one more digit standing for the dropped non-zero ones, "e", the exponent.
  char text[kKeptDigits + 1 + 8];
  char* end = text;
  for (std::size_t i = 0; i < count_; ++i) *end++ = digits_[i];
  long long text_power = power;
  if (dropped_nonzero_) {
    *end++ = '1';
    --text_power;
  }
  *end++ = 'e';
  end = std::to_chars(end, text + sizeof text, text_power).ptr;

  double result = 0.0;
  const auto [ptr, ec] = std::from_chars(text, end, result);
  (void)ptr;
  if (ec == std::errc::result_out_of_range)
    return magnitude > 0 ? sign * std::numeric_limits<double>::infinity() : std::copysign(0.0, sign);
  return sign * result;
}

}  // namespace polydump
