// The per-command cache of host suites: each suite is acquired on first
// use, kept for the rest of the command and released exactly once when the
// cache is destroyed, also while an exception unwinds.
#pragma once

#include <array>

#include "hostapi/ae_suites.h"

class AEGP_SuiteHandler {
public:
    // basic: the host's basic suite (borrowed). Null throws 516.
    explicit AEGP_SuiteHandler(const SPBasicSuite* basic);
    ~AEGP_SuiteHandler();
    AEGP_SuiteHandler(const AEGP_SuiteHandler&) = delete;
    AEGP_SuiteHandler& operator=(const AEGP_SuiteHandler&) = delete;

    // Each accessor returns the suite, acquiring it on first use; a suite
    // the host cannot supply throws the integer 516.
    const PF_ANSICallbacksSuite1* ANSICallbacksSuite1();
    const PF_ColorParamSuite1* ColorParamSuite1();
    const PF_HandleSuite2* HandleSuite2();
    const PF_WorldTransformSuite1* WorldTransformSuite1();
    const AEGP_PFInterfaceSuite1* PFInterfaceSuite1();
    const AEGP_StreamSuite7* StreamSuite7();
    const AEGP_StreamSuite9* StreamSuite9();
    const AEGP_DynamicStreamSuite2* DynamicStreamSuite2();
    const AEGP_DynamicStreamSuite3* DynamicStreamSuite3();
    const AEGP_EffectSuite2* EffectSuite2();
    const AEGP_LayerSuite11* LayerSuite11();
    const AEGP_LayerSuite13* LayerSuite13();
    const AEGP_CompSuite19* CompSuite19();
    const AEGP_UtilitySuite11* UtilitySuite11();

    // Acquires name/version from the host; throws 516 on an error or no suite.
    const void* LoadSuite(const char* name, A_long version) const;
    // Releases name/version; the host's result is ignored.
    void ReleaseSuite(const char* name, A_long version);
    // Throws the integer 516 (PF_Err_BAD_CALLBACK_PARAM).
    [[noreturn]] void MissingSuiteError() const;

private:
    enum Slot : int {
        kANSI, kColorParam, kHandle, kWorldTransform, kPFInterface, kStream7, kStream9, kDynamicStream2,
        kDynamicStream3, kEffect, kLayer11, kLayer13, kComp, kUtility, kSlotCount
    };
    const void* suite(Slot slot);
    void ReleaseAllSuites();

    const SPBasicSuite* basic_;
    std::array<const void*, kSlotCount> suites_{};
};
