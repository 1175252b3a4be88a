// The start of a run: banner, the three questions that name the files, and the opening of
// both. Called by main before treatment.
#pragma once

/// On return f1 reads the drawing and f2 writes the new point-list file; when the drawing
/// cannot be opened the run ends after a key press, and when the point-list file cannot be
/// created it ends at once, both with status 1.
void opening();
