#include "cli/param_names.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

#include "cli/cli_error.h"
#include "controls/param_table.h"

using veltrace::kParamCount;

namespace {

const ParamSpec& spec(int index) { return kParamTable[static_cast<std::size_t>(index)]; }

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string fullPath(int index) {
    const std::string group = paramGroupPath(index);
    return group.empty() ? paramDisplayName(index) : group + "/" + paramDisplayName(index);
}

// Does path end with tail at a '/' boundary (case-insensitive)?
bool endsWithSegments(const std::string& path, const std::string& tail) {
    const std::string p = lower(path);
    const std::string t = lower(tail);
    if (t.empty() || t.size() > p.size() || p.compare(p.size() - t.size(), t.size(), t) != 0) return false;
    return t.size() == p.size() || p[p.size() - t.size() - 1] == '/';
}

std::string trimmed(const std::string& s) {
    const auto begin = s.find_first_not_of(" \t");
    if (begin == std::string::npos) return "";
    return s.substr(begin, s.find_last_not_of(" \t") - begin + 1);
}

std::vector<std::string> split(const std::string& s, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(s);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(trimmed(part));
    if (!s.empty() && s.back() == separator) parts.emplace_back();
    return parts;
}

// A whole number in the C locale's syntax, whatever the process locale.
bool parseNumber(const std::string& text, double* value) {
    const std::string t = trimmed(text);
    if (t.empty()) return false;
    const char* first = t.data() + (t[0] == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(first, t.data() + t.size(), *value);
    return ec == std::errc() && end == t.data() + t.size() && std::isfinite(*value);
}

[[noreturn]] void badValue(int index, const std::string& text, const std::string& expected) {
    throw CliError("bad value \"" + text + "\" for " + paramSpelling(index) + ": expected " + expected);
}

}  // namespace

std::string paramGroupPath(int index) {
    std::vector<std::string> groups;
    for (int i = 1; i < index; ++i) {
        if (spec(i).kind == PF_Param_GROUP_START) groups.push_back(paramDisplayName(i));
        if (spec(i).kind == PF_Param_GROUP_END && !groups.empty()) groups.pop_back();
    }
    std::string path;
    for (const std::string& g : groups) path += (path.empty() ? "" : "/") + g;
    return path;
}

std::string paramDisplayName(int index) {
    const std::string name = paramName(spec(index));
    if (!name.empty() || spec(index).kind == PF_Param_GROUP_END) return name;
    return paramExtraText(spec(index));
}

std::string paramSpelling(int index) {
    const std::string path = fullPath(index);
    std::vector<std::string> segments = split(path, '/');
    for (std::size_t keep = 1; keep <= segments.size(); ++keep) {
        std::string tail;
        for (std::size_t k = segments.size() - keep; k < segments.size(); ++k) tail += (tail.empty() ? "" : "/") + segments[k];
        try {
            if (resolveParamName(tail) == index) return tail;
        } catch (const CliError&) {
        }
    }
    return path;
}

const char* paramKindName(PF_ParamType kind) {
    switch (kind) {
        case PF_Param_LAYER: return "layer";
        case PF_Param_CHECKBOX: return "checkbox";
        case PF_Param_COLOR: return "color";
        case PF_Param_POINT: return "point";
        case PF_Param_POPUP: return "popup";
        case PF_Param_FLOAT_SLIDER: return "slider";
        case PF_Param_GROUP_START: return "group";
        case PF_Param_GROUP_END: return "group end";
        case PF_Param_BUTTON: return "button";
        default: return "unknown";
    }
}

int resolveParamName(const std::string& text) {
    double number = 0;
    if (parseNumber(text, &number)) {
        if (number == std::floor(number) && number >= 1 && number < double{kParamCount}) return static_cast<int>(number);
        throw CliError("no parameter with index " + trimmed(text) + " (1 .. " + std::to_string(kParamCount - 1) + ")");
    }
    const std::string name = trimmed(text);
    std::vector<int> matches;
    for (int i = 1; i < kParamCount; ++i) {
        if (spec(i).kind == PF_Param_GROUP_END) continue;
        if (lower(fullPath(i)) == lower(name)) return i;
        if (endsWithSegments(fullPath(i), name)) matches.push_back(i);
    }
    if (matches.size() == 1) return matches[0];
    std::string message;
    if (matches.empty()) {
        message = "unknown parameter \"" + name + "\"; run 'veltrace params' for the list";
    } else {
        message = "ambiguous parameter \"" + name + "\"; say one of:";
        for (int i : matches) message += " \"" + fullPath(i) + "\"";
    }
    throw CliError(message);
}

void setParamValue(ParamArray& params, int index, const std::string& text) {
    PF_ParamDef& def = params[index];
    const std::string t = trimmed(text);
    switch (def.param_type) {
        case PF_Param_FLOAT_SLIDER: {
            double v = 0;
            const PF_FloatSliderDef& s = def.u.fs_d;
            if (!parseNumber(t, &v) || v < s.valid_min || v > s.valid_max) {
                badValue(index, text, "a number from " + formatNumber(s.valid_min) + " to " + formatNumber(s.valid_max));
            }
            def.u.fs_d.value = v;
            return;
        }
        case PF_Param_POPUP: {
            const std::vector<std::string> choices = split(def.u.pd.u.namesptr, '|');
            double v = 0;
            if (parseNumber(t, &v) && v == std::floor(v) && v >= 1 && v <= double(choices.size())) {
                def.u.pd.value = static_cast<PF_ParamValue>(v);
                return;
            }
            for (std::size_t k = 0; k < choices.size(); ++k) {
                if (lower(choices[k]) == lower(t)) {
                    def.u.pd.value = static_cast<PF_ParamValue>(k + 1);
                    return;
                }
            }
            badValue(index, text, "one of " + std::string(def.u.pd.u.namesptr) + " or 1 .. " + std::to_string(choices.size()));
        }
        case PF_Param_CHECKBOX: {
            const std::string v = lower(t);
            if (v == "on" || v == "1" || v == "true") {
                def.u.bd.value = 1;
            } else if (v == "off" || v == "0" || v == "false") {
                def.u.bd.value = 0;
            } else {
                badValue(index, text, "on, off, 1, 0, true or false");
            }
            return;
        }
        case PF_Param_COLOR: {
            const auto rgb = parseColour(t);
            if (!rgb) badValue(index, text, "#rrggbb or r,g,b with each 0 .. 255");
            def.u.cd.value = PF_Pixel{255, (*rgb)[0], (*rgb)[1], (*rgb)[2]};
            return;
        }
        case PF_Param_POINT: {
            const std::vector<std::string> parts = split(t, ',');
            double x = 0, y = 0;
            // 16.16 fixed point holds -32768 .. 32767.
            const auto inRange = [](double v) { return v > -32768.0 && v < 32768.0; };
            if (parts.size() != 2 || !parseNumber(parts[0], &x) || !parseNumber(parts[1], &y) || !inRange(x) ||
                !inRange(y)) {
                badValue(index, text, "x,y in layer pixels");
            }
            params.setPoint(index, x, y);
            return;
        }
        default:
            throw CliError(paramSpelling(index) + " is a " + paramKindName(def.param_type) + " and has no value to set");
    }
}

std::string formatParamValue(const PF_ParamDef& def) {
    switch (def.param_type) {
        case PF_Param_FLOAT_SLIDER: return formatNumber(def.u.fs_d.value);
        case PF_Param_POPUP: {
            const std::vector<std::string> choices = split(def.u.pd.u.namesptr, '|');
            const int v = def.u.pd.value;
            return v >= 1 && v <= int(choices.size()) ? choices[std::size_t(v - 1)] : std::to_string(v);
        }
        case PF_Param_CHECKBOX: return (def.u.bd.value & 0xFF) ? "on" : "off";
        case PF_Param_COLOR: {
            char buffer[16];
            const PF_Pixel& c = def.u.cd.value;
            std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x%02x", c.red, c.green, c.blue, c.alpha);
            return buffer;
        }
        case PF_Param_POINT:
            return formatNumber(def.u.td.x_value * PF_FIXED_TO_DOUBLE) + "," +
                   formatNumber(def.u.td.y_value * PF_FIXED_TO_DOUBLE);
        default: return "";
    }
}

std::string formatNumber(double v) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

std::optional<std::array<A_u_char, 3>> parseColour(const std::string& text) {
    const std::string t = trimmed(text);
    unsigned hex[3];
    if (t.size() == 7 && t[0] == '#' && t.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos &&
        std::sscanf(t.c_str() + 1, "%2x%2x%2x", &hex[0], &hex[1], &hex[2]) == 3) {
        return std::array<A_u_char, 3>{A_u_char(hex[0]), A_u_char(hex[1]), A_u_char(hex[2])};
    }
    const std::vector<std::string> parts = split(t, ',');
    if (parts.size() != 3) return std::nullopt;
    std::array<A_u_char, 3> rgb{};
    for (std::size_t k = 0; k < 3; ++k) {
        double c = 0;
        if (!parseNumber(parts[k], &c) || c != std::floor(c) || c < 0 || c > 255) return std::nullopt;
        rgb[k] = static_cast<A_u_char>(c);
    }
    return rgb;
}

std::pair<std::string, std::string> splitAssignment(const std::string& text) {
    const auto at = text.find('=');
    if (at == std::string::npos) throw CliError("expected NAME=VALUE, got \"" + text + "\"");
    return {text.substr(0, at), text.substr(at + 1)};
}
