#pragma once

#include "engine/stability/StabilityModule.h"

// The routines of the transient stability program. Each takes the module explicitly,
// reports failure through module.status (with a line in ERROR.LOG) and never throws.
// TSMAIN is the engine entry point the editor calls.
namespace tarvex::engine::stability {

// Reads pfinput.dat (the solved power flow case) then ymatrix.dat.
void TSCASE(StabilityModule& m);
// Reads dyinput.dat: machine and exciter records, the model, and the bus order.
void DYNRD(StabilityModule& m);
// Reads TSparameter.dat into the simulation settings.
void TSPARM(StabilityModule& m);
// Settings, bus permutation, admittance matrix, loads and the initial machine states.
void TSINIT(StabilityModule& m);
// Applies or removes the fault admittance and trips the faulted line.
void FAULTSW(StabilityModule& m);
// One time step by Newton iterations on the trapezoidal rule.
void TSSTEP(StabilityModule& m);
// Network sums PS and QS at the current voltages and the constant-impedance loads.
void NETINJ(StabilityModule& m);

// Runs the program on the files of the current directory: writes dyplot.dat,
// tsstatus.dat (status record) and ERROR.LOG lines on failure. Returns the status.
int TSMAIN();
// The same on a caller's module (the process-wide one for TSMAIN).
int runStability(StabilityModule& m);
StabilityModule& stabilityModule();

} // namespace tarvex::engine::stability
