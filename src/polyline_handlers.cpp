#include "polyline_handlers.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "globals.h"

namespace {

constexpr std::size_t kPolylineLayerWindow = 12;
constexpr std::size_t kVertexLayerWindow = 6;
constexpr int kVertexGroupWindow = 6;

constexpr int kRecordPolyline = 7;
constexpr int kRecordFirstVertex = 1;
constexpr int kRecordVertex = 0;

enum class Found { match, keyword, none };

// The token that a read took into texte, as texte holds it (its first 79 bytes).
std::string_view held_token(const ScanState& scan, const polydump::TokenRead& read) {
  return std::string_view(scan.texte, std::min(read.length, sizeof scan.texte - 1));
}

// Reads the next token into texte and gives it as texte holds it; nothing at the end of the input.
std::optional<std::string_view> next_token(ScanState& scan) {
  const polydump::TokenRead read = f1.read_token(scan.texte, sizeof scan.texte);
  if (!read.ok) return std::nullopt;
  return held_token(scan, read);
}

// Reads up to window tokens until one equals the layer code. A keyword ends the search before
// it is compared: the scan must see every keyword, or a short vertex would swallow the next
// one. Only the token the search stops at is taken into texte.
Found search_layer_code(ScanState& scan, std::size_t window) {
  const polydump::TokenRead read = f1.skip_to_token(scan.layer_searched, scan.texte, sizeof scan.texte, window);
  if (!read.ok) return Found::none;
  return is_keyword(held_token(scan, read)) ? Found::keyword : Found::match;
}

// Whether the token's leading integer (optional sign, decimal digits) is 10, the group code
// of an x coordinate. "10.0", "10abc" and "+10" all are; a value out of the int range is not.
bool is_x_group_code(std::string_view token) {
  const char* first = token.data() + token.starts_with('+');
  int value = 0;
  const std::errc error = std::from_chars(first, token.data() + token.size(), value).ec;
  return error == std::errc() && value == 10;
}

}  // namespace

Handled polyline_header(ScanState& scan) {
  switch (search_layer_code(scan, kPolylineLayerWindow)) {
    case Found::keyword:
      return Handled::keyword;
    case Found::match:
      f2.write_record(kRecordPolyline, 0.0, 0.0);
      scan.flag = 1;
      return Handled::done;
    case Found::none:
      return Handled::done;
  }
  return Handled::done;
}

Handled vertex(ScanState& scan) {
  switch (search_layer_code(scan, kVertexLayerWindow)) {
    case Found::keyword:
      return Handled::keyword;
    case Found::none:
      return Handled::done;
    case Found::match:
      break;
  }
  for (int j = 1; j <= kVertexGroupWindow; ++j) {
    const std::optional<std::string_view> token = next_token(scan);
    if (!token) return Handled::done;
    if (is_keyword(*token)) return Handled::keyword;
    if (!is_x_group_code(*token)) continue;
    // The group code read between x and y is not used: whatever stands there, the numbers
    // around it are the vertex.
    const polydump::DoubleRead x = f1.read_double();
    f1.read_int();
    const polydump::DoubleRead y = f1.read_double();
    if (x.ok && y.ok) {
      f2.write_record(scan.flag == 1 ? kRecordFirstVertex : kRecordVertex, x.value, y.value);
      scan.flag = 0;
      return Handled::done;
    }
  }
  return Handled::done;
}
