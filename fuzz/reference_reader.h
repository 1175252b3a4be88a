// The formatted reads written a second time, as plainly as the grammar in text_input.h reads:
// one string and an index into it, no blocks, no giving back. The formatted-reads fuzzer
// checks the program's reader against it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "text_input.h"

namespace reference {

// The text stream as the program sees it: CR bytes dropped, the first Ctrl-Z ending it.
inline std::string text_stream(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    if (c == '\x1A') break;
    if (c != '\r') text += c;
  }
  return text;
}

inline bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\0'; }
inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The grammar read straight off a string, one index into it.
class Reader {
 public:
  explicit Reader(std::string text) : text_(std::move(text)) {}

  polydump::TokenRead read_token(char* dest, std::size_t capacity) {
    skip_space();
    if (pos_ == text_.size()) return {false, 0};
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !is_space(text_[pos_])) ++pos_;
    const std::size_t length = pos_ - start;
    const std::size_t kept = std::min(length, capacity - 1);
    std::memcpy(dest, text_.data() + start, kept);
    dest[kept] = '\0';
    return {true, length};
  }

  polydump::IntRead read_int() {
    skip_space();
    const bool negative = take('-');
    if (!negative) take('+');
    if (!digit_next()) return {false, false, 0};
    long long magnitude = 0;
    while (digit_next()) magnitude = std::min(magnitude * 10 + (text_[pos_++] - '0'), 1LL << 40);
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return {true, false, 0};
    return {true, true, static_cast<int>(value)};
  }

  polydump::DoubleRead read_double() {
    skip_space();
    const std::size_t start = pos_;
    const bool negative = take('-');
    const bool sign = negative || take('+');
    if (sign && (next_is("INF") || next_is("NAN"))) {
      const bool inf = text_[pos_] == 'I';
      pos_ += 3;
      const double magnitude = inf ? HUGE_VAL : std::nan("");
      return {true, negative ? -magnitude : magnitude};
    }
    bool digits = false;
    while (digit_next()) ++pos_, digits = true;
    if (take('.'))
      while (digit_next()) ++pos_, digits = true;
    if (!digits) return {false, 0.0};
    const std::size_t mantissa_end = pos_;
    if (take('e') || take('E')) {
      if (!take('+')) take('-');
      if (!digit_next()) pos_ = mantissa_end;
      while (digit_next()) ++pos_;
    }
    return {true, std::strtod(text_.substr(start, pos_ - start).c_str(), nullptr)};
  }

  bool discard_line() {
    while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    if (pos_ == text_.size()) return false;
    ++pos_;
    return true;
  }

  bool at_end() {
    skip_space();
    return pos_ == text_.size();
  }

  std::size_t position() const { return pos_; }

 private:
  void skip_space() {
    while (pos_ < text_.size() && is_space(text_[pos_])) ++pos_;
  }
  bool digit_next() const { return pos_ < text_.size() && is_digit(text_[pos_]); }
  bool next_is(const char* word) const { return text_.compare(pos_, 3, word) == 0; }
  bool take(char c) {
    if (pos_ == text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  std::string text_;
  std::size_t pos_ = 0;
};

}  // namespace reference
