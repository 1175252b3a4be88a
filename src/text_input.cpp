#include "text_input.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

#include "decimal_value.h"
#include "sixteen_bytes.h"
#include "system_file.h"

namespace polydump {
namespace {

constexpr int kEndOfText = 0x1A;  // Ctrl-Z

// What a byte of the text stream is: white space separates tokens, a carriage return is
// dropped wherever it stands, every other byte belongs to a token.
enum class Byte : unsigned char { token, space, dropped };

constexpr std::array<Byte, 256> kByteClasses = [] {
  std::array<Byte, 256> classes{};
  for (const char c : {' ', '\t', '\n', '\v', '\f', '\0'}) classes[static_cast<unsigned char>(c)] = Byte::space;
  classes['\r'] = Byte::dropped;
  return classes;
}();

constexpr Byte byte_class(char c) { return kByteClasses[static_cast<unsigned char>(c)]; }

constexpr bool is_digit(int c) { return c >= '0' && c <= '9'; }

// Where the token at p ends when it spells word, carriage returns dropped; null when it does
// not. A white space byte must follow p in memory, which ends the walk; when it stands no
// nearer than limit, the word is first compared whole, as most tokens hold no carriage return.
const char* word_end(const char* p, std::string_view word, const char* limit) {
  if (word.size() <= static_cast<std::size_t>(limit - p) && std::memcmp(p, word.data(), word.size()) == 0) {
    p += word.size();
  } else {
    for (const char c : word) {
      while (*p == '\r') ++p;
      if (*p != c) return nullptr;
      ++p;
    }
  }
  while (*p == '\r') ++p;
  return byte_class(*p) == Byte::space ? p : nullptr;
}

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
  buffer_.assign(block_size + kLoadPadding, '\0');
  pos_ = end_ = last_space_ = pending_ = 0;
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
  next_byte_at_.fill(kNotSought);
  last_space_ = end_;
  while (last_space_ > 0 && byte_class(buffer_[last_space_ - 1]) != Byte::space) --last_space_;
  if (last_space_ > 0) --last_space_;
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

inline std::size_t TextInput::run_end(std::size_t at, Run run) const {
  const char* const block = buffer_.data();
  for (; at < end_; at += sixteen_bytes::kWidth) {
    const std::uint32_t gaps = sixteen_bytes::between_tokens(block + at);
    const std::uint32_t stops = run == Run::gap ? ~gaps & sixteen_bytes::kAll : gaps;
    if (stops != 0) return std::min(at + static_cast<std::size_t>(std::countr_zero(stops)), end_);
  }
  return end_;
}

inline void TextInput::skip_space() {
  // Bytes that a number read gave back belong to a token: there is nothing to skip.
  if (pending_) return;
  do {
    pos_ = run_end(pos_, Run::gap);
  } while (pos_ == end_ && fill());
}

bool TextInput::at_end() {
  skip_space();
  return peek() < 0;
}

bool TextInput::discard_line() {
  for (int c = peek(); c >= 0; c = peek()) {
    advance();
    if (c == '\n') return true;
  }
  return false;
}

TokenRead TextInput::read_token(char* dest, std::size_t capacity) {
  skip_space();
  if (pending_ == 0 && pos_ == end_) return {false, 0};
  const std::size_t room = capacity - 1;
  std::size_t length = 0;
  for (; pending_ > 0; --pending_, ++length)
    if (length < room) dest[length] = pushed_[pending_ - 1];
  for (;;) {
    // The rest of the token within this block, up to white space or a carriage return.
    const std::size_t stop = run_end(pos_, Run::token);
    const std::size_t count = stop - pos_;
    if (count <= kLoadPadding && length + kLoadPadding <= room) {
      // The usual short token: a copy of fixed size, which may take bytes past the token that
      // the terminator then hides.
      std::memcpy(dest + length, &buffer_[pos_], kLoadPadding);
    } else if (length < room) {
      std::memcpy(dest + length, &buffer_[pos_], std::min(count, room - length));
    }
    length += count;
    pos_ = stop;
    // Carriage returns are dropped and the token goes on after them, perhaps in the next
    // block, unless white space follows, as it does at every CR LF line end.
    while (pos_ < end_ && buffer_[pos_] == '\r') ++pos_;
    if (pos_ < end_ ? byte_class(buffer_[pos_]) == Byte::space : !fill()) break;
  }
  dest[std::min(length, room)] = '\0';
  return {true, length};
}

TokenRead TextInput::skip_to_token(const TokenSet& words, char* dest, std::size_t capacity,
                                   std::size_t max_tokens) {
  const bool counted = max_tokens != kAnyNumber;
  std::size_t left = max_tokens;
  while (left > 0) {
    skip_space();
    if (pending_ == 0 && pos_ < last_space_) {
      const WordInBlock found = find_word_in_block(words);
      const std::size_t passed = counted ? count_tokens(pos_, found.start, left) : 0;
      if (passed != kUncounted) {
        if (passed >= left) {
          pos_ = found.start;
          return {false, 0};
        }
        if (found.start < last_space_) {
          const std::size_t kept = std::min(found.word.size(), capacity - 1);
          std::memcpy(dest, found.word.data(), kept);
          dest[kept] = '\0';
          pos_ = found.end;
          return {true, found.word.size()};
        }
        if (counted) left -= passed;
        pos_ = last_space_;
        continue;
      }
    }
    const TokenRead read = read_token(dest, capacity);
    if (counted) --left;
    if (!read.ok || words.contains(dest)) return read;
  }
  return {false, 0};
}

TextInput::WordInBlock TextInput::find_word_in_block(const TokenSet& words) {
  const char* const block = buffer_.data();
  std::size_t token = pos_;
  while (token < last_space_) {
    for (std::size_t i = 0; words.may_start(block[token]) && i < words.size(); ++i) {
      if (words[i][0] != block[token]) continue;
      if (const char* end = word_end(block + token, words[i], block + last_space_))
        return {token, static_cast<std::size_t>(end - block), words[i]};
    }
    // The next byte that may start a word and starts a token: white space stands before it,
    // carriage returns aside. The token looked at above bounds the walk back.
    std::size_t before;
    do {
      const std::size_t from = token + 1;
      token = last_space_;
      for (std::size_t i = 0; i < words.first_byte_count(); ++i)
        token = std::min(token, next_byte(words.first_byte(i), from));
      before = token - 1;
      while (block[before] == '\r') --before;
    } while (token < last_space_ && byte_class(block[before]) != Byte::space);
  }
  return {last_space_, last_space_, {}};
}

std::size_t TextInput::next_byte(unsigned char byte, std::size_t from) {
  std::size_t& at = next_byte_at_[byte];
  if (at == kNotSought || at < from) {
    const char* const block = buffer_.data();
    const void* found = std::memchr(block + from, byte, last_space_ - from);
    at = found ? static_cast<std::size_t>(static_cast<const char*>(found) - block) : last_space_;
  }
  return at;
}

std::size_t TextInput::count_tokens(std::size_t from, std::size_t to, std::size_t enough) const {
  namespace sixteen = sixteen_bytes;
  const char* const block = buffer_.data();
  std::size_t count = 0;
  std::uint32_t after_space = 1;  // from starts a token
  std::uint32_t after_return = 0;
  for (std::size_t at = from; at < to && count < enough; at += sixteen::kWidth) {
    const std::uint32_t gaps = sixteen::between_tokens(block + at);
    const std::uint32_t returns = sixteen::equal(block + at, '\r');
    const std::uint32_t spaces = gaps & ~returns;
    const std::uint32_t within = to - at >= sixteen::kWidth ? sixteen::kAll : (std::uint32_t{1} << (to - at)) - 1;
    const std::uint32_t tokens = ~gaps & within;
    // Each mask moved one byte on marks the bytes that follow a space or a return.
    if ((tokens & (returns << 1 | after_return)) != 0) return kUncounted;
    count += static_cast<std::size_t>(sixteen::count(tokens & (spaces << 1 | after_space)));
    after_space = spaces >> (sixteen::kWidth - 1);
    after_return = returns >> (sixteen::kWidth - 1);
  }
  return count;
}

template <typename Take>
bool TextInput::take_digits(Take take) {
  if (!is_digit(peek())) return false;
  do {
    take(static_cast<char>(peek()));
    advance();
    // The rest of the run within this block, without the checks of peek.
    const char* const block = buffer_.data();
    std::size_t at = pos_;
    if (pending_ == 0)
      for (; at < end_ && is_digit(block[at]); ++at) take(block[at]);
    pos_ = at;
  } while (is_digit(peek()));
  return true;
}

TextInput::ShortNumber TextInput::short_number(bool with_fraction) const {
  const char* const block = buffer_.data();
  ShortNumber number{false, false, 0, 0, 0, pos_};
  // Before the block's last white space every walk below stops at the latest on that byte,
  // without a check of the block's end for every digit.
  if (pending_ != 0 || pos_ >= last_space_) return number;
  std::size_t at = pos_;
  if (block[at] == '+' || block[at] == '-') number.negative = block[at++] == '-';
  const auto take_run = [&] {
    for (; is_digit(block[at]); ++at, ++number.count)
      number.digits = number.digits * 10 + static_cast<std::uint64_t>(block[at] - '0');
  };
  take_run();
  if (with_fraction && block[at] == '.') {
    ++at;
    const int integer_digits = number.count;
    take_run();
    number.fraction_digits = number.count - integer_digits;
  }
  // White space, after the carriage returns of a line end, ends the number for certain; the
  // full grammar takes the rarer forms, such as exponents.
  while (block[at] == '\r') ++at;
  number.ok = number.count > 0 && byte_class(block[at]) == Byte::space;
  number.end = at;
  return number;
}

IntRead TextInput::read_int() {
  skip_space();
  // Any nine digits fit an int.
  constexpr int kShortIntDigits = 9;
  if (const ShortNumber number = short_number(false); number.ok && number.count <= kShortIntDigits) {
    pos_ = number.end;
    const int magnitude = static_cast<int>(number.digits);
    return {true, true, number.negative ? -magnitude : magnitude};
  }
  bool negative = false;
  if (peek() == '+' || peek() == '-') {
    negative = peek() == '-';
    advance();
  }
  // The magnitude stops growing once it is past the least int, so that any longer number,
  // of either sign, stays out of range.
  constexpr long long kBeyondInt = -static_cast<long long>(INT_MIN) + 1;
  long long magnitude = 0;
  const bool digits =
      take_digits([&](char c) { magnitude = std::min(magnitude * 10 + (c - '0'), kBeyondInt); });
  if (!digits) return {false, false, 0};
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
  if (const ShortNumber number = short_number(true);
      number.ok && DecimalValue::is_short(number.count, number.fraction_digits)) {
    pos_ = number.end;
    return {true, DecimalValue::short_value(number.digits, number.fraction_digits, number.negative)};
  }
  bool negative = false;
  if (peek() == '+' || peek() == '-') {
    negative = peek() == '-';
    advance();
    const double sign = negative ? -1.0 : 1.0;
    if (peek() == 'I') return {take_word("INF"), std::copysign(std::numeric_limits<double>::infinity(), sign)};
    if (peek() == 'N') return {take_word("NAN"), std::copysign(std::numeric_limits<double>::quiet_NaN(), sign)};
  }

  DecimalValue number;
  bool digits = take_digits([&](char c) { number.add_integer_digit(c); });
  if (peek() == '.') {
    advance();
    digits |= take_digits([&](char c) { number.add_fraction_digit(c); });
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
      take_digits([&](char c) {
        if (exponent < kExponentLimit) exponent = exponent * 10 + (c - '0');
      });
      number.set_exponent(exponent_negative ? -exponent : exponent);
    }
  }
  return {true, number.value(negative)};
}

}  // namespace polydump
