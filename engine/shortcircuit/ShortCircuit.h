#pragma once

#include "engine/shortcircuit/ShortCircuitModule.h"

// The short-circuit solver: reads short.dat (the faults and the positive- and
// zero-sequence networks written by the editor), applies all its faults together as
// simultaneous bolted faults on the unloaded network at 1.0 p.u. pre-fault voltage, and
// writes shbus.out (status first, then per bus the phase-a voltage and fault current)
// and shline.out (per branch the phase-a current from its first bus to its second).
// Each routine reports failure through m.status with a log line and never throws.
namespace tarvex::engine::shortcircuit {

// Reads short.dat into the tables and checks it.
void READSC(ShortCircuitModule& m);
// Finds the islands of both networks and checks that every faulted bus has a source.
void ISLANDS(ShortCircuitModule& m);
// Builds, orders and factors the admittance matrix of one sequence network and solves
// for the impedance columns of the faulted buses.
void SEQZ(ShortCircuitModule& m, SequenceNetwork& net);
// Solves the fault equations for the sequence currents of every fault.
void FAULTS(ShortCircuitModule& m);
// Sequence and phase-a voltages, fault currents and branch currents.
void SCRESULT(ShortCircuitModule& m);
// Writes shbus.out (after the status record) and shline.out.
void SCOUT(ShortCircuitModule& m);

// The engine entry point: runs on short.dat in the current directory. Never throws.
void SHORTCKT();

// The process-wide module used by SHORTCKT.
ShortCircuitModule& shortCircuitModule();

} // namespace tarvex::engine::shortcircuit
