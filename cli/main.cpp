// veltrace: renders frames of the effect from the command line, driving the
// built module through the test host as a compositing host would.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "cli/cli_error.h"
#include "cli/controls_commands.h"
#include "cli/frame_job.h"
#include "cli/image_files.h"
#include "cli/param_names.h"
#include "cli/sequence.h"
#include "controls/param_table.h"

namespace {

void addFrameOptions(CLI::App* command, FrameOptions& options) {
    auto* width = command->add_option("--width", options.width, "Layer width in pixels (default 1920)")
                      ->check(CLI::Range(1, 32767));
    auto* height = command->add_option("--height", options.height, "Layer height in pixels (default 1080)")
                       ->check(CLI::Range(1, 32767));
    command->add_option("--input", options.input, "PNG image used as the layer; its size sets the layer's")
        ->excludes(width)
        ->excludes(height);
    command->add_option("--downsample", options.downsample, "Render at 1/N resolution, as a host's preview does")
        ->check(CLI::Range(1, 64));
    command->add_option("--set", options.sets,
                        "NAME=VALUE: a parameter by index or name (see 'veltrace params'), repeatable");
    command->add_option("--params", options.preset, "JSON preset: an object of NAME: VALUE, applied before --set");
}

nlohmann::json pathJson(const std::vector<PathElement>& path) {
    nlohmann::json elements = nlohmann::json::array();
    for (const PathElement& e : path) {
        nlohmann::json points = nlohmann::json::array();
        for (const A_FloatPoint& p : e.points) points.push_back({p.x, p.y});
        elements.push_back({{"op", pathOpName(e.op)}, {"points", points}});
    }
    return elements;
}

int render(const FrameOptions& options, const std::string& output, SequenceOptions sequence) {
    const std::string extension = std::filesystem::path(output).extension().string();
    if (extension != ".png" && extension != ".svg" && extension != ".pdf") {
        throw CliError("cannot write " + output + ": the name must end in .png, .svg or .pdf");
    }
    const bool isSequence = sequence.frames > 1 || !sequence.animate.empty();
    if (isSequence && extension != ".png") throw CliError("a sequence is written as PNG files");
    if (isSequence) frameFileName(output, 0);  // refuse a bad name before loading anything
    FrameJob job(options);
    if (isSequence) {
        sequence.outputPattern = output;
        renderSequence(job, sequence);
        return 0;
    }
    if (extension == ".png") {
        writeWorldPng(*job.render(), output);
    } else {
        job.renderVector(output);
    }
    return 0;
}

int paths(const FrameOptions& options) {
    FrameJob job(options);
    const FramePaths frame = job.paths();
    std::cout << nlohmann::json{{"main", pathJson(frame.main)}, {"handles", pathJson(frame.handles)}}.dump() << "\n";
    return 0;
}

nlohmann::json paramJson(int index, const PF_ParamDef& def) {
    nlohmann::json row{{"index", index},
                       {"group", paramGroupPath(index)},
                       {"name", paramDisplayName(index)},
                       {"spelling", paramSpelling(index)},
                       {"kind", paramKindName(def.param_type)},
                       {"id", def.uu.id}};
    const std::string value = formatParamValue(def);
    if (!value.empty()) row["default"] = value;
    if (def.param_type == PF_Param_FLOAT_SLIDER) row["valid"] = {def.u.fs_d.valid_min, def.u.fs_d.valid_max};
    if (def.param_type == PF_Param_POPUP) row["choices"] = def.u.pd.u.namesptr;
    return row;
}

int listParams(bool json) {
    FrameOptions options;
    FrameJob job(options);
    nlohmann::json rows = nlohmann::json::array();
    for (int index = 1; index < veltrace::kParamCount; ++index) {
        if (job.params()[index].param_type == PF_Param_GROUP_END) continue;
        rows.push_back(paramJson(index, job.params()[index]));
    }
    if (json) {
        std::cout << rows.dump(2) << "\n";
        return 0;
    }
    std::printf("%-5s %-36s %-9s %-24s %-16s %s\n", "index", "name", "kind", "default", "valid", "id");
    for (const auto& row : rows) {
        std::string valid;
        if (row.contains("valid")) valid = nlohmann::json(row["valid"][0]).dump() + " .. " + nlohmann::json(row["valid"][1]).dump();
        if (row.contains("choices")) valid = row["choices"].get<std::string>();
        std::printf("%-5d %-36s %-9s %-24s %-16s %d\n", row["index"].get<int>(),
                    row["spelling"].get<std::string>().c_str(), row["kind"].get<std::string>().c_str(),
                    row.value("default", std::string()).c_str(), valid.c_str(), row["id"].get<int>());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"veltrace: renders frames of the Veltrace effect through its module"};
    app.require_subcommand(1);
    FrameOptions options;
    std::string output = "veltrace.png";
    bool json = false;

    SequenceOptions sequence;
    CLI::App* renderCommand =
        app.add_subcommand("render", "Render one frame to a PNG, SVG or PDF file, or a sequence of PNG files");
    renderCommand->add_option("-o,--output", output,
                              "Output file: .png (the effect's pixels), .svg or .pdf; for a sequence a name "
                              "with %d or %0Nd for the frame number, e.g. out_%04d.png")
        ->capture_default_str();
    addFrameOptions(renderCommand, options);
    renderCommand->add_option("--frames", sequence.frames, "Render N frames, in parallel on all cores")
        ->check(CLI::Range(1, 1000000));
    renderCommand->add_option("--fps", sequence.fps, "Frame rate of the sequence (reported; default 30)")
        ->check(CLI::PositiveNumber);
    renderCommand->add_option("--animate", sequence.animate,
                              "NAME=FROM:TO: a slider, point or colour going linearly from FROM at the first "
                              "frame to TO at the last; repeatable");

    int benchFrameCount = 20;
    CLI::App* benchCommand =
        app.add_subcommand("bench", "Time renders through the module without writing files; print JSON");
    benchCommand->add_option("--frames", benchFrameCount, "Number of frames (default 20)")->check(CLI::Range(1, 100000));
    addFrameOptions(benchCommand, options);
    CLI::App* pathsCommand = app.add_subcommand("paths", "Print the frame's sub-paths as JSON");
    addFrameOptions(pathsCommand, options);
    CLI::App* paramsCommand = app.add_subcommand("params", "List the parameters and how to name them");
    paramsCommand->add_flag("--json", json, "Print JSON");

    std::vector<std::string> changed;
    CLI::App* uiCommand = app.add_subcommand(
        "ui", "Apply the values, send an interface update, then for each --changed the user-changed command and "
              "another update; print what is hidden, Curvature's range and every value as JSON");
    uiCommand->add_option("--set", options.sets, "NAME=VALUE, as for render; repeatable");
    uiCommand->add_option("--changed", changed, "A parameter the user changed, by index or name; repeatable");

    NullNamesOptions names;
    CLI::App* nullsCommand = app.add_subcommand(
        "create-nulls", "Press Create Nulls in a fresh project and print the project as JSON");
    nullsCommand->add_option("--layer-name", names.layerName, "Name of the layer carrying the effect")
        ->capture_default_str();
    nullsCommand->add_option("--source-name", names.sourceName, "Name of the layer's source item")
        ->capture_default_str();
    nullsCommand->add_option("--effect-name", names.effectName, "Name of the effect instance")->capture_default_str();
    nullsCommand->add_option("--set", options.sets, "NAME=VALUE, as for render; repeatable");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);
        std::fprintf(stderr, "veltrace: %s\n", e.what());
        return 2;
    }
    try {
        if (renderCommand->parsed()) return render(options, output, sequence);
        if (benchCommand->parsed()) {
            FrameJob job(options);
            std::cout << benchFrames(job, benchFrameCount).dump() << "\n";
            return 0;
        }
        if (pathsCommand->parsed()) return paths(options);
        if (uiCommand->parsed()) {
            FrameJob job(options);
            std::cout << controlsState(job, changed).dump() << "\n";
            return 0;
        }
        if (nullsCommand->parsed()) {
            FrameJob job(options);
            std::cout << createNullsProject(job, names).dump(2) << "\n";
            return 0;
        }
        return listParams(json);
    } catch (const CliError& e) {
        std::fprintf(stderr, "veltrace: %s\n", e.what());
        return 2;
    } catch (const EffectError& e) {
        std::fprintf(stderr, "veltrace: %s: the effect returned %d (%s)\n", e.what(), e.code(),
                     effectErrorName(e.code()).c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "veltrace: %s\n", e.what());
        return 1;
    }
}
