#pragma once

#include <string>

class CSkemtorDoc;
class CSkemtorApp;

// Writes the drawn network as a power flow case in the IEEE common data format, and the
// power flow settings, byte for byte as the engine's fixed-column reader expects them.
//
// Case file, lines ended by a single line feed:
//   title "%s%4.1f": case name (31 characters, the last a blank) and the MVA base, which
//       the reader takes from columns 31-36;
//   "BUS DATA FOLLOWS", one record per bus of type 0, 2 or 3 in array order, "-999";
//   "BRANCH DATA FOLLOWS", one record per branch in service, "-999";
//   empty loss zone (-99), interchange (-9) and tie line (-999) sections; "END OF DATA"
//   and an empty line.
// Bus record columns: 1-4 number, 6-17 name (cut or padded to 12), 19-20 area, 21-23
//   loss zone "000", 25-26 type, 28-33 voltage p.u., 34-40 angle degrees, 41-49 load MW,
//   50-59 load MVAr, 60-67 generation MW, 68-75 generation MVAr, 76-83 base kV 0.0,
//   85-90 desired voltage, 91-98 / 99-106 MVAr limits (PV buses only, else 0.0),
//   107-114 shunt G 0.0, 115-122 shunt B p.u. (the last shunt on the bus wins).
// Branch record columns: 1-4 tap bus, 6-9 Z bus, 11-12 area (99 for a tie line), 19 type
//   (1 transformer, 0 line), 20-29 R, 30-40 X, 42-49 charging B (p.u.), 51-55 MVA rating,
//   77-82 turns ratio, 85-90 phase angle (degrees, phase shifters only).
// Powers are written in MW and MVAr as entered; the engine converts to per unit.
class CCaseFileWriter {
public:
    // Creates or replaces `fileName`. Lines and tap changers have their phase angle set
    // to 0 in the document as a side effect. Returns false when the file could not be
    // written completely (the caller must not run the engine on it).
    static bool WriteCaseFile(CSkemtorDoc& doc, const CSkemtorApp& app,
                              const std::string& fileName);

    // One line "   %d  %e %e  %d": iteration limit, P and Q mismatch tolerances, and 1
    // when reactive limits are enforced (0 when ignored). Returns false on failure.
    static bool WritePowerFlowParameters(const CSkemtorApp& app, const std::string& fileName);
};
