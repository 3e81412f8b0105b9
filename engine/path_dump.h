// A readable copy of the paths a style pass appended to the frame's
// contexts, for tests and the command-line tool. Coordinates come back from
// cairo's 24.8 fixed-point storage: exact to 1/256 px. cairo also merges
// collinear line segments and turns curves that do not move into lines.
#pragma once

#include <cairo.h>

#include <vector>

#include "engine/draw_params.h"

enum class PathOp { Move, Line, Curve };

struct PathElement {
    PathOp op;
    std::vector<A_FloatPoint> points;  // 1 for Move and Line, 3 for Curve
};

struct FramePaths {
    std::vector<PathElement> main;
    std::vector<PathElement> handles;  // empty when there is no handles context
};

// The current path of cr (borrowed, may be null: empty result).
std::vector<PathElement> copyPathElements(cairo_t* cr);

// The current paths of p.cr and p.handlesCr.
FramePaths copyFramePaths(const myParams& p);

// Name of an element kind as written in JSON: "move", "line", "curve".
const char* pathOpName(PathOp op);
