// Turns the digits of a decimal number, met one at a time, into the correctly rounded double.
// The drawing and console reads feed it while they walk the number grammar, so a number may
// be of any length and may lie across two blocks of input.
#pragma once

#include <cstddef>

namespace polydump {

class DecimalValue {
 public:
  /// A digit before the decimal point.
  void add_integer_digit(char digit);
  /// A digit after the decimal point.
  void add_fraction_digit(char digit);
  /// The explicit exponent; callers saturate it, any magnitude past 10^9 means the same.
  void set_exponent(long long exponent) { exponent_ = exponent; }
  /// The value, correctly rounded to nearest, ties to even; beyond the double range it is
  /// an infinity, below it a zero, of the given sign.
  double value(bool negative) const;

 private:
  // The halfway point between two doubles has at most 767 significant digits; keeping 800
  // and remembering whether any later digit was non-zero rounds every input exactly.
  static constexpr std::size_t kKeptDigits = 800;

  char digits_[kKeptDigits];
  std::size_t count_ = 0;
  bool dropped_nonzero_ = false;
  long long scale_ = 0;  // power of ten that the kept digits, read as an integer, are multiplied by
  long long exponent_ = 0;
};

}  // namespace polydump
