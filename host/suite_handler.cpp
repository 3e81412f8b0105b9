#include "host/suite_handler.h"

namespace {

struct SuiteName {
    const char* name;
    A_long version;
};

// In the order of AEGP_SuiteHandler::Slot; also the release order.
constexpr SuiteName kSuiteNames[] = {
    {kPFANSISuite, kPFANSISuiteVersion1},
    {kPFColorParamSuite, kPFColorParamSuiteVersion1},
    {kPFHandleSuite, kPFHandleSuiteVersion2},
    {kPFWorldTransformSuite, kPFWorldTransformSuiteVersion1},
    {kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1},
    {kAEGPStreamSuite, kAEGPStreamSuiteVersion7},
    {kAEGPStreamSuite, kAEGPStreamSuiteVersion9},
    {kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion2},
    {kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion3},
    {kAEGPEffectSuite, kAEGPEffectSuiteVersion2},
    {kAEGPLayerSuite, kAEGPLayerSuiteVersion11},
    {kAEGPLayerSuite, kAEGPLayerSuiteVersion13},
    {kAEGPCompSuite, kAEGPCompSuiteVersion19},
    {kAEGPUtilitySuite, kAEGPUtilitySuiteVersion11},
};

}  // namespace

AEGP_SuiteHandler::AEGP_SuiteHandler(const SPBasicSuite* basic) : basic_(basic) {
    if (basic_ == nullptr) MissingSuiteError();
}

AEGP_SuiteHandler::~AEGP_SuiteHandler() { ReleaseAllSuites(); }

const void* AEGP_SuiteHandler::LoadSuite(const char* name, A_long version) const {
    const void* suite = nullptr;
    if (basic_->AcquireSuite(name, version, &suite) != 0 || suite == nullptr) MissingSuiteError();
    return suite;
}

void AEGP_SuiteHandler::ReleaseSuite(const char* name, A_long version) { basic_->ReleaseSuite(name, version); }

void AEGP_SuiteHandler::MissingSuiteError() const { throw static_cast<int>(PF_Err_BAD_CALLBACK_PARAM); }

void AEGP_SuiteHandler::ReleaseAllSuites() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (suites_[slot] == nullptr) continue;
        ReleaseSuite(kSuiteNames[slot].name, kSuiteNames[slot].version);
        suites_[slot] = nullptr;
    }
}

const void* AEGP_SuiteHandler::suite(Slot slot) {
    if (suites_[slot] == nullptr) suites_[slot] = LoadSuite(kSuiteNames[slot].name, kSuiteNames[slot].version);
    return suites_[slot];
}

// clang-format off
const PF_ANSICallbacksSuite1* AEGP_SuiteHandler::ANSICallbacksSuite1() { return static_cast<const PF_ANSICallbacksSuite1*>(suite(kANSI)); }
const PF_ColorParamSuite1* AEGP_SuiteHandler::ColorParamSuite1() { return static_cast<const PF_ColorParamSuite1*>(suite(kColorParam)); }
const PF_HandleSuite2* AEGP_SuiteHandler::HandleSuite2() { return static_cast<const PF_HandleSuite2*>(suite(kHandle)); }
const PF_WorldTransformSuite1* AEGP_SuiteHandler::WorldTransformSuite1() { return static_cast<const PF_WorldTransformSuite1*>(suite(kWorldTransform)); }
const AEGP_PFInterfaceSuite1* AEGP_SuiteHandler::PFInterfaceSuite1() { return static_cast<const AEGP_PFInterfaceSuite1*>(suite(kPFInterface)); }
const AEGP_StreamSuite7* AEGP_SuiteHandler::StreamSuite7() { return static_cast<const AEGP_StreamSuite7*>(suite(kStream7)); }
const AEGP_StreamSuite9* AEGP_SuiteHandler::StreamSuite9() { return static_cast<const AEGP_StreamSuite9*>(suite(kStream9)); }
const AEGP_DynamicStreamSuite2* AEGP_SuiteHandler::DynamicStreamSuite2() { return static_cast<const AEGP_DynamicStreamSuite2*>(suite(kDynamicStream2)); }
const AEGP_DynamicStreamSuite3* AEGP_SuiteHandler::DynamicStreamSuite3() { return static_cast<const AEGP_DynamicStreamSuite3*>(suite(kDynamicStream3)); }
const AEGP_EffectSuite2* AEGP_SuiteHandler::EffectSuite2() { return static_cast<const AEGP_EffectSuite2*>(suite(kEffect)); }
const AEGP_LayerSuite11* AEGP_SuiteHandler::LayerSuite11() { return static_cast<const AEGP_LayerSuite11*>(suite(kLayer11)); }
const AEGP_LayerSuite13* AEGP_SuiteHandler::LayerSuite13() { return static_cast<const AEGP_LayerSuite13*>(suite(kLayer13)); }
const AEGP_CompSuite19* AEGP_SuiteHandler::CompSuite19() { return static_cast<const AEGP_CompSuite19*>(suite(kComp)); }
const AEGP_UtilitySuite11* AEGP_SuiteHandler::UtilitySuite11() { return static_cast<const AEGP_UtilitySuite11*>(suite(kUtility)); }
// clang-format on
