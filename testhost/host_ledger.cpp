#include "testhost/host_ledger.h"

namespace {
int sum(const std::map<std::string, int>& counts) {
    int total = 0;
    for (const auto& [key, n] : counts) total += n;
    return total;
}
}  // namespace

int HostLedger::outstandingSuites() const { return sum(acquired) - sum(released); }

int HostLedger::callCount(const std::string& operation) const {
    const auto it = calls.find(operation);
    return it == calls.end() ? 0 : it->second;
}

int HostLedger::totalCalls() const { return sum(calls); }

std::string suiteKey(const char* name, A_long version) { return std::string(name) + "/" + std::to_string(version); }
