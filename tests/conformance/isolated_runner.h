#pragma once
// Runs the cases in a child process, one after another in that process, and
// survives what a single case may do to it: a crash, a hang or a memory
// blow-up ends only that child. The case is recorded with what happened and
// a fresh child carries on with the next one.

#include "tests/conformance/case_outcome.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class LoopbackGuard;

struct IsolationLimits {
    std::chrono::seconds perCase;
    std::uint64_t residentBytes;
};

// RUN is called in a child for each index in [0, count). The guard, if any,
// is served while the children run.
std::vector<Outcome> RunIsolated(std::size_t count, const std::function<Outcome(std::size_t)>& run,
                                 const IsolationLimits& limits, LoopbackGuard* guard);
