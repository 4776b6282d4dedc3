#include "engine/core/PowerFlowModule.h"

namespace tarvex::engine {

void PowerFlowModule::reset() {
    // A static empty copy: the tables are too large for a temporary on the stack.
    static const PowerFlowTables kEmpty{};
    static_cast<PowerFlowTables&>(*this) = kEmpty;
    status.reset();
    BPSOLVER.clear();
    BPPSOLVER.clear();
}

void PowerFlowModule::fail(int code) {
    if (status.failed()) return;
    status.fail(code);
    writeStatusRecord(files.bus, code);
}

void writeStatusRecord(EngineFile& file, int code) {
    Record record;
    record.blanks(3).integer(code, 4);
    file.write(record);
}

} // namespace tarvex::engine
