// The one exception firewall of the command entry.
#pragma once

#include "hostapi/ae_effect.h"

// Runs handler and returns its result. An int thrown inside becomes the
// result (a missing suite throws 516); any other exception becomes 512
// (PF_Err_INTERNAL_STRUCT_DAMAGED). Nothing escapes.
template <typename Handler>
PF_Err runGuarded(Handler&& handler) noexcept {
    try {
        return handler();
    } catch (int err) {
        return err;
    } catch (...) {
        return PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
}
