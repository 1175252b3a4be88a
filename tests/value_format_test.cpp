// Values as the point-list file writes them: "%.6f" exactly, with the sign and the infinity
// and not-a-number words of the file format.
#include "value_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::string formatted(double value) {
  char out[polydump::kMaxValueChars];
  return std::string(out, polydump::format_value(value, out));
}

TEST(ValueFormat, Texts) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.5, "0.500000"},
      {-12.25, "-12.250000"},
      {987.125, "987.125000"},
      {0.0078125, "0.007812"},  // halfway: to the even digit
      {0.0234375, "0.023438"},  // halfway: to the even digit, upwards
      {-0.0, "0.000000"},
      {-0.0000004, "0.000000"},
      {-0.0000005, "0.000000"},  // the nearest double lies just below the half
      {-0.0000006, "-0.000001"},
      {6203410.5, "6203410.500000"},
      {4.0078125, "4.007812"},   // halfway, to the even digit, as the integer arithmetic writes it
      {-5.0234375, "-5.023438"},
      {402150.99999975, "402151.000000"},  // the decimals carry into the whole part
      {1e22, "10000000000000000000000.000000"},
      {inf, "+INF"},
      {-inf, "-INF"},
      {nan, "+NAN"},
      {-nan, "-NAN"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatted(c.value), c.text) << c.text;
}

TEST(ValueFormat, LargestValueFits) {
  const std::string text = formatted(-std::numeric_limits<double>::max());
  EXPECT_EQ(text.size(), static_cast<std::size_t>(polydump::kMaxValueChars));
  EXPECT_EQ(text.substr(0, 5), "-1797");
}

TEST(ValueFormat, AgreesWithPrintf) {
  // Every magnitude from 1e-9 to 1e300, random bit patterns, and values of survey size with
  // few bits below the point, among which lie the halfway cases.
  std::mt19937_64 random(11);
  for (int i = 0; i < 30000; ++i) {
    double value;
    if (i % 3 == 2) {
      value = std::ldexp(static_cast<double>(random() >> (11 + random() % 40)), -static_cast<int>(random() % 24));
      if (random() % 2) value = -value;
    } else if (i % 3 == 1) {
      const std::uint64_t bits = random();
      std::memcpy(&value, &bits, sizeof value);
      if (!std::isfinite(value)) continue;
    } else {
      value = std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 1050) - 83);
      if (random() % 2) value = -value;
    }
    char expected[400];
    std::snprintf(expected, sizeof expected, "%.6f", value);
    std::string text = expected;
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);
    ASSERT_EQ(formatted(value), text) << std::hexfloat << value;
  }
}

}  // namespace
