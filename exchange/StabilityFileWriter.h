#pragma once

#include <string>

class CSkemtorDoc;
class CSkemtorApp;

// Writes the two input files of the transient stability program, byte for byte as its
// readers expect them.
//
// Dynamic data file: a banner with the MVA base; " GENERATOR DATA" with the generator
// count and a four-line machine record per generator in array order (classical: bus,
// H, X'd; two-axis: bus, H, damping, Xd, X'd, T'do, Xq, X'q, T'qo; the model code
// "0.0 " or "1.1 " in columns 69-72 of the first line; any other model writes no
// record but is still counted); " EXCITATION DATA" with the two-axis count and a
// four-line DC1 record per two-axis generator ("DC1" in columns 25-27); the empty
// stabilizer, governor and load sections; "END OF DATA" and an empty line.
//
// Settings file: one value per line (tolerance, time step, simulation time, fault kind,
// fault start and clearing time, the two fault buses), "BUS TO PLOT n", the first n
// plot variable names as they are, " -999".
class CStabilityFileWriter {
public:
    // Each creates or replaces its file; false when it could not be written completely.
    static bool WriteDynamicData(const CSkemtorDoc& doc, const CSkemtorApp& app,
                                 const std::string& fileName);
    static bool WriteStabilityParameters(const CSkemtorApp& app, const std::string& fileName);
};
