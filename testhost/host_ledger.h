// What a test host saw: calls per operation, suite acquires and releases,
// and the faults it was told to inject.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "hostapi/ae_types.h"

struct HostLedger {
    std::map<std::string, int> calls;     // operation name -> count
    std::map<std::string, int> acquired;  // "suite name/version" -> count
    std::map<std::string, int> released;
    std::vector<std::string> sequence;    // every operation, in call order

    // Suites acquired and not yet released, over all suites.
    int outstandingSuites() const;
    int callCount(const std::string& operation) const;
    int totalCalls() const;
};

// Faults to inject. A suite named in missingSuites ("name/version") is not
// supplied. failOperation fails its failAt-th call (1-based) with failWith;
// "AcquireSuite" counts every suite acquire.
struct FaultPlan {
    std::set<std::string> missingSuites{};
    std::string failOperation{};
    int failAt = 0;
    A_long failWith = 0;
};

std::string suiteKey(const char* name, A_long version);
