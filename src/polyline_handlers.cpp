#include "polyline_handlers.h"

#include <charconv>
#include <cstring>

#include "globals.h"

namespace {

constexpr int kPolylineLayerWindow = 12;
constexpr int kVertexLayerWindow = 6;
constexpr int kVertexGroupWindow = 6;

constexpr int kRecordPolyline = 7;
constexpr int kRecordFirstVertex = 1;
constexpr int kRecordVertex = 0;

enum class Found { match, keyword, none };

// Reads up to window tokens until one equals target. A keyword ends the search before it is
// compared: the scan must see every keyword, or a short vertex would swallow the next one.
Found search_token(ScanState& scan, int window, const char* target) {
  for (int i = 1; i <= window; ++i) {
    if (!f1.read_token(scan.texte, sizeof scan.texte).ok) return Found::none;
    if (is_keyword(scan.texte)) return Found::keyword;
    if (same_text(scan.texte, target)) return Found::match;
  }
  return Found::none;
}

// Whether the token's leading integer (optional sign, decimal digits) is 10, the group code
// of an x coordinate. "10.0", "10abc" and "+10" all are; a value out of the int range is not.
bool is_x_group_code(const char* token) {
  const char* first = token + (*token == '+');
  int value = 0;
  const auto [end, error] = std::from_chars(first, first + std::strlen(first), value);
  (void)end;
  return error == std::errc() && value == 10;
}

}  // namespace

Handled polyline_header(ScanState& scan) {
  switch (search_token(scan, kPolylineLayerWindow, scan.CURVE)) {
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
  switch (search_token(scan, kVertexLayerWindow, scan.CURVE)) {
    case Found::keyword:
      return Handled::keyword;
    case Found::none:
      return Handled::done;
    case Found::match:
      break;
  }
  for (int j = 1; j <= kVertexGroupWindow; ++j) {
    if (!f1.read_token(scan.texte, sizeof scan.texte).ok) return Handled::done;
    if (is_keyword(scan.texte)) return Handled::keyword;
    if (!is_x_group_code(scan.texte)) continue;
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
