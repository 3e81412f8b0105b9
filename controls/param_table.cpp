#include "controls/param_table.h"

#include "controls/string_table.h"

namespace {

constexpr PF_ParamFlags kSupervise = PF_ParamFlag_SUPERVISE;
constexpr PF_ParamFlags kCollapsed = PF_ParamFlag_COLLAPSE_TWIRLY;

constexpr ParamSpec layer() { return ParamSpec{.kind = PF_Param_LAYER, .nameText = kNoText, .extraText = kNoText}; }

constexpr ParamSpec point(int name, double x, double y, A_long id) {
    return ParamSpec{.kind = PF_Param_POINT, .nameText = name, .extraText = kNoText, .pointX = x, .pointY = y,
                     .id = id};
}

constexpr ParamSpec button(int name, int text, PF_ParamFlags flags, A_long id) {
    return ParamSpec{.kind = PF_Param_BUTTON, .nameText = name, .extraText = text, .flags = flags, .id = id};
}

constexpr ParamSpec groupStart(int name, PF_ParamFlags flags, A_long id) {
    return ParamSpec{.kind = PF_Param_GROUP_START, .nameText = name, .extraText = kNoText, .flags = flags, .id = id};
}

constexpr ParamSpec groupEnd(A_long id) {
    return ParamSpec{.kind = PF_Param_GROUP_END, .nameText = kNoText, .extraText = kNoText, .id = id};
}

constexpr ParamSpec popup(int name, int choices, A_short count, A_short dflt, PF_ParamFlags flags, A_long id) {
    return ParamSpec{.kind = PF_Param_POPUP, .nameText = name, .extraText = choices, .dflt = static_cast<double>(dflt),
                     .numChoices = count, .flags = flags, .id = id};
}

constexpr ParamSpec checkbox(int name, int label, bool dflt, PF_ParamFlags flags, A_long id) {
    return ParamSpec{.kind = PF_Param_CHECKBOX, .nameText = name, .extraText = label, .dflt = dflt ? 1.0 : 0.0,
                     .flags = flags, .id = id};
}

constexpr ParamSpec color(int name, A_u_char r, A_u_char g, A_u_char b, A_long id) {
    return ParamSpec{.kind = PF_Param_COLOR, .nameText = name, .extraText = kNoText, .color = {255, r, g, b},
                     .id = id};
}

constexpr ParamSpec slider(int name, double dflt, float validMin, float validMax, float sliderMin, float sliderMax,
                           A_short precision, bool percent, A_long id) {
    return ParamSpec{.kind = PF_Param_FLOAT_SLIDER, .nameText = name, .extraText = kNoText, .dflt = dflt,
                     .validMin = validMin, .validMax = validMax, .sliderMin = sliderMin, .sliderMax = sliderMax,
                     .precision = precision,
                     .displayFlags = percent ? PF_ValueDisplayFlag_PERCENT : PF_ValueDisplayFlags{0}, .id = id};
}

constexpr bool kPercent = true;
constexpr bool kPlain = false;

}  // namespace

// Identifiers are the project format: they are not in position order.
constexpr std::array<ParamSpec, veltrace::kParamCount> kParamTable = {
    layer(),
    point(3, 25, 25, 1),
    point(4, 75, 75, 2),
    button(kNoText, 68, kSupervise, 54),
    groupStart(5, 0, 3),
    popup(6, 7, 3, 1, kSupervise | PF_ParamFlag_USE_VALUE_FOR_OLD_PROJECTS, 53),
    slider(8, 10, 0, 5000, 0, 5000, 2, kPlain, 4),
    checkbox(9, kNoText, true, kSupervise, 61),
    slider(10, 75, -1000, 1000, 0, 100, 2, kPercent, 5),
    slider(12, 75, -1000, 1000, 0, 100, 2, kPercent, 62),
    color(13, 128, 128, 128, 6),
    popup(14, 15, 2, 1, 0, 7),
    checkbox(16, 17, false, kSupervise, 8),
    slider(18, 0, 0, 1000, 0, 100, 0, kPlain, 9),
    groupStart(19, kCollapsed, 55),
    checkbox(20, kNoText, false, 0, 56),
    slider(21, 10, 0, 5000, 0, 5000, 2, kPlain, 57),
    color(22, 255, 0, 0, 58),
    slider(23, 100, 0, 100, 0, 100, 2, kPercent, 59),
    groupEnd(60),
    groupStart(24, kCollapsed, 10),
    checkbox(25, kNoText, false, 0, 11),
    slider(26, 10, 0, 5000, 0, 5000, 2, kPlain, 12),
    color(27, 255, 0, 0, 13),
    slider(28, 50, 0, 100, 0, 100, 2, kPercent, 14),
    groupEnd(15),
    groupEnd(16),
    groupStart(29, kCollapsed, 17),
    checkbox(30, kNoText, false, 0, 18),
    popup(31, 32, 2, 1, kSupervise, 19),
    slider(33, 50, 0, 100, 0, 100, 2, kPercent, 20),
    color(34, 255, 0, 0, 21),
    color(35, 0, 255, 0, 22),
    button(36, 37, kSupervise, 23),
    slider(38, 100, 0, 100, 0, 100, 2, kPercent, 24),
    slider(39, 100, 0, 100, 0, 100, 2, kPercent, 25),
    groupEnd(26),
    groupStart(40, kCollapsed, 27),
    checkbox(41, kNoText, false, 0, 28),
    slider(42, 10, 0, 1000, 0, 100, 2, kPlain, 29),
    slider(43, 10, 0, 1000, 0, 100, 2, kPlain, 30),
    slider(44, 0, -5000, 5000, -100, 100, 2, kPlain, 31),
    groupEnd(32),
    groupStart(45, kCollapsed, 33),
    checkbox(46, kNoText, false, 0, 34),
    slider(47, 0, 0, 100, 0, 100, 2, kPercent, 35),
    slider(48, 100, 0, 100, 0, 100, 2, kPercent, 36),
    slider(49, 0, -100, 100, 0, 100, 2, kPercent, 37),
    groupStart(50, kCollapsed, 38),
    slider(51, 50, 0, 100, 0, 100, 2, kPercent, 39),
    popup(52, 53, 5, 5, 0, 40),
    popup(54, 55, 3, 3, 0, 41),
    popup(56, 57, 3, 1, 0, 42),
    checkbox(58, kNoText, false, PF_ParamFlag_SKIP_REVEAL_WHEN_UNHIDDEN, 43),
    groupEnd(44),
    groupEnd(45),
    popup(59, 60, 3, 2, 0, 46),
    slider(61, 100, 0, 100, 0, 100, 2, kPercent, 47),
    checkbox(62, 63, false, 0, 48),
    slider(64, 0, -1000, 1000, -1000, 1000, 2, kPlain, 49),
    slider(65, 0, -1000, 1000, -1000, 1000, 2, kPlain, 50),
    slider(66, 0, -1000, 1000, -1000, 1000, 2, kPlain, 51),
    slider(67, 0, -1000, 1000, -1000, 1000, 2, kPlain, 52),
};

const A_char* paramName(const ParamSpec& spec) { return spec.nameText == kNoText ? "" : GetStringPtr(spec.nameText); }

const A_char* paramExtraText(const ParamSpec& spec) {
    return spec.extraText == kNoText ? "" : GetStringPtr(spec.extraText);
}

bool drawnSlidersInRange(PF_ParamDef* const params[]) {
    for (int index = 1; index < veltrace::kLeft; ++index) {
        const ParamSpec& spec = kParamTable[static_cast<std::size_t>(index)];
        if (spec.kind != PF_Param_FLOAT_SLIDER) continue;
        const double value = params[index]->u.fs_d.value;
        // Written so that NaN fails too.
        if (!(value >= spec.validMin && value <= spec.validMax)) return false;
    }
    return true;
}

namespace {
PF_Fixed percentToFixed(double percent) { return static_cast<PF_Fixed>(percent * 65536.0); }
}  // namespace

void fillParamDefinition(const ParamSpec& spec, PF_ParamDef* def) {
    def->param_type = spec.kind;
    switch (spec.kind) {
        case PF_Param_POINT: {
            PF_PointDef& point = def->u.td;
            point.x_value = point.x_dephault = percentToFixed(spec.pointX);
            point.y_value = point.y_dephault = percentToFixed(spec.pointY);
            point.restrict_bounds = 0;
            break;
        }
        case PF_Param_BUTTON: def->u.button_d.u.namesptr = paramExtraText(spec); break;
        case PF_Param_POPUP: {
            PF_PopupDef& popupDef = def->u.pd;
            popupDef.value = static_cast<PF_ParamValue>(spec.dflt);
            popupDef.dephault = static_cast<A_short>(spec.dflt);
            popupDef.num_choices = spec.numChoices;
            popupDef.u.namesptr = paramExtraText(spec);
            break;
        }
        case PF_Param_FLOAT_SLIDER: {
            PF_FloatSliderDef& sliderDef = def->u.fs_d;
            sliderDef.value = spec.dflt;
            sliderDef.dephault = static_cast<PF_FpShort>(spec.dflt);
            sliderDef.valid_min = spec.validMin;
            sliderDef.valid_max = spec.validMax;
            sliderDef.slider_min = spec.sliderMin;
            sliderDef.slider_max = spec.sliderMax;
            sliderDef.precision = spec.precision;
            sliderDef.display_flags = spec.displayFlags;
            sliderDef.curve_tolerance = 0.05f;
            break;
        }
        case PF_Param_CHECKBOX: {
            PF_CheckBoxDef& box = def->u.bd;
            box.value = box.dephault = static_cast<PF_ParamValue>(spec.dflt);
            box.u.nameptr = paramExtraText(spec);
            break;
        }
        case PF_Param_COLOR: def->u.cd.value = def->u.cd.dephault = spec.color; break;
        default: break;  // group markers and the layer carry no value
    }
    def->flags = spec.flags;
    def->uu.id = spec.id;
}
