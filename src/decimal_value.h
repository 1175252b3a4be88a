// Turns the digits of a decimal number, met one at a time, into the correctly rounded double.
// The drawing and console reads feed it while they walk the number grammar, so a number may
// be of any length and may lie across two blocks of input.
#pragma once

#include <cfloat>
#include <cstddef>
#include <cstdint>

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

  /// Whether a number of count digits, fraction_digits of them after the point, is one of
  /// the short forms that short_value converts.
  static constexpr bool is_short(int count, int fraction_digits) {
    return kExactArithmetic && count <= static_cast<int>(kExactDigits) && fraction_digits <= kExactPower;
  }
  /// The value of a short form given as its digits read as one integer: the value that
  /// feeding the digits one by one gives, in one correctly rounded operation.
  static double short_value(std::uint64_t digits, int fraction_digits, bool negative) {
    return scaled(digits, -fraction_digits, negative);
  }

 private:
  void keep(char digit);  // a significant digit within kKeptDigits
  // digits * 10^power, the digits fewer than 10^kExactDigits and the power at most
  // kExactPower either way: one operation on two exact doubles.
  static double scaled(std::uint64_t digits, long long power, bool negative);

  // A double operation rounds once, to double, only when no wider evaluation intervenes.
  static constexpr bool kExactArithmetic = FLT_EVAL_METHOD == 0;

  // The halfway point between two doubles has at most 767 significant digits; keeping 800
  // and remembering whether any later digit was non-zero rounds every input exactly.
  static constexpr std::size_t kKeptDigits = 800;

  // Up to 15 significant digits and a power of ten up to 22 either way, the value is one
  // correctly rounded multiplication or division of two exact doubles; survey coordinates
  // all fit.
  static constexpr std::size_t kExactDigits = 15;
  static constexpr long long kExactPower = 22;

  std::size_t count_ = 0;       // significant digits kept
  std::uint64_t leading_ = 0;   // the first kExactDigits of them, as an integer
  char digits_[kKeptDigits - kExactDigits];  // the others
  bool dropped_nonzero_ = false;
  long long scale_ = 0;  // power of ten that the kept digits, read as an integer, are multiplied by
  long long exponent_ = 0;
};

// Called for every digit of every number read, so defined here to be inlined.

inline void DecimalValue::keep(char digit) {
  if (count_ < kExactDigits) {
    leading_ = leading_ * 10 + static_cast<std::uint64_t>(digit - '0');
  } else {
    digits_[count_ - kExactDigits] = digit;
  }
  ++count_;
}

inline void DecimalValue::add_integer_digit(char digit) {
  if (count_ == 0 && digit == '0') return;
  if (count_ < kKeptDigits) {
    keep(digit);
  } else {
    ++scale_;
    dropped_nonzero_ |= digit != '0';
  }
}

inline void DecimalValue::add_fraction_digit(char digit) {
  if (count_ == 0 && digit == '0') {
    --scale_;
  } else if (count_ < kKeptDigits) {
    keep(digit);
    --scale_;
  } else {
    dropped_nonzero_ |= digit != '0';
  }
}

}  // namespace polydump
