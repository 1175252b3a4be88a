// Tests on sixteen bytes of text at once, one bit per byte in memory order: which bytes lie
// between tokens and which are carriage returns. The text input finds the ends of white space
// and of tokens, and counts tokens, with them, without a branch for every byte. On x86-64
// SSE2 gives each mask in a few instructions; other targets build the same masks byte by byte.
#pragma once

#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define POLYDUMP_SIXTEEN_BYTES_SSE2 1
#endif

namespace polydump::sixteen_bytes {

inline constexpr int kWidth = 16;
inline constexpr std::uint32_t kAll = 0xFFFF;

/// Whether the byte c lies between tokens: white space, NUL or a carriage return.
constexpr bool is_between_tokens(char c) { return c == ' ' || c == '\0' || (c >= '\t' && c <= '\r'); }

/// Marks the bytes of p[0..15] that lie between tokens, byte by byte.
inline std::uint32_t between_tokens_bytewise(const char* p) {
  std::uint32_t marks = 0;
  for (int i = 0; i < kWidth; ++i) marks |= std::uint32_t{is_between_tokens(p[i])} << i;
  return marks;
}

/// Marks the bytes of p[0..15] equal to byte, byte by byte.
inline std::uint32_t equal_bytewise(const char* p, char byte) {
  std::uint32_t marks = 0;
  for (int i = 0; i < kWidth; ++i) marks |= std::uint32_t{p[i] == byte} << i;
  return marks;
}

/// How many of the sixteen bytes are marked, summed in pairs, fours, eights: x86-64 has no
/// population count instruction of its own before its later extensions.
constexpr int count(std::uint32_t marks) {
  marks = marks - ((marks >> 1) & 0x5555);
  marks = (marks & 0x3333) + ((marks >> 2) & 0x3333);
  marks = (marks + (marks >> 4)) & 0x0F0F;
  return static_cast<int>((marks + (marks >> 8)) & 0x1F);
}

#ifdef POLYDUMP_SIXTEEN_BYTES_SSE2

/// Marks the bytes of p[0..15] that lie between tokens.
inline std::uint32_t between_tokens(const char* p) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  // Tab to carriage return are 9 to 13: after subtracting 9 they are the bytes at most 4.
  const __m128i from_tab = _mm_sub_epi8(bytes, _mm_set1_epi8('\t'));
  const __m128i controls = _mm_cmpeq_epi8(_mm_min_epu8(from_tab, _mm_set1_epi8('\r' - '\t')), from_tab);
  const __m128i nul_or_space =
      _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_setzero_si128()), _mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')));
  return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(controls, nul_or_space)));
}

/// Marks the bytes of p[0..15] equal to byte.
inline std::uint32_t equal(const char* p, char byte) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(byte))));
}

#else

inline std::uint32_t between_tokens(const char* p) { return between_tokens_bytewise(p); }
inline std::uint32_t equal(const char* p, char byte) { return equal_bytewise(p, byte); }

#endif

}  // namespace polydump::sixteen_bytes
