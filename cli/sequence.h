// Several frames of one effect: timed renders (veltrace bench) and image
// sequences with animated parameters rendered on all cores.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli/frame_job.h"

// Renders frames through the module without writing files; returns
// {"frames", "min_ms", "median_ms", "max_ms"} per frame.
nlohmann::json benchFrames(FrameJob& job, int frames);

struct SequenceOptions {
    int frames = 1;
    double fps = 30;
    std::vector<std::string> animate;  // NAME=FROM:TO
    std::string outputPattern;         // out_%04d.png
};

// The file name of frame index from a pattern with one %d (optionally
// %0Nd) and any number of %%. Throws CliError for any other pattern.
std::string frameFileName(const std::string& pattern, int index);

// Renders the frames in parallel, each to its own PNG written whole; the
// first error stops the run and names its frame (CliError, EffectError).
// Progress goes to stderr: a bar on a terminal, one line otherwise.
void renderSequence(FrameJob& job, const SequenceOptions& options);
