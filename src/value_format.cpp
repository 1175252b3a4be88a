#include "value_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace polydump {

char* format_value(double value, char* out) {
  if (!std::isfinite(value)) {
    const char* word = std::isinf(value) ? "INF" : "NAN";
    *out++ = std::signbit(value) ? '-' : '+';
    std::memcpy(out, word, 3);
    return out + 3;
  }
  char* end = std::to_chars(out, out + kMaxValueChars, value, std::chars_format::fixed, 6).ptr;
  // A negative value that rounds to zero shows no sign.
  if (*out == '-' && std::all_of(out + 1, end, [](char c) { return c == '0' || c == '.'; })) {
    std::memmove(out, out + 1, static_cast<std::size_t>(end - out - 1));
    --end;
  }
  return end;
}

}  // namespace polydump
