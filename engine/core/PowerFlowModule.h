#pragma once

#include "engine/core/EngineStatus.h"
#include "engine/core/PowerFlowFiles.h"
#include "engine/core/PowerFlowTables.h"
#include "engine/core/sparse/SparseStorage.h"

// Everything one power flow run works on: the network tables, the open result files
// and the error flag with its status code. PFLINFLO keeps one instance for the life of
// the process and resets it at the start of every run; the routines take it explicitly.
namespace tarvex::engine {

struct PowerFlowModule : PowerFlowTables {
    PowerFlowFiles files;
    EngineStatus status;
    // Working storage of the sparse solver, one per matrix: the factors of B' and B''
    // are kept apart so that each is factored once and reused.
    CSparseStorage<kMaxMatrixEntries, kMaxBuses> BPSOLVER, BPPSOLVER;

    // Clears every table, counter and the error flag (the files stay as they are).
    void reset();
    // Raises the error flag and writes the status record as the first record of the
    // status file. The caller writes the explanation to the log.
    void fail(int code);
    // Writes one record to the log.
    void log(const Record& record) { files.log.write(record); }
};

// The status record: three blanks and the code as an integer of width 4. A reader that
// takes the first integer of the file accepts it for success and failure alike.
void writeStatusRecord(EngineFile& file, int code);

} // namespace tarvex::engine
