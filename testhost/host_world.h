// An 8-bit world the test host owns: the output buffer or the input layer,
// with optional padding at the end of each row.
#pragma once

#include <cstdint>
#include <vector>

#include "hostapi/ae_params.h"

class HostWorld {
public:
    HostWorld(int width, int height, int rowPadding = 0);
    HostWorld(const HostWorld&) = delete;
    HostWorld& operator=(const HostWorld&) = delete;

    PF_EffectWorld& world() { return world_; }
    const PF_EffectWorld& world() const { return world_; }
    int width() const { return world_.width; }
    int height() const { return world_.height; }
    PF_Pixel& at(int x, int y);
    const PF_Pixel& at(int x, int y) const;
    std::vector<std::uint8_t>& bytes() { return bytes_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    PF_EffectWorld world_{};
};
