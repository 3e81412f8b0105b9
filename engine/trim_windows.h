// Trim windows of all lines of a frame: staggered, eased, reordered.
#pragma once

#include "engine/draw_params.h"

// Reads the line-set and trim fields of p, writes lineCount, windowCount and
// exactly windowCount entries of trimWindows (x = start, y = end curve
// fraction, each in [0, 1]; start > end is legal and means "draw nothing").
// Deterministic: the Random order depends only on the line count. Touches
// nothing outside p. Throws std::bad_alloc if the windows cannot be stored.
void trimPaths(myParams* p);
