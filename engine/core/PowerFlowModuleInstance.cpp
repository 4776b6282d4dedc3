#include "engine/core/PowerFlow.h"

namespace tarvex::engine {

PowerFlowModule& powerFlowModule() {
    // Lives for the process, like the original program's module tables; the tables are
    // too large for the stack.
    static PowerFlowModule module;
    return module;
}

} // namespace tarvex::engine
