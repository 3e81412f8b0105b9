// Numbers must not depend on the process locale: a decimal comma changes
// neither the rendered bytes nor how the command line reads values.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/param_index.h"
#include "testhost/effect_instance.h"

namespace {

constexpr const char* kCommaLocale = "de_DE.UTF-8";

class CommaLocale {
public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) { ok_ = std::setlocale(LC_ALL, kCommaLocale) != nullptr; }
    ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    bool ok() const { return ok_; }

private:
    std::string previous_;
    bool ok_ = false;
};

std::unique_ptr<HostWorld> renderFrame() {
    TestHost host;
    EffectInstance effect(host, 120, 80);
    effect.params()[veltrace::kLineWidth].u.fs_d.value = 7.25;
    effect.params()[veltrace::kCurvature].u.fs_d.value = 33.5;
    effect.params()[veltrace::kDashEnable].u.bd.value = 1;
    auto out = effect.newOutput();
    EXPECT_EQ(effect.render(*out), PF_Err_NONE);
    return out;
}

TEST(Locale, RenderIgnoresADecimalComma) {
    const auto plain = renderFrame();
    CommaLocale comma;
    if (!comma.ok()) GTEST_SKIP() << kCommaLocale << " is not installed (Debian: locales, locale-gen)";
    EXPECT_TRUE(renderFrame()->samePixels(*plain));
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Locale, CommandLineNumbersIgnoreADecimalComma) {
    if (!CommaLocale().ok()) GTEST_SKIP() << kCommaLocale << " is not installed";
    const auto dir = std::filesystem::temp_directory_path() / ("veltrace_locale_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string args = " render --width 64 --height 48 --set 'Line Width=7.5' --set Start=10.5,12.25 -o ";
    const std::string c = "LC_ALL=C '" + std::string(VELTRACE_CLI_PATH) + "'" + args + (dir / "c.png").string();
    const std::string de = "LC_ALL=" + std::string(kCommaLocale) + " '" + VELTRACE_CLI_PATH + "'" + args + (dir / "de.png").string();
    ASSERT_EQ(std::system(c.c_str()), 0);
    ASSERT_EQ(std::system(de.c_str()), 0);
    EXPECT_EQ(fileBytes(dir / "c.png"), fileBytes(dir / "de.png"));
    std::filesystem::remove_all(dir);
}

}  // namespace
