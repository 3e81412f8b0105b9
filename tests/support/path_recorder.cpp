#include "support/path_recorder.h"

#include <dlfcn.h>

namespace {

thread_local PathRecorder* tRecorder = nullptr;

template <typename Function>
Function realCairo(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

PathRecorder::PathRecorder() : previous_(tRecorder) { tRecorder = this; }
PathRecorder::~PathRecorder() { tRecorder = previous_; }

std::vector<PathElement> PathRecorder::on(cairo_t* cr) const {
    std::vector<PathElement> elements;
    for (const RecordedCall& call : calls_) {
        if (call.cr == cr) elements.push_back(call.element);
    }
    return elements;
}

void PathRecorder::record(cairo_t* cr, PathOp op, std::vector<A_FloatPoint> points) {
    calls_.push_back({cr, {op, std::move(points)}});
}

extern "C" void cairo_move_to(cairo_t* cr, double x, double y) {
    static const auto real = realCairo<void (*)(cairo_t*, double, double)>("cairo_move_to");
    if (tRecorder) tRecorder->record(cr, PathOp::Move, {{x, y}});
    real(cr, x, y);
}

extern "C" void cairo_line_to(cairo_t* cr, double x, double y) {
    static const auto real = realCairo<void (*)(cairo_t*, double, double)>("cairo_line_to");
    if (tRecorder) tRecorder->record(cr, PathOp::Line, {{x, y}});
    real(cr, x, y);
}

extern "C" void cairo_curve_to(cairo_t* cr, double x1, double y1, double x2, double y2, double x3, double y3) {
    static const auto real =
        realCairo<void (*)(cairo_t*, double, double, double, double, double, double)>("cairo_curve_to");
    if (tRecorder) tRecorder->record(cr, PathOp::Curve, {{x1, y1}, {x2, y2}, {x3, y3}});
    real(cr, x1, y1, x2, y2, x3, y3);
}
