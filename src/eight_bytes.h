// Tests on eight bytes of text at once, held in one 64-bit word: which bytes lie between
// tokens, which are carriage returns, which follow a marked byte. The text input finds the
// ends of white space and of tokens, and counts tokens, with them, without a branch for every
// byte. A test marks a byte by setting its high bit, exactly: no carry crosses from one byte
// to the next, so every mark is right whatever the byte order.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace polydump::eight_bytes {

inline constexpr std::uint64_t kOnes = 0x0101010101010101u;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080u;
inline constexpr std::uint64_t kLowBits = ~kHighBits;

/// The eight bytes at p.
inline std::uint64_t load(const char* p) {
  std::uint64_t eight;
  std::memcpy(&eight, p, sizeof eight);
  return eight;
}

/// Marks the zero bytes.
constexpr std::uint64_t zero(std::uint64_t eight) { return ~(((eight & kLowBits) + kLowBits) | eight | kLowBits); }

/// Marks the bytes equal to byte.
constexpr std::uint64_t equal(std::uint64_t eight, unsigned char byte) { return zero(eight ^ (kOnes * byte)); }

/// Marks the bytes whose low seven bits are at least low (at most 0x80).
constexpr std::uint64_t at_least(std::uint64_t eight, unsigned char low) {
  return (((eight & kLowBits) | kHighBits) - kOnes * low) & kHighBits;
}

/// Marks white space (tab, line feed, vertical tab, form feed, space, NUL) and carriage returns.
constexpr std::uint64_t between_tokens(std::uint64_t eight) {
  const std::uint64_t tab_to_return = at_least(eight, '\t') & ~at_least(eight, '\r' + 1);
  const std::uint64_t nul_or_space = zero(eight & kLowBits) | zero((eight & kLowBits) ^ (kOnes * ' '));
  return (tab_to_return | nul_or_space) & ~eight & kHighBits;
}

/// Moves every mark to the byte after it in memory; the first byte is marked when carry is.
constexpr std::uint64_t to_next(std::uint64_t marks, bool carry) {
  if constexpr (std::endian::native == std::endian::little) return marks << 8 | (carry ? 0x80u : 0u);
  return marks >> 8 | (carry ? std::uint64_t{0x80} << 56 : 0u);
}

/// Whether the last byte, in memory order, is marked.
constexpr bool last_marked(std::uint64_t marks) {
  if constexpr (std::endian::native == std::endian::little) return (marks >> 63) != 0;
  return (marks & 0x80u) != 0;
}

/// Marks the first count bytes (0 to 8) in memory order.
constexpr std::uint64_t first_bytes(int count) {
  if (count == 8) return kHighBits;
  if constexpr (std::endian::native == std::endian::little) return ((std::uint64_t{1} << (8 * count)) - 1) & kHighBits;
  return ~(~std::uint64_t{0} >> (8 * count)) & kHighBits;
}

/// How many bytes are marked: the multiplication adds the eight bytes' 0 or 1 into the top one.
constexpr int count(std::uint64_t marks) { return static_cast<int>(((marks >> 7) * kOnes) >> 56); }

/// The place, in memory order, of the first marked byte of a non-zero mask.
constexpr int first(std::uint64_t marks) {
  if constexpr (std::endian::native == std::endian::little) return std::countr_zero(marks) / 8;
  return std::countl_zero(marks) / 8;
}

}  // namespace polydump::eight_bytes
