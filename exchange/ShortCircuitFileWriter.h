#pragma once

#include <string>

class CSkemtorDoc;

// Writes the faults and the two sequence networks of the drawn network as short.dat, the
// input of the short-circuit solver, lines ended by a line feed:
//   one "%3d %3d \n" per fault in array order: bus, type (3 three-phase, 1 line to
//       ground), with no count before them;
//   "%3d %3d \n": number of buses, number of positive-sequence records;
//   "%3d %3d %10.6f %10.6f \n": 0 (ground), bus, R1, X1 per impedance to ground with its
//       positive sequence enabled, then bus1, bus2, R, X per branch;
//   "%3d %3d \n": number of buses, number of zero-sequence records;
//   "%3d %3d %10.6f %10.6f 0 \n": 0, bus, R0, X0 per impedance to ground with its zero
//       sequence enabled, then bus1, bus2, R0, X0 per branch whose zero-sequence data
//       are enabled.
// Every branch is written whatever the state of its circuit breakers.
class CShortCircuitFileWriter {
public:
    // Creates or replaces `fileName`; false when it could not be written completely.
    static bool WriteShortCircuitFile(const CSkemtorDoc& doc, const std::string& fileName);
};
