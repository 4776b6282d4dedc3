#pragma once

#include "engine/core/EngineFile.h"
#include "engine/core/EngineStatus.h"
#include "engine/core/Record.h"
#include "engine/core/sparse/SparseStorage.h"
#include "engine/shortcircuit/ShortCircuitTables.h"

// Everything one short-circuit run works on: the tables, the result and log files, the
// error flag, and the sparse solver storage (one matrix, reused for each sequence).
// SHORTCKT keeps one instance for the process and resets it at the start of every run.
namespace tarvex::engine::shortcircuit {

struct ShortCircuitModule : ShortCircuitTables {
    EngineFile busFile, lineFile, log;
    EngineStatus status;
    CSparseStorage<kMaxMatrixEntries, 2 * kMaxBuses> SOLVER;
    CSparseStorage<kMaxPatternEntries, kMaxBuses> PATTERN;

    // Clears every table and the error flag (the files stay as they are).
    void reset();
    // Raises the error flag with its status and writes the explanation to ERROR.LOG;
    // the first failure of a run wins.
    void fail(int code, const Record& explanation);
};

} // namespace tarvex::engine::shortcircuit
