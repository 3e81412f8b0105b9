// The veltrace command, run as a user runs it.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/frame_job.h"
#include "cli/image_files.h"

namespace {

namespace fs = std::filesystem;

struct RunResult {
    int exitCode;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Cli : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() / ("veltrace_cli_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    RunResult run(const std::string& args) {
        const std::string command = std::string("cd '") + dir.string() + "' && '" + VELTRACE_CLI_PATH + "' " + args +
                                    " > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(dir / "out.txt"), slurp(dir / "err.txt")};
    }
    // Files other than the captured output.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(dir)) {
            const std::string name = fs::relative(e.path(), dir).string();
            if (name != "out.txt" && name != "err.txt") names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

struct Invocation {
    const char* args;
    int exitCode;
    const char* errorContains;  // "" when stderr must be empty
};

TEST_F(Cli, GoodAndBadInvocations) {
    std::ofstream(dir / "preset.json") << R"({"Mode": "Pipe", "Trim Paths/End": 40, "Trim Paths/Enable": true})";
    std::ofstream(dir / "broken.json") << "{\"Mode\": ";
    std::ofstream(dir / "notpng.png") << "hello";
    const Invocation cases[] = {
        {"render -o a.png --width 64 --height 48", 0, ""},
        {"render -o a.png --width 64 --height 48 --set 13=3 --set End=10,20", 0, ""},
        {"render -o a.png --width 64 --height 48 --set 'Stroke/Color=#ff0000' --set 'Trim Paths/End=40'", 0, ""},
        {"render -o a.png --width 64 --height 48 --set 'Stroke/Color=10,20,30' --set Mode=arc --set Symmetrical=true", 0, ""},
        {"render -o a.png --width 64 --height 48 --params preset.json", 0, ""},
        {"render -o a.svg --width 64 --height 48", 0, ""},
        {"render -o a.pdf --width 64 --height 48 --set Mode=2", 0, ""},
        {"render -o a.png --width 64 --height 48 --downsample 2", 0, ""},
        {"render --help", 0, ""},
        {"render -o a.png --set Bogus=1", 2, "unknown parameter \"Bogus\""},
        {"render -o a.png --set Enable=on", 2, "ambiguous parameter \"Enable\"; say one of: \"Style/Stroke/Enable\""},
        {"render -o a.png --set 'Line Width=6000'", 2, "expected a number from 0 to 5000"},
        {"render -o a.png --set Mode=Spiral", 2, "expected one of Line|Arc|Pipe"},
        {"render -o a.png --set Mode=4", 2, "bad value \"4\" for Mode"},
        {"render -o a.png --set Symmetrical=maybe", 2, "expected on, off, 1, 0, true or false"},
        {"render -o a.png --set 'Color=#12345'", 2, "ambiguous parameter \"Color\""},
        {"render -o a.png --set 'Style/Color=#12345'", 2, "expected #rrggbb or r,g,b"},
        {"render -o a.png --set Start=1", 2, "expected x,y in layer pixels"},
        {"render -o a.png --set 'Create Nulls=1'", 2, "has no value to set"},
        {"render -o a.png --set 63=1", 2, "no parameter with index 63"},
        {"render -o a.png --set Mode", 2, "expected NAME=VALUE"},
        {"render -o a.png --frobnicate", 2, "frobnicate"},
        {"render -o a.png --width 0", 2, "width"},
        {"render -o a.png --input missing.png", 2, "cannot read missing.png"},
        {"render -o a.png --input notpng.png", 2, "cannot read notpng.png"},
        {"render -o a.png --params broken.json", 2, "is not valid JSON"},
        {"render -o a.txt", 2, "must end in .png, .svg or .pdf"},
        {"render -o no/such/dir/a.png --width 8 --height 8", 2, "cannot write no/such/dir/a.png"},
        {"", 2, "A subcommand is required"},
    };
    for (const Invocation& c : cases) {
        const std::vector<std::string> before = files();
        const RunResult r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args << "\n" << r.err;
        if (*c.errorContains) {
            EXPECT_NE(r.err.find(c.errorContains), std::string::npos) << c.args << "\n" << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << "one line: " << r.err;
            EXPECT_EQ(files(), before) << "a refused run leaves no file: " << c.args;
        } else {
            EXPECT_EQ(r.err, "") << c.args;
        }
    }
    // Every output that exists is whole: no temporary files are left behind.
    for (const std::string& name : files()) EXPECT_EQ(name.find(".XXXXXX"), std::string::npos) << name;
    for (const std::string& name : files()) EXPECT_TRUE(name.find('.') == name.rfind('.')) << name;
}

TEST_F(Cli, DefaultFramePixels) {
    ASSERT_EQ(run("render -o frame.png").exitCode, 0);
    const auto world = readWorldPng((dir / "frame.png").string());
    ASSERT_EQ(world->width(), 1920);
    ASSERT_EQ(world->height(), 1080);
    const PF_Pixel centre = world->at(960, 540);
    EXPECT_EQ(centre.alpha, 255);
    EXPECT_EQ(centre.red, 128);
    EXPECT_EQ(centre.green, 128);
    EXPECT_EQ(centre.blue, 128);
    EXPECT_EQ(world->at(1919, 0).alpha, 0);
    EXPECT_EQ(world->at(1919, 0).red, 0);
}

TEST_F(Cli, PngHoldsTheWorldsBytes) {
    // Partly transparent pixels must not be premultiplied on the way.
    FrameOptions options;
    options.width = 96;
    options.height = 64;
    options.sets = {"Opacity=37", "Line Width=9", "Enable Gradient=on"};
    FrameJob job(options);
    const auto world = job.render();
    const std::string path = (dir / "exact.png").string();
    writeWorldPng(*world, path);
    const auto back = readWorldPng(path);
    int partial = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 96; ++x) {
            const PF_Pixel a = world->at(x, y);
            const PF_Pixel b = back->at(x, y);
            ASSERT_EQ(std::memcmp(&a, &b, 4), 0) << x << "," << y;
            partial += a.alpha > 0 && a.alpha < 255;
        }
    }
    EXPECT_GT(partial, 0);
}

TEST_F(Cli, ParamsAndPaths) {
    const RunResult params = run("params --json");
    ASSERT_EQ(params.exitCode, 0);
    const auto rows = nlohmann::json::parse(params.out);
    EXPECT_EQ(rows.size(), 62u - 7u) << "the seven group ends are not listed";
    EXPECT_EQ(rows[0]["name"], "Start");
    EXPECT_EQ(rows[0]["default"], "480,270");

    const RunResult paths = run("paths --width 400 --height 300 --set Start=100,100 --set End=300,200 --set Mode=Arc "
                          "--set Curvature=50");
    ASSERT_EQ(paths.exitCode, 0) << paths.err;
    const auto frame = nlohmann::json::parse(paths.out);
    ASSERT_EQ(frame["main"].size(), 4u);
    EXPECT_EQ(frame["main"][0]["op"], "move");
    EXPECT_EQ(frame["main"][1]["points"][0][0], 250.0);
    EXPECT_EQ(frame["main"][2]["op"], "curve");
    EXPECT_TRUE(frame["handles"].empty());
}

TEST_F(Cli, SequencesAndBench) {
    const RunResult seq = run("render --width 64 --height 48 --frames 5 --fps 25 --animate 'Trim Paths/End=0:100' "
                              "--animate Start=10,10:50,40 --animate 'Style/Color=#000000:#ffffff' "
                              "--set 'Trim Paths/Enable=on' -o 'f_%03d.png'");
    ASSERT_EQ(seq.exitCode, 0) << seq.err;
    EXPECT_EQ(files(), (std::vector<std::string>{"f_000.png", "f_001.png", "f_002.png", "f_003.png", "f_004.png"}));
    EXPECT_NE(seq.err.find("rendered 5 frames (0.20 s at 25 fps)"), std::string::npos) << seq.err;
    // Frame 0 has End at 0 %: nothing drawn. Frame 4 is the whole curve in
    // white, starting at (50, 40).
    EXPECT_EQ(readWorldPng((dir / "f_000.png").string())->pixelChecksum(), HostWorld(64, 48).pixelChecksum());
    const auto last = readWorldPng((dir / "f_004.png").string());
    EXPECT_EQ(last->at(50, 40).red, 255);
    EXPECT_EQ(last->at(50, 40).alpha, 255);

    const Invocation refused[] = {
        {"render --frames 3 -o plain.png", 2, "needs exactly one %d"},
        {"render --frames 3 -o 'f_%s.png'", 2, "only %d, %0Nd and %% may follow a %"},
        {"render --frames 3 -o 'f_%d.svg'", 2, "a sequence is written as PNG files"},
        {"render --frames 3 --animate Mode=1:2 -o 'g_%d.png'", 2, "only sliders, points and colours"},
        {"render --frames 3 --animate 'Line Width=1' -o 'g_%d.png'", 2, "wants NAME=FROM:TO"},
        {"render --width 16 --height 16 --frames 4 --animate 'Line Width=4000:6000' -o 'h_%d.png'", 2,
         "frame 2: bad value"},
    };
    for (const Invocation& c : refused) {
        const std::vector<std::string> before = files();
        const RunResult r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args;
        EXPECT_EQ(files(), before) << "a refused sequence writes nothing: " << c.args;
        EXPECT_NE(r.err.find(c.errorContains), std::string::npos) << c.args << "\n" << r.err;
    }

    const RunResult bench = run("bench --frames 3 --width 64 --height 48 --set 'Additional Lines=10'");
    ASSERT_EQ(bench.exitCode, 0) << bench.err;
    const auto timing = nlohmann::json::parse(bench.out);
    EXPECT_EQ(timing["frames"], 3);
    EXPECT_LE(timing["min_ms"].get<double>(), timing["median_ms"].get<double>());
    EXPECT_LE(timing["median_ms"].get<double>(), timing["max_ms"].get<double>());
}

TEST_F(Cli, ControlsCommands) {
    const RunResult ui = run("ui --set Mode=Arc --set Curvature=250 --changed Symmetrical --changed 'Swap Colors'");
    ASSERT_EQ(ui.exitCode, 0) << ui.err;
    const auto state = nlohmann::json::parse(ui.out);
    EXPECT_EQ(state["hidden"], nlohmann::json({7, 9, 20, 53, 59, 60, 61, 62}));
    EXPECT_EQ(state["curvature"]["value"], 100.0);
    EXPECT_EQ(state["curvature"]["valid"], nlohmann::json({0.0, 100.0}));
    EXPECT_EQ(state["values"]["31"], "#00ff00ff");
    EXPECT_EQ(state["values"]["32"], "#ff0000ff");

    EXPECT_EQ(run("ui --changed Nothing").exitCode, 2);

    const RunResult nulls = run("create-nulls --layer-name '' --source-name 'Solid 1' --effect-name Trace");
    ASSERT_EQ(nulls.exitCode, 0) << nulls.err;
    const auto project = nlohmann::json::parse(nulls.out);
    ASSERT_EQ(project["layers"].size(), 3u);
    EXPECT_EQ(project["layers"][1]["name"], "Solid 1_Trace_Start");
    EXPECT_EQ(project["layers"][1]["position"], nlohmann::json({480.0, 270.0, 0.0}));
    EXPECT_EQ(project["expressions"]["2"], "thisComp.layer(\"Solid 1_Trace_End\").toComp([0,0,0])");
    EXPECT_EQ(project["undo_groups"][0]["name"], "Tie Nulls");
    EXPECT_EQ(project["undo_groups"][0]["actions"].size(), 6u);
}

}  // namespace
