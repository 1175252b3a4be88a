// The single pass over the drawing: every token of f1 tested for the four keywords and the
// records they give written to f2. treatment runs it once the layer code is chosen; the
// drawing fuzzer runs it on arbitrary bytes.
#pragma once

/// Reads f1 to its end and writes the records of the drawing for the layer code CURVE to f2.
/// Neither stream is closed, and a read or write failure is left for the caller to find.
void scan_drawing(const char* CURVE);
