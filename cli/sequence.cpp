#include "cli/sequence.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <thread>

#include "cli/cli_error.h"
#include "cli/image_files.h"
#include "cli/param_names.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<double> numbers(const std::string& text) {
    std::vector<double> values;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        double v = 0;
        const auto [next, ec] = std::from_chars(p, end, v);
        if (ec != std::errc()) return {};
        values.push_back(v);
        p = next;
        if (p < end && *p++ != ',') return {};
    }
    return values;
}

// One animated parameter: its index and its value at each end.
struct Animation {
    int index;
    std::vector<double> from, to;
    bool colour;
};

std::vector<double> colourChannels(const std::string& text) {
    const auto rgb = parseColour(text);
    if (!rgb) return {};
    return {double((*rgb)[0]), double((*rgb)[1]), double((*rgb)[2])};
}

Animation parseAnimation(const std::string& text, const ParamArray& params) {
    const auto [name, range] = splitAssignment(text);
    const auto colon = range.find(':');
    if (colon == std::string::npos) throw CliError("--animate wants NAME=FROM:TO, got \"" + text + "\"");
    const int index = resolveParamName(name);
    const PF_ParamType kind = const_cast<ParamArray&>(params)[index].param_type;
    const bool colour = kind == PF_Param_COLOR;
    if (kind != PF_Param_FLOAT_SLIDER && kind != PF_Param_POINT && !colour) {
        throw CliError("--animate: " + paramSpelling(index) + " is a " + paramKindName(kind) +
                       "; only sliders, points and colours can be animated");
    }
    const std::string fromText = range.substr(0, colon);
    const std::string toText = range.substr(colon + 1);
    Animation a{index, colour ? colourChannels(fromText) : numbers(fromText),
                colour ? colourChannels(toText) : numbers(toText), colour};
    const std::size_t arity = kind == PF_Param_FLOAT_SLIDER ? 1 : kind == PF_Param_POINT ? 2 : 3;
    if (a.from.size() != arity || a.to.size() != arity) {
        throw CliError("--animate: bad FROM:TO \"" + range + "\" for " + paramSpelling(index));
    }
    return a;
}

// The value at frame i of n, as setParamValue reads it.
std::string valueAt(const Animation& a, int i, int n) {
    const double t = n > 1 ? double(i) / double(n - 1) : 0.0;
    std::string text;
    for (std::size_t k = 0; k < a.from.size(); ++k) {
        const double v = a.from[k] + (a.to[k] - a.from[k]) * t;
        if (k > 0) text += ',';
        text += a.colour ? std::to_string(std::lround(v)) : formatNumber(v);
    }
    return text;
}

class Progress {
public:
    explicit Progress(int total) : total_(total), terminal_(isatty(STDERR_FILENO) != 0) {}
    void frameDone() {
        const std::lock_guard lock(mutex_);
        ++done_;
        if (!terminal_) return;
        constexpr int kWidth = 40;
        const int filled = done_ * kWidth / total_;
        std::fprintf(stderr, "\r[%s%s] %d/%d", std::string(std::size_t(filled), '#').c_str(),
                     std::string(std::size_t(kWidth - filled), ' ').c_str(), done_, total_);
        if (done_ == total_) std::fprintf(stderr, "\n");
    }

private:
    std::mutex mutex_;
    int total_;
    int done_ = 0;
    bool terminal_;
};

}  // namespace

nlohmann::json benchFrames(FrameJob& job, int frames) {
    EffectInstance& effect = job.effect();
    auto output = effect.newOutput();
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        const auto start = Clock::now();
        const PF_Err err = effect.renderCommand(*output, effect.params());
        times.push_back(millisecondsSince(start));
        if (err != PF_Err_NONE) throw EffectError("frame " + std::to_string(i) + ": render failed", err);
    }
    std::sort(times.begin(), times.end());
    const double median = frames % 2 ? times[std::size_t(frames / 2)]
                                     : (times[std::size_t(frames / 2 - 1)] + times[std::size_t(frames / 2)]) / 2;
    return {{"frames", frames}, {"min_ms", times.front()}, {"median_ms", median}, {"max_ms", times.back()}};
}

std::string frameFileName(const std::string& pattern, int index) {
    std::string name;
    int conversions = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            name += pattern[i];
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            name += '%';
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        const bool zero = j < pattern.size() && pattern[j] == '0';
        int width = 0;
        while (j < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[j])) && width < 100) {
            width = width * 10 + (pattern[j++] - '0');
        }
        if (j >= pattern.size() || pattern[j] != 'd') {
            throw CliError("output name \"" + pattern + "\": only %d, %0Nd and %% may follow a %");
        }
        std::string digits = std::to_string(index);
        if (int(digits.size()) < width) digits.insert(0, std::size_t(width) - digits.size(), zero ? '0' : ' ');
        name += digits;
        ++conversions;
        i = j;
    }
    if (conversions != 1) throw CliError("output name \"" + pattern + "\" needs exactly one %d for the frame number");
    return name;
}

void renderSequence(FrameJob& job, const SequenceOptions& options) {
    if (options.frames < 1) throw CliError("--frames must be 1 or more");
    frameFileName(options.outputPattern, 0);  // refuse a bad pattern before any work
    std::vector<Animation> animations;
    for (const std::string& text : options.animate) animations.push_back(parseAnimation(text, job.params()));
    const auto valuesAt = [&](int i) {
        std::vector<std::pair<int, std::string>> values;
        for (const Animation& a : animations) values.emplace_back(a.index, valueAt(a, i, options.frames));
        return values;
    };
    // Every frame's values are checked before the first is rendered, so a
    // bad animation writes nothing and names its first bad frame.
    for (int i = 0; i < options.frames && !animations.empty(); ++i) {
        try {
            job.frameParams(valuesAt(i));
        } catch (const CliError& e) {
            throw CliError("frame " + std::to_string(i) + ": " + e.what());
        }
    }

    const auto start = Clock::now();
    Progress progress(options.frames);
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::mutex errorMutex;
    std::exception_ptr firstError;
    const auto work = [&] {
        while (!failed) {
            const int i = next++;
            if (i >= options.frames) return;
            try {
                ParamArray params = job.frameParams(valuesAt(i));
                auto output = job.effect().newOutput();
                const PF_Err err = job.effect().renderCommand(*output, params);
                if (err != PF_Err_NONE) throw EffectError("frame " + std::to_string(i) + ": render failed", err);
                writeWorldPng(*output, frameFileName(options.outputPattern, i));
                progress.frameDone();
            } catch (const CliError& e) {
                const std::lock_guard lock(errorMutex);
                if (!firstError) firstError = std::make_exception_ptr(CliError("frame " + std::to_string(i) + ": " + e.what()));
                failed = true;
            } catch (...) {
                const std::lock_guard lock(errorMutex);
                if (!firstError) firstError = std::current_exception();
                failed = true;
            }
        }
    };
    const unsigned workers = std::max(1u, std::min(std::thread::hardware_concurrency(), unsigned(options.frames)));
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < workers; ++t) threads.emplace_back(work);
    for (std::thread& thread : threads) thread.join();
    if (firstError) std::rethrow_exception(firstError);
    if (!isatty(STDERR_FILENO)) {
        std::fprintf(stderr, "rendered %d frames (%.2f s at %g fps) on %u threads in %.2f s\n", options.frames,
                     options.frames / options.fps, options.fps, workers, millisecondsSince(start) / 1000.0);
    }
}
