// The conversion proper: the layer-code question, then one pass over the drawing that writes
// the records, then both files closed. Called by main after opening.
#pragma once

#include "scan_state.h"

/// Converts the drawing; a read or write failure ends the run with a message and status 1.
void treatment();

/// Runs the scan over f1 from where it stands to its end, writing the records to f2.
void scan_drawing(ScanState& scan);
