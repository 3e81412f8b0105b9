// Parameter setup of the built module, as the test host registers it.
#include <gtest/gtest.h>

#include <cstring>

#include "testhost/test_host.h"

namespace {

constexpr PF_ParamFlags S = PF_ParamFlag_SUPERVISE;
constexpr PF_ParamFlags T = PF_ParamFlag_COLLAPSE_TWIRLY;

struct Row {
    int index;
    PF_ParamType type;
    A_long id;
    PF_ParamFlags flags;
    const char* name;
};

// The saved-project format: position, kind, identifier, flags and name.
const Row kRows[] = {
    {1, PF_Param_POINT, 1, 0, "Start"},
    {2, PF_Param_POINT, 2, 0, "End"},
    {3, PF_Param_BUTTON, 54, S, ""},
    {4, PF_Param_GROUP_START, 3, 0, "Style"},
    {5, PF_Param_POPUP, 53, S | PF_ParamFlag_USE_VALUE_FOR_OLD_PROJECTS, "Mode"},
    {6, PF_Param_FLOAT_SLIDER, 4, 0, "Line Width"},
    {7, PF_Param_CHECKBOX, 61, S, "Uniform Curvature"},
    {8, PF_Param_FLOAT_SLIDER, 5, 0, "Curvature"},
    {9, PF_Param_FLOAT_SLIDER, 62, 0, "Curvature End"},
    {10, PF_Param_COLOR, 6, 0, "Color"},
    {11, PF_Param_POPUP, 7, 0, "Bezier Axis"},
    {12, PF_Param_CHECKBOX, 8, S, "Symmetrical"},
    {13, PF_Param_FLOAT_SLIDER, 9, 0, "Additional Lines"},
    {14, PF_Param_GROUP_START, 55, T, "Stroke"},
    {15, PF_Param_CHECKBOX, 56, 0, "Enable"},
    {16, PF_Param_FLOAT_SLIDER, 57, 0, "Width"},
    {17, PF_Param_COLOR, 58, 0, "Color"},
    {18, PF_Param_FLOAT_SLIDER, 59, 0, "Opacity"},
    {19, PF_Param_GROUP_END, 60, 0, ""},
    {20, PF_Param_GROUP_START, 10, T, "Handles"},
    {21, PF_Param_CHECKBOX, 11, 0, "Enable"},
    {22, PF_Param_FLOAT_SLIDER, 12, 0, "Stroke Width"},
    {23, PF_Param_COLOR, 13, 0, "Color"},
    {24, PF_Param_FLOAT_SLIDER, 14, 0, "Opacity"},
    {25, PF_Param_GROUP_END, 15, 0, ""},
    {26, PF_Param_GROUP_END, 16, 0, ""},
    {27, PF_Param_GROUP_START, 17, T, "Gradient Fill"},
    {28, PF_Param_CHECKBOX, 18, 0, "Enable Gradient"},
    {29, PF_Param_POPUP, 19, S, "Gradient Type"},
    {30, PF_Param_FLOAT_SLIDER, 20, 0, "Smoothness"},
    {31, PF_Param_COLOR, 21, 0, "Start Color"},
    {32, PF_Param_COLOR, 22, 0, "End Color"},
    {33, PF_Param_BUTTON, 23, S, ""},
    {34, PF_Param_FLOAT_SLIDER, 24, 0, "Start Opacity"},
    {35, PF_Param_FLOAT_SLIDER, 25, 0, "End Opacity"},
    {36, PF_Param_GROUP_END, 26, 0, ""},
    {37, PF_Param_GROUP_START, 27, T, "Dashes"},
    {38, PF_Param_CHECKBOX, 28, 0, "Enable Dash"},
    {39, PF_Param_FLOAT_SLIDER, 29, 0, "Dash"},
    {40, PF_Param_FLOAT_SLIDER, 30, 0, "Gap"},
    {41, PF_Param_FLOAT_SLIDER, 31, 0, "Offset"},
    {42, PF_Param_GROUP_END, 32, 0, ""},
    {43, PF_Param_GROUP_START, 33, T, "Trim Paths"},
    {44, PF_Param_CHECKBOX, 34, 0, "Enable"},
    {45, PF_Param_FLOAT_SLIDER, 35, 0, "Start"},
    {46, PF_Param_FLOAT_SLIDER, 36, 0, "End"},
    {47, PF_Param_FLOAT_SLIDER, 37, 0, "Offset"},
    {48, PF_Param_GROUP_START, 38, T, "Multi-Line Params"},
    {49, PF_Param_FLOAT_SLIDER, 39, 0, "Multi-line Stagger"},
    {50, PF_Param_POPUP, 40, 0, "Easing"},
    {51, PF_Param_POPUP, 41, 0, "Easing Type"},
    {52, PF_Param_POPUP, 42, 0, "Order Modifier"},
    {53, PF_Param_CHECKBOX, 43, PF_ParamFlag_SKIP_REVEAL_WHEN_UNHIDDEN, "Inherit Symmetry"},
    {54, PF_Param_GROUP_END, 44, 0, ""},
    {55, PF_Param_GROUP_END, 45, 0, ""},
    {56, PF_Param_POPUP, 46, 0, "Cap Style"},
    {57, PF_Param_FLOAT_SLIDER, 47, 0, "Opacity"},
    {58, PF_Param_CHECKBOX, 48, 0, ""},
    {59, PF_Param_FLOAT_SLIDER, 49, 0, "Left"},
    {60, PF_Param_FLOAT_SLIDER, 50, 0, "Top"},
    {61, PF_Param_FLOAT_SLIDER, 51, 0, "Right"},
    {62, PF_Param_FLOAT_SLIDER, 52, 0, "Bottom"},
};

struct Slider {
    int index;
    double value;
    float validMin, validMax, sliderMin, sliderMax;
    A_short precision;
    bool percent;
};

const Slider kSliders[] = {
    {6, 10, 0, 5000, 0, 5000, 2, false},     {8, 75, -1000, 1000, 0, 100, 2, true},
    {9, 75, -1000, 1000, 0, 100, 2, true},   {13, 0, 0, 1000, 0, 100, 0, false},
    {16, 10, 0, 5000, 0, 5000, 2, false},    {18, 100, 0, 100, 0, 100, 2, true},
    {22, 10, 0, 5000, 0, 5000, 2, false},    {24, 50, 0, 100, 0, 100, 2, true},
    {30, 50, 0, 100, 0, 100, 2, true},       {34, 100, 0, 100, 0, 100, 2, true},
    {35, 100, 0, 100, 0, 100, 2, true},      {39, 10, 0, 1000, 0, 100, 2, false},
    {40, 10, 0, 1000, 0, 100, 2, false},     {41, 0, -5000, 5000, -100, 100, 2, false},
    {45, 0, 0, 100, 0, 100, 2, true},        {46, 100, 0, 100, 0, 100, 2, true},
    {47, 0, -100, 100, 0, 100, 2, true},     {49, 50, 0, 100, 0, 100, 2, true},
    {57, 100, 0, 100, 0, 100, 2, true},      {59, 0, -1000, 1000, -1000, 1000, 2, false},
    {60, 0, -1000, 1000, -1000, 1000, 2, false}, {61, 0, -1000, 1000, -1000, 1000, 2, false},
    {62, 0, -1000, 1000, -1000, 1000, 2, false},
};

struct Popup {
    int index;
    const char* choices;
    A_short count;
    A_short dflt;
};

const Popup kPopups[] = {
    {5, "Line|Arc|Pipe", 3, 1},  {11, "X|Y", 2, 1}, {29, "Linear|Radial", 2, 1},
    {50, "Expo|Quint|Quart|Sine|None", 5, 5}, {51, "In|Out|In/Out", 3, 3},
    {52, "None|Reverse|Random", 3, 1}, {56, "Butt|Round|Projecting", 3, 2},
};

class ParamSetup : public ::testing::Test {
protected:
    TestHost host;
    PF_OutData out{};
    const PF_ParamDef& def(int index) { return host.registeredParams().at(std::size_t(index - 1)); }
};

TEST_F(ParamSetup, RegistersTheTableInOrder) {
    ASSERT_EQ(host.setupParams(&out), PF_Err_NONE);
    EXPECT_EQ(out.num_params, 63);
    ASSERT_EQ(host.registeredParams().size(), 62u);
    for (const Row& row : kRows) {
        const PF_ParamDef& d = def(row.index);
        EXPECT_EQ(d.param_type, row.type) << row.index;
        EXPECT_EQ(d.uu.id, row.id) << row.index;
        EXPECT_EQ(d.flags, row.flags) << row.index;
        EXPECT_STREQ(d.name, row.name) << row.index;
        EXPECT_EQ(d.ui_flags, 0) << row.index;
        EXPECT_EQ(d.ui_width, 0) << row.index;
    }
    EXPECT_EQ(host.ledger().callCount("add_param"), 62);
    EXPECT_EQ(host.ledger().outstandingSuites(), 0);
}

TEST_F(ParamSetup, ValuesRangesAndTexts) {
    ASSERT_EQ(host.setupParams(&out), PF_Err_NONE);
    for (const Slider& s : kSliders) {
        const PF_FloatSliderDef& f = def(s.index).u.fs_d;
        EXPECT_EQ(f.value, s.value) << s.index;
        EXPECT_EQ(f.dephault, float(s.value)) << s.index;
        EXPECT_EQ(f.valid_min, s.validMin) << s.index;
        EXPECT_EQ(f.valid_max, s.validMax) << s.index;
        EXPECT_EQ(f.slider_min, s.sliderMin) << s.index;
        EXPECT_EQ(f.slider_max, s.sliderMax) << s.index;
        EXPECT_EQ(f.precision, s.precision) << s.index;
        EXPECT_EQ(f.display_flags, s.percent ? 1 : 0) << s.index;
        EXPECT_EQ(f.curve_tolerance, 0.05f) << s.index;
        EXPECT_EQ(f.phase, 0.0) << s.index;
        EXPECT_EQ(f.fs_flags, 0) << s.index;
    }
    for (const Popup& p : kPopups) {
        const PF_PopupDef& d = def(p.index).u.pd;
        EXPECT_STREQ(d.u.namesptr, p.choices) << p.index;
        EXPECT_EQ(d.num_choices, p.count) << p.index;
        EXPECT_EQ(d.dephault, p.dflt) << p.index;
        EXPECT_EQ(d.value, p.dflt) << p.index;
    }
    EXPECT_EQ(def(1).u.td.x_value, 0x190000);
    EXPECT_EQ(def(1).u.td.y_dephault, 0x190000);
    EXPECT_EQ(def(2).u.td.x_dephault, 75 * 65536);
    EXPECT_EQ(def(2).u.td.restrict_bounds, 0);
    EXPECT_STREQ(def(3).u.button_d.u.namesptr, "Create Nulls");
    EXPECT_STREQ(def(33).u.button_d.u.namesptr, "Swap Colors");
    EXPECT_STREQ(def(58).u.bd.u.nameptr, "Composite Over Original");
    EXPECT_STREQ(def(12).u.bd.u.nameptr, "");
    EXPECT_EQ(def(7).u.bd.value, 1);
    EXPECT_EQ(def(7).u.bd.dephault, 1);
    EXPECT_EQ(def(12).u.bd.value, 0);
    const PF_Pixel grey = def(10).u.cd.value;
    EXPECT_EQ(grey.alpha, 255);
    EXPECT_EQ(grey.red, 128);
    EXPECT_EQ(grey.blue, 128);
    EXPECT_EQ(def(32).u.cd.dephault.green, 255);
    EXPECT_EQ(def(32).u.cd.dephault.red, 0);
    EXPECT_EQ(def(17).u.cd.value.red, 255);
}

TEST_F(ParamSetup, StopsAtTheFirstRefusedParameter) {
    host.setFaults({.failOperation = "add_param", .failAt = 10, .failWith = PF_Err_OUT_OF_MEMORY});
    out.num_params = 1234;
    EXPECT_EQ(host.setupParams(&out), PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(host.registeredParams().size(), 9u);
    EXPECT_EQ(host.ledger().callCount("add_param"), 10);
    EXPECT_EQ(out.num_params, 1234);
}

}  // namespace
