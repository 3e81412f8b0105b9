#include "testhost/test_host.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <fenv.h>
#if defined(__SSE__)
#include <xmmintrin.h>
#endif

#include <clocale>
#include <cstdlib>
#include <stdexcept>

#include "testhost/host_suites.h"

#ifndef VELTRACE_MODULE_PATH
#define VELTRACE_MODULE_PATH "Veltrace.aex"  // a Windows test host finds it beside itself
#endif

std::string defaultModulePath() {
    const char* path = std::getenv("VELTRACE_MODULE");
    return path && *path ? path : VELTRACE_MODULE_PATH;
}

namespace {

#if defined(_WIN32)
void* loadModule(const std::string& path) { return reinterpret_cast<void*>(LoadLibraryA(path.c_str())); }
void* moduleSymbol(void* module, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}
std::string loadError() { return "error " + std::to_string(GetLastError()); }
#else
void* loadModule(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void* moduleSymbol(void* module, const char* name) { return dlsym(module, name); }
std::string loadError() { return dlerror(); }
#endif

}  // namespace

void TestHost::ModuleCloser::operator()(void* handle) const {
#if defined(_WIN32)
    FreeLibrary(static_cast<HMODULE>(handle));
#else
    dlclose(handle);
#endif
}

namespace {
// Any non-null value: the module only hands the reference back.
PF_ProgPtr effectReference(TestHost* host) { return reinterpret_cast<PF_ProgPtr>(host); }
}  // namespace

TestHost::TestHost(const std::string& modulePath)
    : module_(loadModule(modulePath)), project_(std::make_unique<Project>()) {
    if (!module_) throw std::runtime_error("cannot load " + modulePath + ": " + loadError());
    entry_ = reinterpret_cast<PluginDataEntryFunctionPtr>(moduleSymbol(module_.get(), "PluginDataEntryFunction"));
    main_ = reinterpret_cast<EffectMainPtr>(moduleSymbol(module_.get(), "EffectMain"));
    if (!entry_ || !main_) throw std::runtime_error(modulePath + " lacks an entry point");
    inData_.inter = hostInteractCallbacks();
    inData_.utils = hostUtilCallbacks();
    inData_.effect_ref = effectReference(this);
    inData_.quality = 0;
    inData_.appl_id = PF_APPL_ID_AFTER_EFFECTS;
    inData_.downsample_x = {1, 1};
    inData_.downsample_y = {1, 1};
    inData_.pica_basicP = hostBasicSuite();
    registerEffect();
}

TestHost::~TestHost() = default;

PF_Err TestHost::registerEffect(PF_Err callbackResult) {
    const CurrentHostScope scope(this);
    registrationCallbackResult_ = callbackResult;
    return entry_(this, hostRegistrationCallback(), hostBasicSuite(), "Veltrace test host", "1.0");
}

PF_Err TestHost::command(PF_Cmd cmd, PF_OutData* out, PF_ParamDef* params[], PF_LayerDef* output, void* extra) {
    return command(inData_, cmd, out, params, output, extra);
}

namespace {

// What a command must leave as it found it: the thread's floating-point
// control modes (rounding, enabled traps, and on x86 the SSE control bits
// such as flush-to-zero) and the process's C locale. The sticky exception
// flags are not modes: any arithmetic sets them.
struct ProcessState {
    int rounding;
    int traps;
    unsigned sseControl;
    std::string locale;

    static ProcessState now() {
#if defined(__SSE__)
        const unsigned sse = _mm_getcsr() & ~0x3Fu;
#else
        const unsigned sse = 0;
#endif
#if defined(__GLIBC__)
        const int traps = fegetexcept();
#else
        const int traps = 0;  // no portable way to read the enabled traps
#endif
        return {std::fegetround(), traps, sse, std::setlocale(LC_ALL, nullptr)};
    }
    bool operator==(const ProcessState& other) const {
        return rounding == other.rounding && traps == other.traps && sseControl == other.sseControl &&
               locale == other.locale;
    }
};

}  // namespace

PF_Err TestHost::command(const PF_InData& in, PF_Cmd cmd, PF_OutData* out, PF_ParamDef* params[],
                         PF_LayerDef* output, void* extra) {
    const CurrentHostScope scope(this);
    PF_InData copy = in;
    const ProcessState before = ProcessState::now();
    const PF_Err err = main_(cmd, &copy, out, params, output, extra);
    if (!(ProcessState::now() == before)) {
        throw std::logic_error("command " + std::to_string(cmd) + " changed the floating-point environment or locale");
    }
    return err;
}

PF_Err TestHost::setupParams(PF_OutData* out) {
    {
        const std::lock_guard lock(mutex_);
        registered_.clear();
    }
    return command(PF_Cmd_PARAMS_SETUP, out);
}

void TestHost::resetProject() { project_ = std::make_unique<Project>(); }

HostLedger TestHost::ledger() const {
    const std::lock_guard lock(mutex_);
    return ledger_;
}

void TestHost::resetLedger() {
    const std::lock_guard lock(mutex_);
    ledger_ = HostLedger{};
}

void TestHost::setFaults(const FaultPlan& faults) {
    const std::lock_guard lock(mutex_);
    faults_ = faults;
}

A_long TestHost::enter(const char* operation) {
    const std::lock_guard lock(mutex_);
    const int n = ++ledger_.calls[operation];
    ledger_.sequence.emplace_back(operation);
    return faults_.failOperation == operation && faults_.failAt == n ? faults_.failWith : 0;
}

bool TestHost::suiteMissing(const char* name, A_long version) const {
    const std::lock_guard lock(mutex_);
    return faults_.missingSuites.count(suiteKey(name, version)) != 0;
}

void TestHost::noteAcquire(const char* name, A_long version, bool ok) {
    if (!ok) return;
    const std::lock_guard lock(mutex_);
    ++ledger_.acquired[suiteKey(name, version)];
}

void TestHost::noteRelease(const char* name, A_long version) {
    const std::lock_guard lock(mutex_);
    ++ledger_.released[suiteKey(name, version)];
}

void TestHost::keepRegisteredParam(const PF_ParamDef& def) {
    const std::lock_guard lock(mutex_);
    registered_.push_back(def);
}

void TestHost::keepRegistration(const EffectRegistration& registration) { registration_ = registration; }
