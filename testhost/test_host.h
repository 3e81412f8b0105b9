// A host that loads the built module and serves it as the compositing host
// would: registration, the input record with its callbacks, the basic suite
// and the suites behind it. It counts every call and suite, can inject
// faults, and is safe to use from several threads for renders.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "hostapi/ae_suites.h"
#include "testhost/host_ledger.h"
#include "testhost/project.h"

struct EffectRegistration {
    bool called = false;
    std::string name, matchName, category, entryPoint;
    A_long kind = 0, apiVersionMajor = 0, apiVersionMinor = 0, reservedInfo = 0;
};

// The module built with this tree (VELTRACE_MODULE overrides it).
std::string defaultModulePath();

class TestHost {
public:
    // Loads the module and calls its registration entry. Throws
    // std::runtime_error when the module or an entry point is missing.
    explicit TestHost(const std::string& modulePath = defaultModulePath());
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    // Calls the registration entry again; its callback answers callbackResult.
    PF_Err registerEffect(PF_Err callbackResult = PF_Err_NONE);
    const EffectRegistration& registration() const { return registration_; }

    // The input record every command gets; tests may change its fields.
    PF_InData& inData() { return inData_; }
    void setApplicationId(A_long id) { inData_.appl_id = id; }

    // Sends one command to EffectMain with a copy of inData(); thread-safe.
    // Throws std::logic_error if the command changed the thread's
    // floating-point environment or the C locale.
    PF_Err command(PF_Cmd cmd, PF_OutData* out, PF_ParamDef* params[] = nullptr, PF_LayerDef* output = nullptr,
                   void* extra = nullptr);
    // The same with an input record of the caller's (a copy is passed).
    PF_Err command(const PF_InData& in, PF_Cmd cmd, PF_OutData* out, PF_ParamDef* params[] = nullptr,
                   PF_LayerDef* output = nullptr, void* extra = nullptr);

    // Parameter setup: the definitions the module adds are kept, in order.
    PF_Err setupParams(PF_OutData* out);
    const std::vector<PF_ParamDef>& registeredParams() const { return registered_; }

    // The project the AEGP suites work on; resetProject starts a new one.
    Project& project() { return *project_; }
    void resetProject();

    HostLedger ledger() const;
    void resetLedger();
    void setFaults(const FaultPlan& faults);

    // Host services reached from the C callbacks (public for them only).
    // Counts the call and returns the injected error for it, 0 if none.
    A_long enter(const char* operation);
    bool suiteMissing(const char* name, A_long version) const;
    void noteAcquire(const char* name, A_long version, bool ok);
    void noteRelease(const char* name, A_long version);
    void keepRegisteredParam(const PF_ParamDef& def);
    void keepRegistration(const EffectRegistration& registration);
    PF_Err registrationCallbackResult() const { return registrationCallbackResult_; }

private:
    struct ModuleCloser {
        void operator()(void* handle) const;
    };
    std::unique_ptr<void, ModuleCloser> module_;
    PluginDataEntryFunctionPtr entry_ = nullptr;
    EffectMainPtr main_ = nullptr;
    EffectRegistration registration_;
    PF_Err registrationCallbackResult_ = PF_Err_NONE;
    PF_InData inData_{};
    std::vector<PF_ParamDef> registered_;
    std::unique_ptr<Project> project_;

    mutable std::mutex mutex_;
    HostLedger ledger_;
    FaultPlan faults_;
};
