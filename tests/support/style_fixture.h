// A 400 x 300 layer with Start (100, 100), End (300, 200) and Curvature
// 50 %, and the path calls a style pass makes on it, recorded exactly.
#pragma once

#include "support/engine_fixture.h"
#include "support/path_recorder.h"

namespace testing_support {

struct StyleFixture {
    DefaultParams d{400, 300};
    EngineFrame frame;

    explicit StyleFixture(A_long mode) {
        d.popup(veltrace::kMode, mode);
        d.point(veltrace::kStart, 100, 100);
        d.point(veltrace::kEnd, 300, 200);
        d.slider(veltrace::kCurvature, 50);
    }
    void trim(double start, double end, double offset = 0) {
        d.checkbox(veltrace::kTrimEnable, true);
        d.slider(veltrace::kTrimStart, start);
        d.slider(veltrace::kTrimEnd, end);
        d.slider(veltrace::kTrimOffset, offset);
    }
    // The calls the style pass made on the main context.
    std::vector<PathElement> draw() {
        frame = prepareEngineFrame(d.params(), 400, 300);
        PathRecorder recorder;
        drawStylePass(&frame.record, d.params().data());
        return recorder.on(frame.record.cr);
    }
};

// Recorded calls carry the doubles the engine computed.
inline constexpr double kExact = 1e-9;

}  // namespace testing_support
