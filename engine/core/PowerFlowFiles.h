#pragma once

#include "engine/core/EngineFile.h"

// The five files a power flow run keeps open from start to end. Each is created when
// missing and replaced only when the run writes to it (EngineFile).
namespace tarvex::engine {

struct PowerFlowFiles {
    EngineFile loss;   // system loss figures
    EngineFile bus;    // status record, then one record per bus
    EngineFile branch; // flows at both ends of every branch
    EngineFile log;    // human-readable failure explanations
    EngineFile report; // the power flow report

    void openAll();
    void closeAll();
};

} // namespace tarvex::engine
