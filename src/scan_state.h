// What the scan of the drawing carries from token to token: the current token, the chosen
// layer code and whether a polyline on that layer has started. treatment owns it; the
// polyline and vertex handlers read and update it.
#pragma once

#include <cstddef>
#include <cstring>

// 79 bytes of a token and the terminating NUL; a longer token is read whole and its first
// 79 bytes are kept.
inline constexpr std::size_t kTokenSize = 80;

// The four keywords the scan acts on.
inline constexpr const char* EXTMIN = "$EXTMIN";
inline constexpr const char* EXTMAX = "$EXTMAX";
inline constexpr const char* POLYLINE = "POLYLINE";
inline constexpr const char* VERTEX = "VERTEX";

struct ScanState {
  char texte[kTokenSize] = {};
  const char* CURVE = nullptr;  // the chosen layer code
  int flag = 0;                 // 1 from a record 7 to the next vertex record
};

inline bool same_text(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

inline bool is_keyword(const char* token) {
  return same_text(token, EXTMIN) || same_text(token, EXTMAX) || same_text(token, POLYLINE) ||
         same_text(token, VERTEX);
}
