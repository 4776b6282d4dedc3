#pragma once

#include "engine/core/PowerFlowModule.h"

// The flow on one branch seen from one of its ends, in per unit on the system base.
namespace tarvex::engine {

struct BranchEndFlow {
    int bus = 0;   // internal index of the end the flow leaves
    int other = 0; // internal index of the far end
    double p = 0.0, q = 0.0;
    double current = 0.0; // |S| / V at the end
    bool overloaded = false;
};

// Flow leaving branch l at its from end (fromEnd true) or its to end.
BranchEndFlow branchEndFlow(const PowerFlowModule& m, int l, bool fromEnd);

} // namespace tarvex::engine
