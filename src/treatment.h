// The conversion proper: the layer-code question, then one pass over the drawing that writes
// the records, then both files closed. Called by main after opening.
#pragma once

/// Converts the drawing; a read or write failure ends the run with a message and status 1.
void treatment();
