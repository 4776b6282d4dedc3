#pragma once

#include <string>

class CSkemtorDoc;
class CSkemtorApp;

// Writes the meters of the drawn network as the state estimators' measurement file, and
// the estimator settings. Both are read in free format by the engine, but the layout is
// kept byte for byte so that a file written once reads the same everywhere.
//
// Measurement file, line feeds only: six sections, each a count line "%4d" followed by
// exactly that many records, then two empty lines:
//   1 voltage magnitudes   "%3d %11.5f %g 0"     bus, value, deviation (every voltage meter)
//   2 real injections      "%3d %11.5f %g 0"     injection meters with the real part on
//   3 reactive injections  "%3d %11.5f %g 0"     injection meters with the reactive part on
//   4 real flows           "%3d%3d %11.5f %g 0"  flow meters with the real part on
//   5 reactive flows       "%3d%3d %11.5f %g 0"  flow meters with the reactive part on
//   6 current magnitudes   "%3d%3d %11.5f %g 0"  every current meter, breakers or not
// A flow meter is left out of sections 4 and 5 while an open breaker has its bus pair
// (either order): the branch it measures is out of service. Records follow the meter
// arrays' order; the trailing 0 is the record's flag (0: an ordinary measurement).
class CMeasurementFileWriter {
public:
    // Creates or replaces `fileName`. Returns false when the file could not be written
    // completely (the caller must not run the engine on it).
    static bool WriteMeasurementFile(const CSkemtorDoc& doc, const std::string& fileName);

    // One line "    %d%10d  %g ": noise option (0 none, 1 random errors), iteration
    // limit and convergence tolerance of the estimators. Returns false on failure.
    static bool WriteEstimatorParameters(const CSkemtorApp& app, const std::string& fileName);
};
