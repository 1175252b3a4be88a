#include "drawing_scan.h"

#include "globals.h"
#include "polyline_handlers.h"
#include "scan_state.h"

namespace {

constexpr int kRecordLowerCorner = 4;
constexpr int kRecordUpperCorner = 5;
constexpr int kRecordAltitudes = 6;

// Reads a group code and a value, twice: the corner's x and y. The group codes are not
// looked at. Nothing is written unless both values were read as numbers.
bool read_corner(double& x, double& y) {
  f1.read_int();
  const polydump::DoubleRead first = f1.read_double();
  f1.read_int();
  const polydump::DoubleRead second = f1.read_double();
  if (!first.ok || !second.ok) return false;
  x = first.value;
  y = second.value;
  return true;
}

// Acts on the keyword in texte; tells whether a handler left a keyword there to act on next.
// The keywords are told apart in the order of how often they come: nearly every one is a vertex.
Handled dispatch(ScanState& scan) {
  if (same_text(scan.texte, VERTEX)) return vertex(scan);
  if (same_text(scan.texte, POLYLINE)) return polyline_header(scan);
  if (same_text(scan.texte, EXTMIN)) {
    if (read_corner(min_x, min_y)) f2.write_record(kRecordLowerCorner, min_x, min_y);
    max_alt = min_alt = 0.0;
  } else if (same_text(scan.texte, EXTMAX)) {
    if (read_corner(max_x, max_y)) {
      f2.write_record(kRecordUpperCorner, max_x, max_y);
      f2.write_record(kRecordAltitudes, min_alt, max_alt);
    }
  }
  return Handled::done;
}

}  // namespace

void scan_drawing(const char* CURVE) {
  ScanState scan(CURVE);
  // Only the four keywords have an effect: every other token the scan would read on its own
  // is passed over in the block.
  bool have_keyword = f1.skip_to_token(kKeywords, scan.texte, sizeof scan.texte).ok;
  while (have_keyword) {
    if (dispatch(scan) == Handled::done) have_keyword = f1.skip_to_token(kKeywords, scan.texte, sizeof scan.texte).ok;
  }
}
