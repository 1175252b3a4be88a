// The two handlers that pick the polylines of the chosen layer out of the drawing: called by
// the scan of treatment when the current token is "POLYLINE" or "VERTEX".
#pragma once

#include "scan_state.h"

// What a handler leaves for the scan.
enum class Handled {
  done,     // the scan reads the next token
  keyword,  // a search met a keyword, now in texte, which the scan handles next
};

/// Looks for the layer code among the next 12 tokens; when found writes record 7 and sets flag.
Handled polyline_header(ScanState& scan);

/// Looks for the layer code among the next 6 tokens, then for a group code 10 among the 6
/// after it; writes the vertex as record 1 after a record 7, else as record 0.
Handled vertex(ScanState& scan);
