// The converter's shared state: the two streams, the drawing extents and the two paths that
// the dialogue composes. opening sets them up, treatment uses and closes them.
#pragma once

#include <cstddef>

#include "record_writer.h"
#include "text_input.h"

// 127 characters of path and the terminating NUL.
inline constexpr std::size_t kPathSize = 128;

extern polydump::TextInput f1;     // the drawing
extern polydump::RecordWriter f2;  // the point-list file

extern double min_x, min_y, min_alt;
extern double max_x, max_y, max_alt;

// The input and output paths as the dialogue shows them, kept for the messages of the scan.
extern char nomim1[kPathSize];
extern char nomim2[kPathSize];
