// Records the path calls the engine makes on this thread, exactly as made
// (cairo itself stores 24.8 fixed point and merges collinear lines), and
// still passes every call on to cairo. Works by interposing cairo_move_to,
// cairo_line_to and cairo_curve_to in the test executable.
#pragma once

#include <cairo.h>

#include <vector>

#include "engine/path_dump.h"

struct RecordedCall {
    cairo_t* cr;
    PathElement element;
};

class PathRecorder {
public:
    PathRecorder();
    ~PathRecorder();
    PathRecorder(const PathRecorder&) = delete;
    PathRecorder& operator=(const PathRecorder&) = delete;

    // The calls made on cr, in order.
    std::vector<PathElement> on(cairo_t* cr) const;
    const std::vector<RecordedCall>& calls() const { return calls_; }
    void record(cairo_t* cr, PathOp op, std::vector<A_FloatPoint> points);

private:
    std::vector<RecordedCall> calls_;
    PathRecorder* previous_;
};
