// PNG files in and out, and output files that appear whole or not at all.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "testhost/host_world.h"

// Writes path through a temporary file beside it, renamed into place only
// when write(temporaryPath) succeeded; the temporary file is removed
// otherwise. write throws CliError on failure. Throws CliError when the
// directory cannot be written.
void writeFileAtomically(const std::string& path, const std::function<void(const std::string&)>& write);

// Writes the world's pixels, exactly as the effect wrote them (straight
// alpha, PF_Pixel order alpha, red, green, blue), as an 8-bit RGBA PNG.
void writeWorldPng(const HostWorld& world, const std::string& path);

// Reads a PNG of any format as 8-bit straight RGBA into a new world.
// Throws CliError when the file cannot be read as PNG.
std::unique_ptr<HostWorld> readWorldPng(const std::string& path);
