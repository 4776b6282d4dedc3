#pragma once

#include <string>

// What `tarvex-engine powerflow` was asked to do.
struct PowerFlowOptions {
    std::string dir = "."; // where the engine's files live
    std::string caseFile;  // copied to pfinput.dat in dir first when not empty
    // When not empty, the Run power flow command on this document instead of a run on
    // the files already in dir.
    std::string documentFile;
    int maxIterations = 100;
    double toleranceP = 0.001; // p.u.
    double toleranceQ = 0.001; // p.u.
    bool ignoreQLimits = false;
    // True when any of the settings options was given; otherwise an existing
    // pfparam.dat in dir is kept.
    bool settingsGiven = false;
};
