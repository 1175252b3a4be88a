#include "text_input.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "decimal_value.h"
#include "system_file.h"

namespace polydump {
namespace {

constexpr int kEndOfText = 0x1A;  // Ctrl-Z

constexpr bool is_space(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\0';
}

constexpr bool is_digit(int c) { return c >= '0' && c <= '9'; }

// Exponents are kept below this bound; any larger one gives the same infinity or zero.
constexpr long long kExponentLimit = 1'000'000'000;

}  // namespace

bool TextInput::open(const char* path, std::size_t block_size) {
  const int fd = open_for_reading(path);
  if (fd < 0) return false;
  attach(fd, block_size);
  owns_fd_ = true;
  return true;
}

void TextInput::attach(int fd, std::size_t block_size) {
  use_binary_mode(fd);
  fd_ = fd;
  owns_fd_ = false;
  source_done_ = false;
  error_ = 0;
  block_size_ = block_size;
  buffer_.assign(block_size, '\0');
  pos_ = end_ = pending_ = 0;
}

void TextInput::close() {
  if (owns_fd_) close_file(fd_);
  fd_ = -1;
  owns_fd_ = false;
  buffer_.clear();
  buffer_.shrink_to_fit();
}

bool TextInput::fill() {
  if (source_done_) return false;
  const long n = read_some(fd_, buffer_.data(), block_size_);
  if (n <= 0) {
    if (n < 0) error_ = errno;
    source_done_ = true;
    return false;
  }
  pos_ = 0;
  end_ = static_cast<std::size_t>(n);
  if (const void* stop = std::memchr(buffer_.data(), kEndOfText, end_)) {
    end_ = static_cast<std::size_t>(static_cast<const char*>(stop) - buffer_.data());
    source_done_ = true;
  }
  return end_ > 0;
}

int TextInput::peek() {
  if (pending_) return static_cast<unsigned char>(pushed_[pending_ - 1]);
  for (;;) {
    while (pos_ < end_) {
      const char c = buffer_[pos_];
      if (c != '\r') return static_cast<unsigned char>(c);
      ++pos_;
    }
    if (!fill()) return -1;
  }
}

void TextInput::push_back(const char* bytes, std::size_t count) {
  while (count) pushed_[pending_++] = bytes[--count];
}

void TextInput::skip_space() {
  while (is_space(peek())) advance();
}

bool TextInput::at_end() {
  skip_space();
  return peek() < 0;
}

void TextInput::discard_line() {
  for (int c = peek(); c >= 0; c = peek()) {
    advance();
    if (c == '\n') return;
  }
}

TokenRead TextInput::read_token(char* dest, std::size_t capacity) {
  skip_space();
  if (peek() < 0) return {false, 0};
  const std::size_t room = capacity - 1;
  std::size_t length = 0;
  for (int c = peek(); c >= 0 && !is_space(c); c = peek()) {
    if (pending_) {
      if (length < room) dest[length] = static_cast<char>(c);
      ++length;
      advance();
      continue;
    }
    // The rest of the token within this block, up to a space or a carriage return.
    std::size_t run = pos_;
    while (run < end_ && !is_space(buffer_[run]) && buffer_[run] != '\r') ++run;
    if (length < room) std::memcpy(dest + length, &buffer_[pos_], std::min(run - pos_, room - length));
    length += run - pos_;
    pos_ = run;
  }
  dest[std::min(length, room)] = '\0';
  return {true, length};
}

IntRead TextInput::read_int() {
  skip_space();
  bool negative = false;
  if (peek() == '+' || peek() == '-') {
    negative = peek() == '-';
    advance();
  }
  if (!is_digit(peek())) return {false, false, 0};
  // The magnitude stops growing once it is past the least int, so that any longer number,
  // of either sign, stays out of range.
  constexpr long long kBeyondInt = -static_cast<long long>(INT_MIN) + 1;
  long long magnitude = 0;
  for (int c = peek(); is_digit(c); c = peek()) {
    magnitude = std::min(magnitude * 10 + (c - '0'), kBeyondInt);
    advance();
  }
  const long long value = negative ? -magnitude : magnitude;
  if (value < INT_MIN || value > INT_MAX) return {true, false, 0};
  return {true, true, static_cast<int>(value)};
}

bool TextInput::take_word(const char* rest) {
  std::size_t taken = 0;
  for (; rest[taken]; ++taken) {
    if (peek() != rest[taken]) {
      push_back(rest, taken);
      return false;
    }
    advance();
  }
  return true;
}

DoubleRead TextInput::read_double() {
  skip_space();
  bool negative = false;
  if (peek() == '+' || peek() == '-') {
    negative = peek() == '-';
    advance();
    const double sign = negative ? -1.0 : 1.0;
    if (peek() == 'I') return {take_word("INF"), std::copysign(std::numeric_limits<double>::infinity(), sign)};
    if (peek() == 'N') return {take_word("NAN"), std::copysign(std::numeric_limits<double>::quiet_NaN(), sign)};
  }

  DecimalValue number;
  bool digits = false;
  for (int c = peek(); is_digit(c); c = peek()) {
    number.add_integer_digit(static_cast<char>(c));
    digits = true;
    advance();
  }
  if (peek() == '.') {
    advance();
    for (int c = peek(); is_digit(c); c = peek()) {
      number.add_fraction_digit(static_cast<char>(c));
      digits = true;
      advance();
    }
  }
  if (!digits) return {false, 0.0};

  if (peek() == 'e' || peek() == 'E') {
    char look[2] = {static_cast<char>(peek()), 0};
    std::size_t looked = 1;
    advance();
    bool exponent_negative = false;
    if (peek() == '+' || peek() == '-') {
      exponent_negative = peek() == '-';
      look[looked++] = static_cast<char>(peek());
      advance();
    }
    if (!is_digit(peek())) {
      push_back(look, looked);
    } else {
      long long exponent = 0;
      for (int c = peek(); is_digit(c); c = peek()) {
        if (exponent < kExponentLimit) exponent = exponent * 10 + (c - '0');
        advance();
      }
      number.set_exponent(exponent_negative ? -exponent : exponent);
    }
  }
  return {true, number.value(negative)};
}

}  // namespace polydump
