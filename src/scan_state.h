// What the scan of the drawing carries from token to token: the current token, the chosen
// layer code and whether a polyline on that layer has started. treatment owns it; the
// polyline and vertex handlers read and update it.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

#include "token_set.h"

// 79 bytes of a token and the terminating NUL; a longer token is read whole and its first
// 79 bytes are kept.
inline constexpr std::size_t kTokenSize = 80;

// The four keywords the scan acts on.
inline constexpr const char* EXTMIN = "$EXTMIN";
inline constexpr const char* EXTMAX = "$EXTMAX";
inline constexpr const char* POLYLINE = "POLYLINE";
inline constexpr const char* VERTEX = "VERTEX";

struct ScanState {
  explicit ScanState(const char* layer_code)
      : CURVE(layer_code), layer_searched{EXTMIN, EXTMAX, POLYLINE, VERTEX, layer_code} {}

  char texte[kTokenSize] = {};
  const char* CURVE;  // the chosen layer code
  int flag = 0;       // 1 from a record 7 to the next vertex record
  // What ends a handler's search for the layer code: the code, or a keyword met first.
  polydump::TokenSet layer_searched;
};

// The scan compares every keyword it meets with each of the four: the keyword's bytes and
// its NUL against as many bytes of the token, held in a texte of kTokenSize bytes, which the
// compiler turns into a few loads.
inline bool same_text(const char* token, std::string_view keyword) {
  return std::memcmp(token, keyword.data(), keyword.size() + 1) == 0;
}

inline constexpr polydump::TokenSet kKeywords{EXTMIN, EXTMAX, POLYLINE, VERTEX};

inline bool is_keyword(std::string_view token) { return kKeywords.contains(token); }
