#pragma once

#include "engine/core/EngineFile.h"
#include "engine/estimation/MeasurementSet.h"

// Reader of the measurement file measure.dat, shared by the estimators, the
// observability analysis and the meter placement. Six groups in file order, each a count
// record and that many measurements (see MeasurementSet.h):
//   voltage magnitudes: bus, value, deviation, flag, read as one list across records;
//   injections, active flows, currents: one record each with from (bus), [to,] value,
//       deviation, flag; reactive flows the same without a flag (it is 0).
// Items after those of a record are ignored. A malformed file is reported with a result
// and one line in the log; the caller turns the result into its own status code.
namespace tarvex::engine {

enum class MeasurementReadResult {
    Ok,
    Unreadable,    // missing file, a field that is not a number, too many measurements
    CountMismatch, // a count record that does not match the records after it
    BadDeviation,  // a standard deviation of 0 or less
};

// Reads `fileName` into set (cleared first). Log lines go to log.
MeasurementReadResult readMeasurementFile(const char* fileName, MeasurementSet& set,
                                          EngineFile& log);

} // namespace tarvex::engine
