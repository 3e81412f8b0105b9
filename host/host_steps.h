// Sequencing host calls: each step runs only while no error has occurred,
// the first error is the result, and every handle obtained is disposed,
// a disposal's error counting only when none was recorded before.
#pragma once

#include "host/broken_variants.h"
#include "hostapi/ae_suites.h"

class HostSteps {
public:
    // Runs step (returning a host error code) unless an error was recorded.
    template <typename Step>
    void run(Step&& step) {
        if constexpr (broken_variant::kIgnoresHostErrors) {
            step();
        } else if (err_ == PF_Err_NONE) {
            err_ = step();
        }
    }
    // Records err unless an error was recorded before.
    void note(A_Err err) {
        if (err_ == PF_Err_NONE) err_ = err;
    }
    bool ok() const { return err_ == PF_Err_NONE; }
    PF_Err result() const { return err_; }

private:
    PF_Err err_ = PF_Err_NONE;
};

// A host handle (stream, effect reference) disposed through the function
// given at construction: explicitly with dispose(), in the order the
// caller needs, or by the destructor if an exception unwinds first.
template <typename Handle>
class HostHandle {
public:
    using Dispose = A_Err (*)(Handle);
    explicit HostHandle(Dispose dispose) : dispose_(dispose) {}
    ~HostHandle() {
        if (handle_) dispose_(handle_);
    }
    HostHandle(const HostHandle&) = delete;
    HostHandle& operator=(const HostHandle&) = delete;

    Handle* out() { return &handle_; }
    Handle get() const { return handle_; }

    // Disposes the handle if it was obtained; the result goes to steps.
    void dispose(HostSteps& steps) {
        if (!handle_) return;
        steps.note(dispose_(handle_));
        handle_ = nullptr;
    }

private:
    Dispose dispose_;
    Handle handle_ = nullptr;
};

using EffectHandle = HostHandle<AEGP_EffectRefH>;
using StreamHandle = HostHandle<AEGP_StreamRefH>;
