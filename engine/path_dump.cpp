#include "engine/path_dump.h"

#include <memory>

namespace {
struct PathDestroy {
    void operator()(cairo_path_t* path) const { cairo_path_destroy(path); }
};
}  // namespace

std::vector<PathElement> copyPathElements(cairo_t* cr) {
    std::vector<PathElement> elements;
    if (cr == nullptr) return elements;
    const std::unique_ptr<cairo_path_t, PathDestroy> path(cairo_copy_path(cr));
    if (path->status != CAIRO_STATUS_SUCCESS) return elements;
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t* data = &path->data[i];
        PathElement element{};
        switch (data->header.type) {
            case CAIRO_PATH_MOVE_TO: element.op = PathOp::Move; break;
            case CAIRO_PATH_LINE_TO: element.op = PathOp::Line; break;
            case CAIRO_PATH_CURVE_TO: element.op = PathOp::Curve; break;
            case CAIRO_PATH_CLOSE_PATH: continue;  // never appended by the style passes
        }
        for (int k = 1; k < data->header.length; ++k) element.points.push_back({data[k].point.x, data[k].point.y});
        elements.push_back(std::move(element));
    }
    return elements;
}

FramePaths copyFramePaths(const myParams& p) { return {copyPathElements(p.cr), copyPathElements(p.handlesCr)}; }

const char* pathOpName(PathOp op) {
    switch (op) {
        case PathOp::Move: return "move";
        case PathOp::Line: return "line";
        case PathOp::Curve: return "curve";
    }
    return "unknown";
}
