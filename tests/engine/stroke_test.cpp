#include "engine/stroke.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <optional>

#include "support/engine_fixture.h"

namespace {

using namespace veltrace;
using testing_support::DefaultParams;

constexpr int kW = 64;
constexpr int kH = 32;

// A straight horizontal line from (8, 16) to (56, 16), width 4, opaque
// blue, outline colour red, on a 64 x 32 layer.
struct StrokeFixture {
    DefaultParams d{kW, kH};
    StrokeFixture() {
        d.point(kStart, 8, 16);
        d.point(kEnd, 56, 16);
        d.slider(kCurvature, 0);
        d.slider(kLineWidth, 4);
        d.color(kColor, 0, 0, 255);
        d.color(kStrokeColor, 255, 0, 0);
    }
};

struct Stroke {
    double width;
    std::vector<double> dash;  // empty: continuous
    double offset;
    double r, g, b, a;
};

// The pixels the listed strokes of path give, drawn with cairo directly.
std::vector<unsigned char> referencePixels(const cairo_path_t* path, cairo_line_cap_t cap,
                                           const std::vector<Stroke>& strokes) {
    CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kW, kH));
    CairoContextPtr cr(cairo_create(surface.get()));
    cairo_set_line_cap(cr.get(), cap);
    for (const Stroke& s : strokes) {
        cairo_new_path(cr.get());
        cairo_append_path(cr.get(), path);
        cairo_set_line_width(cr.get(), s.width);
        cairo_set_dash(cr.get(), s.dash.data(), int(s.dash.size()), s.offset);
        cairo_set_source_rgba(cr.get(), s.r, s.g, s.b, s.a);
        cairo_stroke(cr.get());
    }
    cairo_surface_flush(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    return {data, data + cairo_image_surface_get_stride(surface.get()) * kH};
}

std::vector<unsigned char> pixelsOf(const EngineFrame& frame) {
    const unsigned char* data = cairo_image_surface_get_data(frame.contexts.surface.get());
    return {data, data + cairo_image_surface_get_stride(frame.contexts.surface.get()) * kH};
}

struct StrokeCase {
    const char* name;
    std::function<void(DefaultParams&)> set;
    cairo_line_cap_t cap;
    std::vector<Stroke> expected;
};

TEST(Stroke, OutlineLineAndDashesAsCairoStrokes) {
    const StrokeCase cases[] = {
        {"defaults: one round stroke", [](DefaultParams&) {}, CAIRO_LINE_CAP_ROUND, {{4, {}, 0, 0, 0, 1, 1}}},
        {"outline with width 0 draws no hairline",
         [](DefaultParams& d) { d.checkbox(kStrokeEnable, true); d.slider(kStrokeWidth, 0); },
         CAIRO_LINE_CAP_ROUND, {{4, {}, 0, 0, 0, 1, 1}}},
        {"butt caps, dashed outline",
         [](DefaultParams& d) {
             d.popup(kCapStyle, kCapButt); d.checkbox(kStrokeEnable, true); d.slider(kStrokeWidth, 4);
             d.checkbox(kDashEnable, true);
         },
         CAIRO_LINE_CAP_BUTT, {{8, {10, 10}, 0, 1, 0, 0, 1}, {4, {10, 10}, 0, 0, 0, 1, 1}}},
        {"projecting caps lengthen the outline's dashes",
         [](DefaultParams& d) {
             d.popup(kCapStyle, kCapProjecting); d.checkbox(kStrokeEnable, true); d.slider(kStrokeWidth, 4);
             d.checkbox(kDashEnable, true);
         },
         CAIRO_LINE_CAP_SQUARE, {{8, {14, 6}, 2, 1, 0, 0, 1}, {4, {10, 10}, 0, 0, 0, 1, 1}}},
        {"projecting caps limit the outline to the gap",
         [](DefaultParams& d) {
             d.popup(kCapStyle, kCapProjecting); d.checkbox(kStrokeEnable, true); d.slider(kStrokeWidth, 8);
             d.slider(kGap, 3);
         },
         CAIRO_LINE_CAP_SQUARE, {{7, {}, 0, 1, 0, 0, 1}, {4, {}, 0, 0, 0, 1, 1}}},
        {"projecting caps with gap 0: no outline",
         [](DefaultParams& d) {
             d.popup(kCapStyle, kCapProjecting); d.checkbox(kStrokeEnable, true); d.slider(kGap, 0);
         },
         CAIRO_LINE_CAP_SQUARE, {{4, {}, 0, 0, 0, 1, 1}}},
        {"dash offset",
         [](DefaultParams& d) { d.checkbox(kDashEnable, true); d.slider(kDash, 6); d.slider(kGap, 3); d.slider(kDashOffset, 2); },
         CAIRO_LINE_CAP_ROUND, {{4, {6, 3}, 2, 0, 0, 1, 1}}},
        {"opacities multiply for the outline only",
         [](DefaultParams& d) {
             d.checkbox(kStrokeEnable, true); d.slider(kStrokeWidth, 4); d.slider(kOpacity, 50);
             d.slider(kStrokeOpacity, 50);
         },
         CAIRO_LINE_CAP_ROUND, {{8, {}, 0, 1, 0, 0, 0.25}, {4, {}, 0, 0, 0, 1, 0.5}}},
        {"colour alpha is ignored", [](DefaultParams& d) { d.color(kColor, 0, 0, 255, 0); },
         CAIRO_LINE_CAP_ROUND, {{4, {}, 0, 0, 0, 1, 1}}},
    };
    for (const StrokeCase& c : cases) {
        StrokeFixture f;
        c.set(f.d);
        EngineFrame frame = prepareEngineFrame(f.d.params(), kW, kH);
        drawStylePass(&frame.record, f.d.params().data());
        const std::unique_ptr<cairo_path_t, void (*)(cairo_path_t*)> path(cairo_copy_path(frame.record.cr),
                                                                          &cairo_path_destroy);
        strokeFrame(&frame.record, f.d.params().data());
        cairo_surface_flush(frame.contexts.surface.get());
        EXPECT_EQ(cairo_get_line_cap(frame.record.cr), c.cap) << c.name;
        EXPECT_TRUE(pixelsOf(frame) == referencePixels(path.get(), c.cap, c.expected)) << c.name;
    }
}

TEST(Stroke, UnknownCapKeepsCairoDefault) {
    StrokeFixture f;
    f.d.popup(kCapStyle, 7);
    const EngineFrame frame = drawEngineFrame(f.d.params(), kW, kH);
    EXPECT_EQ(cairo_get_line_cap(frame.record.cr), CAIRO_LINE_CAP_BUTT);
}

std::uint32_t pixelAt(const EngineFrame& frame, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(frame.contexts.surface.get());
    const int stride = cairo_image_surface_get_stride(frame.contexts.surface.get());
    std::uint32_t v;
    std::memcpy(&v, data + y * stride + 4 * x, 4);
    return v;
}

TEST(Stroke, ZeroDashAndGapDrawsOnlyTheHandles) {
    StrokeFixture f;
    f.d.checkbox(kDashEnable, true);
    f.d.slider(kDash, 0);
    f.d.slider(kGap, 0);
    f.d.checkbox(kHandlesEnable, true);
    f.d.slider(kCurvature, 50);  // handles from (8, 16) to (32, 16)
    f.d.slider(kHandlesWidth, 2);
    f.d.slider(kHandlesOpacity, 100);
    const EngineFrame frame = drawEngineFrame(f.d.params(), kW, kH);
    EXPECT_EQ(cairo_status(frame.record.cr), CAIRO_STATUS_INVALID_DASH);
    EXPECT_EQ(pixelAt(frame, 20, 16), 0xFFFF0000u) << "opaque red handle";
    EXPECT_EQ(pixelAt(frame, 20, 12), 0u);
}

TEST(Stroke, HandlesIgnoreTheOverallOpacity) {
    StrokeFixture f;
    f.d.checkbox(kHandlesEnable, true);
    f.d.slider(kCurvature, 50);
    f.d.slider(kHandlesWidth, 2);
    f.d.slider(kHandlesOpacity, 100);
    f.d.slider(kOpacity, 0);
    f.d.popup(kCapStyle, kCapButt);
    const EngineFrame frame = drawEngineFrame(f.d.params(), kW, kH);
    EXPECT_EQ(pixelAt(frame, 20, 16), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(frame, 50, 17), 0u) << "the line itself at opacity 0";
}

struct GradientCase {
    const char* name;
    A_long mode;
    A_long axis;
    A_long type;
    double smoothness;
    std::vector<double> expected;  // linear: x0 y0 x1 y1; radial: cx cy r0 cx cy r1
};

TEST(Stroke, GradientGeometry) {
    const GradientCase cases[] = {
        {"line, axis X", kModeLine, kAxisX, kGradientLinear, 50, {100, 100, 300, 100}},
        {"line, axis Y", kModeLine, kAxisY, kGradientLinear, 50, {100, 100, 100, 200}},
        {"arc, axis X", kModeArc, kAxisX, kGradientLinear, 50, {100, 100, 100, 200}},
        {"arc, axis Y", kModeArc, kAxisY, kGradientLinear, 50, {100, 100, 300, 100}},
        {"pipe, axis X", kModePipe, kAxisX, kGradientLinear, 50, {100, 100, 100, 200}},
        {"radial 50 %", kModeLine, kAxisX, kGradientRadial, 50, {100, 100, 0, 100, 100, std::hypot(200, 100)}},
        {"radial 5 % floors at 0.1", kModeLine, kAxisX, kGradientRadial, 5,
         {100, 100, 0, 100, 100, 0.2 * std::hypot(200, 100)}},
    };
    for (const GradientCase& c : cases) {
        DefaultParams d(400, 300);
        d.point(kStart, 100, 100);
        d.point(kEnd, 300, 200);
        d.popup(kMode, c.mode);
        d.popup(kBezierAxis, c.axis);
        d.checkbox(kGradientEnable, true);
        d.popup(kGradientType, c.type);
        d.slider(kSmoothness, c.smoothness);
        d.slider(kOpacity, 50);
        d.slider(kGradientStartOpacity, 50);
        d.slider(kAdditionalLines, 2);  // moves the record's end; the gradient must not follow
        const EngineFrame frame = drawEngineFrame(d.params(), 400, 300);
        cairo_pattern_t* source = cairo_get_source(frame.record.cr);
        std::vector<double> got(c.type == kGradientLinear ? 4 : 6);
        if (c.type == kGradientLinear) {
            ASSERT_EQ(cairo_pattern_get_type(source), CAIRO_PATTERN_TYPE_LINEAR) << c.name;
            cairo_pattern_get_linear_points(source, &got[0], &got[1], &got[2], &got[3]);
        } else {
            ASSERT_EQ(cairo_pattern_get_type(source), CAIRO_PATTERN_TYPE_RADIAL) << c.name;
            cairo_pattern_get_radial_circles(source, &got[0], &got[1], &got[2], &got[3], &got[4], &got[5]);
        }
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], c.expected[i], 1e-9) << c.name << " " << i;
        double offset, r, g, b, a;
        cairo_pattern_get_color_stop_rgba(source, 0, &offset, &r, &g, &b, &a);
        EXPECT_EQ(offset, 0.0);
        EXPECT_EQ(r, 1.0);
        EXPECT_DOUBLE_EQ(a, 0.25) << c.name;
        cairo_pattern_get_color_stop_rgba(source, 1, &offset, &r, &g, &b, &a);
        EXPECT_EQ(offset, 1.0);
        EXPECT_EQ(g, 1.0);
        EXPECT_DOUBLE_EQ(a, 0.5) << c.name;
        EXPECT_EQ(frame.record.gradient, nullptr);
    }
}

}  // namespace
