// The C callbacks and suites the test host serves. They reach the host of
// the command being run on this thread.
#pragma once

#include "hostapi/ae_suites.h"

class TestHost;

// Makes host the current host of this thread for the scope's lifetime.
class CurrentHostScope {
public:
    explicit CurrentHostScope(TestHost* host);
    ~CurrentHostScope();
    CurrentHostScope(const CurrentHostScope&) = delete;
    CurrentHostScope& operator=(const CurrentHostScope&) = delete;

private:
    TestHost* previous_;
};

SPBasicSuite* hostBasicSuite();
PF_UtilCallbacks* hostUtilCallbacks();
PF_InteractCallbacks hostInteractCallbacks();
PF_PluginDataCB hostRegistrationCallback();
